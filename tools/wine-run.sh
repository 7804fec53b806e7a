#!/usr/bin/env bash
# Runs a 64-bit Windows program under Wine in the project's own prefix (build/wineprefix),
# without Wine's Mono and Gecko offers, and passes its exit code on.
set -u
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$here/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
if [ ! -d "$WINEPREFIX" ]; then
  mkdir -p "$WINEPREFIX"
  /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1
  /usr/lib/wine/wineserver -w
fi
/usr/lib/wine/wine64 "$@"

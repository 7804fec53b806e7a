#!/usr/bin/env bash
# Builds the installer and runs VornKessaSetup64.exe under Wine. With no display, it runs on a
# virtual Xvfb display, saves a screenshot to build/screenshot.png and closes the program.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/build.sh"
exe="$top/dist/VornKessaSetup64.exe"
if [ -n "${DISPLAY:-}" ]; then
  exec "$top/tools/wine-run.sh" "$exe"
fi

# Headless: our own display, a screenshot once the window is up, then a clean close.
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
cleanup() {
  WINEPREFIX="$top/build/wineprefix" /usr/lib/wine/wineserver -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=$display
"$top/tools/wine-run.sh" wineboot >/dev/null 2>&1 || true   # the prefix exists before we time anything
"$top/tools/wine-run.sh" "$exe" &
app=$!
probe="$top/build/win64/probe.exe"
window=""
for _ in $(seq 1 60); do
  if [ -x "$probe" ] || [ -f "$probe" ]; then
    window=$("$top/tools/wine-run.sh" "$probe" wait-window 500 2>/dev/null | awk '{print $1}' || true)
  else
    window=$(xdotool search --onlyvisible --class "VornKessaSetup64.exe" 2>/dev/null | head -n 1 || true)
  fi
  [ -n "$window" ] && break
  sleep 0.5
done
sleep 1
import -display "$display" -window root "$top/build/screenshot.png"
echo "screenshot: $top/build/screenshot.png"
if [ -f "$probe" ] && [ -n "$window" ]; then
  "$top/tools/wine-run.sh" "$probe" close "$window" >/dev/null 2>&1 || true
else
  xdotool key --window "$(xdotool search --onlyvisible --class VornKessaSetup64.exe | head -n1)" Escape || true
fi
set +e
wait "$app"
code=$?
set -e
echo "VornKessaSetup64.exe exit code: $code"
exit "$code"

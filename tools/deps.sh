#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that are missing.
# Usage: tools/deps.sh [build|test]   (build: cross compilers and Wine; test: also test tools)
set -euo pipefail
want=(cmake ninja-build g++ g++-mingw-w64-i686 g++-mingw-w64-x86-64
      binutils-mingw-w64-i686 binutils-mingw-w64-x86-64 wine wine64 xvfb xdotool imagemagick)
if [ "${1:-build}" = test ]; then
  want+=(googletest libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev)
fi
missing=()
for p in "${want[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "installing: ${missing[*]}"
SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO=sudo
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"

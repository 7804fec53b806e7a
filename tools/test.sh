#!/usr/bin/env bash
# Runs every test: host tests of the logic (ASan + UBSan), platform contract tests on the sim
# and under Wine, static checks of both built programs, and the end-to-end scenarios under
# Wine on a virtual display. `tools/test.sh --extended` also runs the fuzz targets for a while.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
extended=0
[ "${1:-}" = "--extended" ] && extended=1
"$top/tools/deps.sh" test
"$top/tools/build.sh"

cmake -S "$top" -B "$top/build/host" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$top/build/host"
jobs=$(nproc)
status=0
(cd "$top/build/host" && ctest --output-on-failure -j "$jobs") || status=1
# Under Wine, one test program at a time: they share one prefix and its wineserver.
(cd "$top/build/win64" && ctest --output-on-failure) || status=1

if [ "$extended" = 1 ] && [ -x "$top/tools/fuzz.sh" ]; then
  "$top/tools/fuzz.sh" "${VK_FUZZ_SECONDS:-60}" || status=1
fi
if [ "$status" = 0 ]; then echo "all tests passed"; else echo "TESTS FAILED"; fi
exit "$status"

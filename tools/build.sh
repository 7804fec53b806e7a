#!/usr/bin/env bash
# Builds both installer programs into dist/: VornKessaSetup.exe (32-bit) and
# VornKessaSetup64.exe (64-bit). A maker's own plug-in files replace the sample:
#   VK_PAYLOAD_X32=/path/to/32-bit.8bf VK_PAYLOAD_X64=/path/to/64-bit.8bf tools/build.sh
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/deps.sh" build
for flavour in win32 win64; do
  cmake -S "$top" -B "$top/build/$flavour" -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel \
        -DCMAKE_TOOLCHAIN_FILE="$top/cmake/toolchain-$flavour.cmake" \
        -DVK_PAYLOAD_X32="${VK_PAYLOAD_X32:-}" -DVK_PAYLOAD_X64="${VK_PAYLOAD_X64:-}" >/dev/null
  cmake --build "$top/build/$flavour"
done
ls -l "$top/dist"

#!/usr/bin/env bash
# Builds the fuzz targets of tests/fuzz with clang's libFuzzer under ASan and UBSan, against the
# in-memory platform, and runs each for a bounded time.
#   tools/fuzz.sh [seconds per target, default 60]
# Corpora and crash inputs stay in the build folder (VK_FUZZ_BUILD, default build/fuzz).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
out=${VK_FUZZ_BUILD:-$top/build/fuzz}
cxx=${VK_FUZZ_CXX:-clang++-14}
mkdir -p "$out"

flags=(-std=c++17 -g -O1 -fno-omit-frame-pointer -I"$top"
       -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined)
# What discovery needs: the discovery code, bounded text, the installer's buffers and the sim.
sources=(common/bounded_text.cpp shell/installer_state.cpp)
for f in "$top"/discovery/*.cpp "$top"/platform/sim/*.cpp; do sources+=("${f#"$top"/}"); done

# Objects once, with coverage; each target links its own entry.
objects=()
for s in "${sources[@]}"; do
  o="$out/obj/${s//\//_}.o"
  mkdir -p "$out/obj"
  if [ ! -f "$o" ] || [ "$top/$s" -nt "$o" ]; then
    "$cxx" "${flags[@]/-fsanitize=fuzzer,/-fsanitize=fuzzer-no-link,}" -c "$top/$s" -o "$o"
  fi
  objects+=("$o")
done

status=0
for target in "$top"/tests/fuzz/*_fuzz.cpp; do
  name=$(basename "$target" .cpp)
  "$cxx" "${flags[@]}" "$target" "${objects[@]}" -o "$out/$name"
  mkdir -p "$out/corpus/$name" "$out/crashes/$name"
  echo "== $name: ${seconds}s"
  if ! (cd "$out/crashes/$name" && "$out/$name" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 "$out/corpus/$name" 2>"$out/$name.log"); then
    status=1
    echo "   FINDING: see $out/$name.log and $out/crashes/$name"
  fi
  grep -E "stat::number_of_executed_units|stat::peak_rss_mb|^Done|cov: " "$out/$name.log" | tail -3
done
exit "$status"

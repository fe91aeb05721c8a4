#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/ with clang in build-fuzz/ and runs each on its seed corpus for
# a bounded time.
#   scripts/fuzz.sh [seconds per target, default 25] [target ...]
# Inputs the fuzzer finds go to build-fuzz/fuzz/corpus/<target>/, never into the repository's
# seeds; a crash or a broken property leaves its input in build-fuzz/fuzz/crash-<target>-* and
# makes the script exit 1. CMAKE_FLAGS is passed to the first configure (ccache, for example).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${FUZZ_BUILD_DIR:-$root/build-fuzz}
seconds=${1:-25}
shift || true

if [ ! -f "$build/build.ninja" ]; then
  # shellcheck disable=SC2086
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DHARUNE_FUZZ=ON -DHARUNE_TESTS=OFF -DHARUNE_BENCH=OFF ${CMAKE_FLAGS:-}
fi
cmake --build "$build" --target fuzzers

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for dir in "$root"/fuzz/corpus/*/; do
    targets+=("$(basename "$dir")")
  done
fi

status=0
for target in "${targets[@]}"; do
  work=$build/fuzz/corpus/$target
  log=$build/fuzz/$target.log
  mkdir -p "$work"
  if ! "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$build/fuzz/crash-$target-" \
      "$work" "$root/fuzz/corpus/$target" >"$log" 2>&1; then
    status=1
    echo "$target: FAILED, see $log"
    grep -E "ERROR|property does not hold|SUMMARY|Test unit written" "$log" | head -20 || true
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  echo "$target: ${seconds} s, ${runs:-0} executions, $(find "$work" -type f | wc -l) inputs in its corpus"
done
exit $status

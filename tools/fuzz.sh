#!/usr/bin/env bash
# Builds the libFuzzer programs with clang and runs each for SECONDS (default 60) on its
# corpus under fuzz/corpus. New inputs go to build-fuzz/corpus-*; copy the ones that found
# a fault into fuzz/corpus so the test suite replays them.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-60}"
build="$root/build-fuzz"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DKESTRAVO_FUZZ=ON -DKESTRAVO_GUI=OFF \
  -DKESTRAVO_TESTS=OFF -DKESTRAVO_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)" --target format_fuzz card_fuzz scratch_fuzz
for target in format card scratch; do
  mkdir -p "$build/corpus-$target"
  echo "== $target: $seconds s"
  "$build/fuzz/${target}_fuzz" -max_total_time="$seconds" -rss_limit_mb=4096 \
    "$build/corpus-$target" "$root/fuzz/corpus/$target"
done

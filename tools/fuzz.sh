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
# A whole card is read, computed and drawn in every view for each input: cards of a few
# records explore more per second than the 5 MB seed would.
declare -A options=([format]="" [scratch]="" [card]="-max_len=40000 -timeout=20")
for target in format card scratch; do
  mkdir -p "$build/corpus-$target"
  echo "== $target: $seconds s"
  # shellcheck disable=SC2086
  "$build/fuzz/${target}_fuzz" -max_total_time="$seconds" -rss_limit_mb=4096 ${options[$target]} \
    "$build/corpus-$target" "$root/fuzz/corpus/$target"
done

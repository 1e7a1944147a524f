#!/usr/bin/env bash
# How opening a card grows with the card: cards of 10, 100, 1,000 and 10,000 entries, the time
# per entry of the whole computation and the peak memory of `kestravo-cli dump` on each.
#
# The sample-card maker makes at most 99 races of 20, so the 10,000-entry card is five cards
# of 99 races of 20 and one of 5 races of 20 (other seeds) one after another: its races hold
# 100 and 120 entries.
#
# usage: bench/scaling.sh [BUILD_DIR]   (default: build)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build}"
timer="$build/bench/kestravo-card-timer"
maker="$build/tools/kestravo-make-card"
cli="$build/cli/kestravo-cli"
for program in "$timer" "$maker" "$cli"; do
  if [ ! -x "$program" ]; then
    echo "scaling: $program is missing; build kestravo-card-timer, kestravo-make-card and" \
      "kestravo-cli first" >&2
    exit 1
  fi
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
make() { "$maker" --races "$2" --min-entries "$3" --max-entries "$3" --seed "$4" "$work/$1"; }
make C10.DRF 1 10 1
make C100.DRF 10 10 1
make C1000.DRF 50 20 1
for seed in 1 2 3 4 5; do make "part$seed.DRF" 99 20 "$seed"; done
make part6.DRF 5 20 6
cat "$work"/part{1,2,3,4,5,6}.DRF >"$work/C10000.DRF"

printf '%8s %6s %10s %10s %14s %9s %12s %14s\n' entries races bytes open_ms \
  per_entry_us vs_100 dump_rss_MB rss_per_entry_KB
base=""
for entries in 10 100 1000 10000; do
  card="$work/C$entries.DRF"
  runs=$((20000 / entries))
  [ "$runs" -ge 5 ] || runs=5
  line="$("$timer" --runs "$runs" "$card")"
  field() { sed -n "s/.* $1=\([0-9.]*\).*/\1/p" <<<"$line"; }
  per="$(field per_entry_us)"
  [ -n "$base" ] || [ "$entries" -ne 100 ] || base="$per"
  rss_kb="$( { /usr/bin/time -f '%M' "$cli" dump "$card" >/dev/null; } 2>&1 | tail -1)"
  awk -v e="$(field entries)" -v r="$(field races)" -v b="$(field bytes)" -v o="$(field open_us)" \
    -v p="$per" -v base="$base" -v rss="$rss_kb" 'BEGIN {
      printf "%8d %6d %10d %10.2f %14.2f %9s %12.1f %14.1f\n", e, r, b, o / 1000, p,
        base == "" ? "-" : sprintf("%.2f", p / base), rss / 1024, rss / e
    }'
done

#!/usr/bin/env bash
# Tells whether a change made opening a card faster, on a machine shared with other work where
# one run of the timer can swing by a third. Two builds' kestravo-card-timer programs are run in
# turn, ROUNDS times each on the same card; for each build the fastest, first-quartile and
# median open times of the rounds are printed, and the second build's against the first. A
# change worth keeping shows in the fastest and the first quartile alike; a difference of a
# percent or two between them is noise. With valgrind installed, the instructions of five opens
# (and the first, which writes the scratch file) are counted too: they do not depend on the
# machine's load at all.
#
# usage: bench/compare_builds.sh OLD_BUILD_DIR NEW_BUILD_DIR [ROUNDS] [CARD]
#        (ROUNDS default 12; CARD default: a 120-entry card from the sample-card maker)
# A developer tool, not part of CI.
set -euo pipefail
if [ $# -lt 2 ]; then
  echo "usage: bench/compare_builds.sh OLD_BUILD_DIR NEW_BUILD_DIR [ROUNDS] [CARD]" >&2
  exit 2
fi
old="$1/bench/kestravo-card-timer"
new="$2/bench/kestravo-card-timer"
rounds="${3:-12}"
for program in "$old" "$new"; do
  if [ ! -x "$program" ]; then
    echo "compare_builds: $program is missing; build the target kestravo-card-timer first" >&2
    exit 1
  fi
done
if ! [[ "$rounds" =~ ^[1-9][0-9]*$ ]]; then
  echo "compare_builds: ROUNDS must be a whole number from 1 up, not '$rounds'" >&2
  exit 2
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
if [ $# -ge 4 ]; then
  card="$4"
else
  maker="$2/tools/kestravo-make-card"
  if [ ! -x "$maker" ]; then
    echo "compare_builds: $maker is missing; build kestravo-make-card or name a CARD" >&2
    exit 1
  fi
  card="$work/KSV1208.DRF"
  "$maker" --races 12 --min-entries 10 --max-entries 10 "$card"
fi
# Both builds open their own copy, so neither reads the scratch file the other wrote.
mkdir "$work/old" "$work/new"
cp "$card" "$work/old/" && cp "$card" "$work/new/"
card_old="$work/old/$(basename "$card")"
card_new="$work/new/$(basename "$card")"

open_us() { "$1" --runs 200 "$2" | sed -n 's/.* open_us=\([0-9.]*\) .*/\1/p'; }
for ((i = 0; i < rounds; i++)); do
  echo "old $(open_us "$old" "$card_old")"
  echo "new $(open_us "$new" "$card_new")"
done >"$work/times"

python3 - "$work/times" <<'PYTHON'
import statistics
import sys

times = {"old": [], "new": []}
for line in open(sys.argv[1]):
    build, us = line.split()
    times[build].append(float(us))
rows = {}
for build in ("old", "new"):
    t = sorted(times[build])
    rows[build] = (t[0], t[len(t) // 4], statistics.median(t))
    print(f"{build}: fastest {rows[build][0]:.1f} us, first quartile {rows[build][1]:.1f} us, "
          f"median {rows[build][2]:.1f} us over {len(t)} rounds")
print("new/old: fastest {:.3f}, first quartile {:.3f}, median {:.3f}".format(
    *(n / o for n, o in zip(rows["new"], rows["old"]))))
PYTHON

if command -v valgrind >/dev/null; then
  for build in old new; do
    program="$old" card="$card_old"
    [ "$build" = new ] && program="$new" card="$card_new"
    refs=$(valgrind --tool=callgrind --callgrind-out-file=/dev/null "$program" --runs 5 "$card" \
      2>&1 | sed -n 's/.*refs: *\([0-9,]*\).*/\1/p')
    echo "$build: $refs instructions for six opens and the baselines"
  done
fi

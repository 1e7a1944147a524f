#!/usr/bin/env bash
# Times, in one run on the same 120-entry card (12 races of 10 from the sample-card maker),
# Kestravo's whole computation (opening the card: the read, the scratch step, every figure and
# the race lines) against Python merely parsing the file: the standard csv reader, and pandas
# read_csv with every field as text. Each is timed in its own process after its imports
# (Kestravo by kestravo-card-timer), in processor time, in turn over several rounds, and each
# ratio is the median of the rounds' ratios.
#
# usage: bench/compare_parsers.sh [BUILD_DIR]   (default: build)
# A developer tool, not part of CI. Installs python3-pandas with apt-get when run as root and it
# is missing.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build}"
timer="$build/bench/kestravo-card-timer"
maker="$build/tools/kestravo-make-card"
for program in "$timer" "$maker"; do
  if [ ! -x "$program" ]; then
    echo "compare_parsers: $program is missing; build the targets kestravo-card-timer and" \
      "kestravo-make-card first" >&2
    exit 1
  fi
done

# Debian's own interpreter, the one python3-pandas installs for.
python=/usr/bin/python3
[ -x "$python" ] || python=python3
if ! "$python" -c 'import pandas' 2>/dev/null; then
  if [ "$(id -u)" -eq 0 ]; then
    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq python3-pandas >/dev/null
  else
    echo "compare_parsers: needs python3-pandas (apt-get install python3-pandas)" >&2
    exit 1
  fi
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
card="$work/KSV1208.DRF"
"$maker" --races 12 --min-entries 10 --max-entries 10 "$card"

"$python" - "$card" "$timer" <<'PYTHON'
import csv
import statistics
import subprocess
import sys
import time
import timeit

import pandas

path, timer = sys.argv[1], sys.argv[2]


def kestravo_us():
    # The timer opens the card in a process of its own and prints its median.
    out = subprocess.run([timer, "--runs", "100", path], check=True, capture_output=True,
                         text=True).stdout
    return float(out.split(" open_us=")[1].split()[0])


def with_csv():
    with open(path, newline="", encoding="latin-1") as f:
        return sum(len(row) for row in csv.reader(f))


def with_pandas():
    return pandas.read_csv(path, dtype=str, header=None, encoding="latin-1").shape


def median_us(parse, runs):
    parse()  # the first run warms the file cache and the parser
    # The thread's processor time, as kestravo-card-timer takes it.
    times = timeit.repeat(parse, number=1, repeat=runs, timer=time.thread_time)
    return statistics.median(times) * 1e6


# The machine is shared: the three are timed in turn, round after round, so that each round's
# ratios compare times taken moments apart.
rounds = [(kestravo_us(), median_us(with_csv, 15), median_us(with_pandas, 7)) for _ in range(7)]
k, c, p = (statistics.median(r[i] for r in rounds) for i in range(3))
csv_ratio = statistics.median(r[1] / r[0] for r in rounds)
pandas_ratio = statistics.median(r[2] / r[0] for r in rounds)
print("card: 120 entries, 12 races; medians of 7 rounds")
print(f"{'':28}{'median':>12}{'Kestravo is':>16}{'target':>10}")
print(f"{'Kestravo, whole computation':28}{k:>10.0f}us")
print(f"{'Python csv, parse only':28}{c:>10.0f}us{csv_ratio:>15.1f}x{'4.5x':>10}")
print(f"{'pandas read_csv, parse only':28}{p:>10.0f}us{pandas_ratio:>15.1f}x{'40x':>10}")
PYTHON

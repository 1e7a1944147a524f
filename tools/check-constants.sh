#!/usr/bin/env bash
# Fails when a decimal constant in the handicapping rules (card/, figures/, oddsline/) is
# written other than through single(...f). The rules' decimal bounds are single-precision
# values: a bare 22.2 is a double and moves the bound without a word.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
files=$(git ls-files 'card/*.cpp' 'card/*.h' 'figures/*.cpp' 'figures/*.h' 'oddsline/*.cpp' \
  'oddsline/*.h' 2>/dev/null || find card figures oddsline -name '*.cpp' -o -name '*.h')
[ -n "$files" ] || exit 0
# shellcheck disable=SC2086
perl -ne '
  s{//.*$}{};                       # comments
  s{"(?:[^"\\]|\\.)*"}{""}g;        # string literals ("1.4-1" is a price, not a number)
  s{'"'"'(?:[^'"'"'\\]|\\.)*'"'"'}{'"''"'}g;  # character literals
  s{\bsingle\(\s*(?:\d+\.\d*|\.\d+)(?:[eE][-+]?\d+)?f\s*\)}{single()}g;
  if (/(?<![\w.])(\d+\.\d*|\.\d+)(?:[eE][-+]?\d+)?[fFlL]?(?![\w.])/) {
    print "$ARGV:$.: decimal constant $1 outside single(...f)\n"; $bad = 1;
  }
  close ARGV if eof;                # restart line numbers per file
  END { exit($bad ? 1 : 0) }
' $files || { echo "kestravo: write decimal constants of the rules as single(22.2f)" >&2; exit 1; }

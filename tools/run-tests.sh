#!/usr/bin/env bash
# Builds Kestravo with warnings as errors and runs the whole test suite, including the
# formatting check; then builds it again with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer (build-asan/) and runs the suite once more. Installs the Debian
# packages it needs first.
set -euo pipefail
KESTRAVO_WERROR=ON source "$(dirname "${BASH_SOURCE[0]}")/setup.sh" "${1:-}"
"$KESTRAVO_ROOT/tools/check-format.sh"
"$KESTRAVO_ROOT/tools/check-constants.sh"
# A locale whose decimal mark is a comma, so the tests can show that cards read the same
# whatever the desktop's language.
locales="$KESTRAVO_BUILD/locales"
if [ ! -d "$locales/de_DE.UTF-8" ]; then
  mkdir -p "$locales"
  localedef -i de_DE -f UTF-8 "$locales/de_DE.UTF-8" 2>/dev/null || true
fi
LOCPATH="$locales" QT_QPA_PLATFORM=offscreen ctest --test-dir "$KESTRAVO_BUILD" --output-on-failure -j "$(nproc)"

# The same suite built by a second compiler with both sanitizers: any report fails a test.
asan="$KESTRAVO_ROOT/build-asan"
CC=clang CXX=clang++ cmake -S "$KESTRAVO_ROOT" -B "$asan" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKESTRAVO_SANITIZE=ON -DKESTRAVO_WERROR=ON -DKESTRAVO_BENCH=OFF >/dev/null
cmake --build "$asan" -j "$(nproc)"
LOCPATH="$locales" QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  LSAN_OPTIONS="suppressions=$KESTRAVO_ROOT/tools/lsan.supp" \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$asan" --output-on-failure -j "$(nproc)"

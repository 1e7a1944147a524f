#!/usr/bin/env bash
# Builds Kestravo with warnings as errors and runs the whole test suite, including the
# formatting check. Installs the Debian packages it needs first.
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

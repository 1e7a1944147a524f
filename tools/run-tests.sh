#!/usr/bin/env bash
# Builds Kestravo with warnings as errors and runs the whole test suite, including the
# formatting check. Installs the Debian packages it needs first.
set -euo pipefail
KESTRAVO_WERROR=ON source "$(dirname "${BASH_SOURCE[0]}")/setup.sh" "${1:-}"
"$KESTRAVO_ROOT/tools/check-format.sh"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$KESTRAVO_BUILD" --output-on-failure -j "$(nproc)"

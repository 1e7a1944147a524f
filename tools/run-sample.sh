#!/usr/bin/env bash
# Builds Kestravo and runs it on the bundled sample card. Installs the Debian packages it
# needs first.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh" "${1:-}"
"$KESTRAVO_BUILD/cli/kestravo-cli" dump "$KESTRAVO_ROOT/samples/KSV1208.DRF" >"$KESTRAVO_BUILD/sample-dump.txt"
sed -n 1,40p "$KESTRAVO_BUILD/sample-dump.txt"
echo "... the whole computed card is in $KESTRAVO_BUILD/sample-dump.txt"

#!/usr/bin/env bash
# Builds Kestravo and runs it on the bundled sample card: the desktop program, started in the
# samples folder so its open dialog shows the card at once. Without a display it says so and
# prints the card's races as text instead. Installs the Debian packages it needs first.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh" "${1:-}"
gui="$KESTRAVO_BUILD/app/gui/kestravo"
if [ -x "$gui" ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  cd "$KESTRAVO_ROOT/samples"
  echo "kestravo: press OPEN A DATA FILE and choose KSV1208.DRF"
  exec "$gui"
fi
echo "kestravo: no display here, so the desktop program cannot open a window;"
echo "kestravo: the sample card's races as text instead (kestravo-cli races):"
"$KESTRAVO_BUILD/cli/kestravo-cli" races "$KESTRAVO_ROOT/samples/KSV1208.DRF"

#!/usr/bin/env bash
# Installs what is missing, builds, and runs the main job: the desktop
# program on the bundled example document, or, where there is no display,
# the batch evaluation of it (the parameter list and the function report).
# Builds the programs in build/ (Release, without tests); the tests have
# folders of their own (scripts/test.sh), so both commands work on one
# checkout in either order.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/programme-bauen.sh
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x build/kadrel ]; then
  exec build/kadrel examples/beispiel.kdr
fi
echo "Keine Anzeige gefunden: Stapelauswertung von examples/beispiel.kdr"
build/kadrel-cli --tabelle 1 examples/beispiel.kdr
build/kadrel-cli --tabelle 2 examples/beispiel.kdr

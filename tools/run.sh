#!/usr/bin/env bash
# Builds Calvexa (installing missing packages first) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/deps.sh
calvexa_install_deps
cmake --preset default >/dev/null
cmake --build --preset default --target calvexa -j"$(nproc)"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Calvexa is built, but there is no graphical display here (DISPLAY is not set)."
  echo "Start it from a desktop session, or under a virtual display with:"
  echo "  xvfb-run -a tools/run.sh"
  exit 2
fi
exec build/bin/calvexa "$@"

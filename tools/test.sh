#!/usr/bin/env bash
# Builds Calvexa and runs every test (installing missing packages first):
# the house style of the sources, the normal build, its Debian package and
# checks on it, then the same tests under AddressSanitizer and
# UndefinedBehaviorSanitizer. "--quick" skips the sanitizer run.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/deps.sh
calvexa_install_deps
calvexa_comma_locale
tools/check_style.sh
jobs=$(nproc)
cmake --preset default >/dev/null
cmake --build --preset default -j"$jobs"
ctest --preset default -j"$jobs"
tools/check_package.sh
if [ "${1:-}" != "--quick" ]; then
  cmake --preset sanitize >/dev/null
  cmake --build --preset sanitize -j"$jobs"
  ctest --preset sanitize -j"$jobs"
fi

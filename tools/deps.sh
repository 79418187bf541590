#!/usr/bin/env bash
# Installs the Debian packages Calvexa needs to build, run, test and package, when
# missing. As root it installs them; otherwise it prints the command to run.
# Sourced by tools/run.sh and tools/test.sh.

CALVEXA_PACKAGES=(
  cmake g++ make
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation xvfb xauth
  locales poppler-utils
  librsvg2-bin dpkg-dev file desktop-file-utils appstream lintian
  clang-format
)

calvexa_missing_packages() {
  local missing=()
  for p in "${CALVEXA_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$p")
    fi
  done
  echo "${missing[@]}"
}

calvexa_install_deps() {
  local missing
  missing=$(calvexa_missing_packages)
  [ -z "$missing" ] && return 0
  if [ "$(id -u)" -eq 0 ]; then
    echo "Installing missing packages: $missing"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq && apt-get install -y -qq $missing >/dev/null || {
      echo "Package installation failed." >&2
      return 1
    }
  else
    echo "Calvexa needs these Debian packages, which are not installed:" >&2
    echo "  sudo apt-get install -y $missing" >&2
    return 1
  fi
}

# One locale with a decimal comma, so the tests can show that numbers are read
# and written the same whatever the user's language (a few MB, generated once).
calvexa_comma_locale() {
  locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' && return 0
  if [ "$(id -u)" -eq 0 ]; then
    localedef -i de_DE -f UTF-8 de_DE.UTF-8 >/dev/null 2>&1 || echo "Could not generate de_DE.UTF-8." >&2
  fi
}

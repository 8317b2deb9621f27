#!/usr/bin/env bash
# Installs the Debian packages Kadrel needs to build, test and run; packages
# already present are skipped. Needs root (or sudo) only when something is
# missing.
set -euo pipefail

pakete=(
  g++ make cmake pkg-config
  qt6-base-dev qt6-svg-dev libqt6svg6 qt6-translations-l10n
  libgtest-dev nlohmann-json3-dev libcli11-dev
  fonts-liberation fonts-dejavu-core
  locales poppler-utils xauth xvfb
  libceres-dev libeigen3-dev
  clang libclang-rt-14-dev
  dpkg-dev file lintian desktop-file-utils appstream
)

fehlend=()
for p in "${pakete[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    fehlend+=("$p")
  fi
done

als_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

if [ ${#fehlend[@]} -gt 0 ]; then
  echo "Installing: ${fehlend[*]}"
  export DEBIAN_FRONTEND=noninteractive
  als_root apt-get update -qq
  als_root apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
fi

# The tests run once more under a German locale (decimal commas in the C
# library); make sure it exists.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  als_root sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | als_root tee -a /etc/locale.gen >/dev/null
  als_root locale-gen >/dev/null
fi

# --- Debian package (scripts/package.sh): renders the PNG icons --------------
if ! dpkg-query -W -f='${Status}' librsvg2-bin 2>/dev/null | grep -q "install ok installed"; then
  echo "Installing: librsvg2-bin"
  export DEBIAN_FRONTEND=noninteractive
  als_root apt-get install -y -qq --no-install-recommends librsvg2-bin ||
    { als_root apt-get update -qq && als_root apt-get install -y -qq --no-install-recommends librsvg2-bin; }
fi
# --- end Debian package --------------------------------------------------------

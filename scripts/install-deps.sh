#!/usr/bin/env bash
# Installs the Debian packages that build and run tavoEdit and tavo; with --test also those that
# test, benchmark, fuzz and check the installation. Idempotent: asks apt-get only for what is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-l10n-tools qt6-translations-l10n libgl-dev
  qt6-charts-dev qt6-svg-dev libqt6opengl6-dev
  libpugixml-dev libxxhash-dev libcli11-dev nlohmann-json3-dev fonts-dejavu-core
)
if [ "${1:-}" = "--test" ]; then
  packages+=(
    clang clang-format libclang-rt-dev libgtest-dev libgmock-dev libbenchmark-dev libmuparser-dev
    locales xvfb xauth help2man desktop-file-utils appstream git
  )
fi

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The number tests also run under a German locale to prove conversions ignore it.
if [ "${1:-}" = "--test" ] && ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  $SUDO sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
fi

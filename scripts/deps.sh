#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, when any is missing.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config clang
  qt6-base-dev qt6-base-dev-tools libqt6printsupport6 libgl-dev
  libjpeg-dev libpng-dev libgif-dev libtiff-dev libblkid-dev
  libgtest-dev libgmock-dev googletest libsqlite3-dev
  fonts-liberation fonts-dejavu-core fonts-dejavu-extra
  poppler-utils tidy
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi

#!/usr/bin/env bash
# Installs every Debian package that building, running and testing the program needs.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6printsupport6 qt6-qpa-plugins libgl-dev
  libjpeg62-turbo-dev libpng-dev libexif-dev libgtest-dev libgmock-dev googletest
  libheif-dev libheif-examples libwebp-dev libtiff-dev libgif-dev
  fontconfig fonts-liberation2 fonts-liberation fonts-dejavu-core
  xvfb xauth x11-utils
  cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils libcups2-dev
  imagemagick
  clang libclang-rt-14-dev llvm
  dpkg-dev file desktop-file-utils groff-base appstream
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

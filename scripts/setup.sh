#!/usr/bin/env bash
# Installs the Debian 12 packages the project needs. Safe to run again:
# apt-get only installs what is missing. Needs root (or sudo).
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  libgtest-dev libgmock-dev libbenchmark-dev
  zlib1g-dev libminizip-dev libpng-dev libjpeg62-turbo-dev libpugixml-dev
  libsdl2-dev libx11-dev libopenmpt-dev libvorbis-dev libogg-dev
  libcairo2-dev libfreetype-dev fonts-dejavu-core fonts-noto-color-emoji
  libpixman-1-dev libmuparser-dev
  clang libclang-rt-14-dev
  xvfb xauth xdg-utils openbox
  ccache
  desktop-file-utils appstream
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"

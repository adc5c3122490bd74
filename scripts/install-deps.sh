#!/usr/bin/env bash
# Installs what Veltrane needs to build, run and test, and only what is missing.
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config ccache
  qt6-base-dev libjpeg62-turbo-dev libsdl2-mixer-dev libmp3lame-dev
  libgtest-dev libgmock-dev libbenchmark-dev libinih-dev
  fonts-liberation xvfb xauth
  clang libclang-rt-14-dev clang-format-14 desktop-file-utils appstream)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y --no-install-recommends "${missing[@]}"

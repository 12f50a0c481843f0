#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-webengine-dev
  libvlc-dev vlc-plugin-base libxcb-keysyms1-dev
  libgtest-dev libbenchmark-dev
  python3 ffmpeg xdg-utils
  fonts-liberation fonts-dejavu-core fonts-wine
)
if [[ "${1:-}" == "--tests" ]]; then
  packages+=(xvfb xdotool imagemagick procps)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]} == 0)); then
  exit 0
fi
sudo=""
if [[ $(id -u) -ne 0 ]]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q -o DPkg::Lock::Timeout=300
$sudo apt-get install -y -q --no-install-recommends -o DPkg::Lock::Timeout=300 "${missing[@]}"

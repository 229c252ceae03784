#!/usr/bin/env bash
# Installs what building, running and testing need, from Debian's packages, only what is missing;
# packages named as arguments are installed with them.
set -euo pipefail
packages=(
  build-essential cmake pkg-config clang-format
  libsdl2-dev libsdl2-ttf-dev libsdl2-image-dev libsdl2-mixer-dev
  libfreetype-dev libx11-dev libxext-dev libxtst-dev
  libgtest-dev googletest libbenchmark-dev
  fonts-liberation
  espeak-ng sox
  fonts-noto-color-emoji fonts-comfortaa python3-fonttools
  timgm6mb-soundfont fluid-soundfont-gm freepats timidity
  xvfb xauth x11-apps xdotool
  "$@"
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

#!/usr/bin/env bash
# Installs what the game and its tests need on Debian 12, then configures and builds it into build/.
set -euo pipefail
cd "$(dirname "$0")"

packages=(
    cmake ninja-build g++ pkg-config python3
    qt6-base-dev libgl-dev libx11-dev
    libsdl2-mixer-dev timgm6mb-soundfont
    fonts-ipafont-gothic
    googletest libgtest-dev libbenchmark-dev
    xvfb openbox xdotool imagemagick x11-utils
    python3-pil librsvg2-bin fonts-kouzan-mouhitsu
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build

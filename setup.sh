#!/usr/bin/env bash
# Installs what the game needs on Debian 12, then configures and builds it into build/.
#   ./setup.sh          the game, its tests and its measuring tools (what ./test.sh runs)
#   ./setup.sh --game   the game alone (what ./run.sh plays)
set -euo pipefail
cd "$(dirname "$0")"

game_only=false
[ "${1:-}" = "--game" ] && game_only=true

# To build and play the game.
packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev libgl-dev libxcb1-dev libfontconfig-dev
    qt6-tools-dev qt6-l10n-tools
    libsdl2-mixer-dev timgm6mb-soundfont
    fonts-ipafont-gothic fonts-dejavu-core fonts-dejavu-extra
)
# To build and run the tests and the tools, remake the pictures, and check the package.
$game_only || packages+=(
    python3 libx11-dev libxdamage-dev
    googletest libgtest-dev libbenchmark-dev
    xvfb openbox xdotool imagemagick x11-utils
    sway wtype grim qt6-wayland
    dbus at-spi2-core python3-pyatspi gir1.2-atspi-2.0 python3-gi
    orca speech-dispatcher speech-dispatcher-espeak-ng
    python3-pil librsvg2-bin fonts-kouzan-mouhitsu
    dpkg-dev file lintian desktop-file-utils appstream locales
    clang-14 libclang-rt-14-dev
)

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The locale test starts the game in a Japanese and an English locale; make them if missing.
if ! $game_only; then
    wanted=()
    for l in ja_JP en_US; do locale -a 2>/dev/null | grep -qix "$l.utf8" || wanted+=("$l.UTF-8 UTF-8"); done
    if [ ${#wanted[@]} -gt 0 ]; then
        printf '%s\n' "${wanted[@]}" | $sudo tee -a /etc/locale.gen >/dev/null
        $sudo locale-gen >/dev/null
    fi
fi

if $game_only; then
    # A build that already has the tests keeps them (their packages are there); a new one
    # is made without them. Either way only the game is built now.
    testing=()
    [ -f build/CMakeCache.txt ] || testing=(-DBUILD_TESTING=OFF)
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${testing[@]}" >/dev/null
    cmake --build build --target mokuta
else
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON >/dev/null
    cmake --build build
fi

#!/usr/bin/env bash
# The README's commands on a fresh minimal Debian 12, as a newcomer meets them:
#  1. a minimal system (debootstrap --variant=minbase, made once and kept), no LANG at all;
#  2. a copy of this checkout in it, and ./test.sh run there with only what the scripts install;
#  3. the .deb built there, twice, in two folders: the two must be the same byte for byte;
#  4. a second clean system that installs the .deb with apt and starts the game under Xvfb:
#     its window and its Japanese text must open, はじめ start its music, with no error, and
#     SIGTERM end it.
# Prints one line per stage with its time. Runs as root (chroot, mounts); takes most of an hour.
#   tools/fresh_machine.sh [work folder]     (default: build-fresh/ in the checkout)
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
work=${1:-$source_dir/build-fresh}
mirror=${MOKUTA_MIRROR:-http://deb.debian.org/debian}
mkdir -p "$work"
summary=()
mounted=()

cleanup() {
    local m
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[$i]}" 2>/dev/null || true; done
}
trap cleanup EXIT

# Runs one stage; its line says how long it took and whether it passed. A failed stage ends the run.
stage() {
    local name=$1 start=$SECONDS
    shift
    if "$@" >"$work/$name.log" 2>&1; then
        summary+=("$(printf 'fresh machine: %-28s passed in %5d s' "$name" $((SECONDS - start)))")
    else
        summary+=("$(printf 'fresh machine: %-28s FAILED after %5d s (see %s)' "$name" $((SECONDS - start)) "$work/$name.log")")
        tail -n 40 "$work/$name.log"
        printf '%s\n' "${summary[@]}"
        exit 1
    fi
    echo "${summary[-1]}"
}

minimal_system() {
    [ -f "$work/minbase.tar" ] && return 0
    command -v debootstrap >/dev/null || apt-get install -y -qq debootstrap
    rm -rf "$work/minbase"
    debootstrap --variant=minbase bookworm "$work/minbase" "$mirror"
    tar -C "$work/minbase" -cf "$work/minbase.tar" .
    rm -rf "$work/minbase"
}

# A clean system from the kept one, with the kernel's file systems and a name server.
fresh_system() {
    local root=$1 m
    for m in "$root/dev/pts" "$root/dev/shm" "$root/dev" "$root/proc" "$root/sys"; do umount -l "$m" 2>/dev/null || true; done
    rm -rf "$root"
    mkdir -p "$root"
    tar -C "$root" -xf "$work/minbase.tar"
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    mount --bind /dev "$root/dev" && mounted+=("$root/dev")
    mount -t devpts devpts "$root/dev/pts" && mounted+=("$root/dev/pts")
    mount -t tmpfs tmpfs "$root/dev/shm" && mounted+=("$root/dev/shm")
    mount -t proc proc "$root/proc" && mounted+=("$root/proc")
    mount -t sysfs sysfs "$root/sys" && mounted+=("$root/sys")
}

# A command in a system as a newcomer's shell has it: no locale, root's home, a plain PATH.
inside() {
    local root=$1
    shift
    env -i HOME=/root TERM=dumb PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        chroot "$root" /bin/bash -c "$*"
}

copy_checkout() {
    fresh_system "$work/newcomer"
    mkdir -p "$work/newcomer/root/mokuta"
    (cd "$source_dir" && git ls-files -z --cached --others --exclude-standard |
        xargs -0 cp --parents -t "$work/newcomer/root/mokuta")
    cp -a "$source_dir/.git" "$work/newcomer/root/mokuta/.git"
    # The README asks for git only to have the checkout; a newcomer has it.
    inside "$work/newcomer" "apt-get update -qq && apt-get install -y -qq --no-install-recommends git ca-certificates"
}

run_tests() { inside "$work/newcomer" "cd /root/mokuta && ./test.sh"; }

# The package, built twice in two folders of different names from the same commit.
two_packages() {
    local d
    for d in /root/one/mokuta /root/two/elsewhere/mokuta; do
        inside "$work/newcomer" "rm -rf $d && mkdir -p \$(dirname $d) && cp -a /root/mokuta $d && rm -rf $d/build $d/build-asan $d/build-logs &&
            export SOURCE_DATE_EPOCH=\$(git -C $d log -1 --format=%ct) &&
            cmake -S $d -B $d/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DBUILD_TESTING=OFF >/dev/null &&
            cmake --build $d/release >/dev/null && cd $d/release && cpack -G DEB >/dev/null"
    done
    cmp "$work/newcomer/root/one/mokuta/release/"mokuta_*.deb "$work/newcomer/root/two/elsewhere/mokuta/release/"mokuta_*.deb
    cp "$work/newcomer/root/one/mokuta/release/"mokuta_*.deb "$work/"
}

install_package() {
    fresh_system "$work/player"
    cp "$work/"mokuta_*.deb "$work/player/root/"
    inside "$work/player" "apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq /root/mokuta_*.deb xvfb x11-utils xdotool"
}

# The installed game under Xvfb: its window opens and draws its Japanese text; はじめ starts the
# music, which plays into SDL's disk driver; it says no error; and SIGTERM ends it at once, as
# a signal does (status 128 + 15).
play_installed() {
    inside "$work/player" '
        export XDG_RUNTIME_DIR=/tmp/runtime SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/tmp/sound.raw
        mkdir -p -m 700 $XDG_RUNTIME_DIR
        rm -f /tmp/sound.raw
        Xvfb :7 -screen 0 800x600x24 -nolisten tcp 2>/dev/null & xvfb=$!
        sleep 1; export DISPLAY=:7
        /usr/games/mokuta 2>/tmp/stderr & game=$!
        for i in $(seq 100); do
            win=$(xdotool search --onlyvisible --class "^mokuta\$" 2>/dev/null | head -n 1)
            [ -n "$win" ] && break; sleep 0.1
        done
        [ -n "$win" ] || { echo "no window"; cat /tmp/stderr; exit 1; }
        sleep 1
        fonts=$(grep -c "ipag" /proc/$game/maps || true)
        xdotool mousemove --window $win 268 284 click 1
        sleep 4
        music=$(tr -d "\\000" </tmp/sound.raw 2>/dev/null | wc -c)
        kill -TERM $game; wait $game; status=$?
        kill $xvfb
        echo "window open, IPA fonts mapped: $fonts, bytes of sound (not silence) after はじめ: $music, SIGTERM status $status"
        # SDL says on stderr that it writes to a file; nothing else may be said.
        grep -v "^CRITICAL: .*\(disk i/o audio driver\|Writing to file\)" /tmp/stderr >/tmp/said || true
        [ "$fonts" -gt 0 ] && [ "$music" -gt 0 ] && [ "$status" -eq 143 ] && [ ! -s /tmp/said ] ||
            { echo "stderr: $(cat /tmp/stderr)"; exit 1; }'
}

start=$SECONDS
stage "minimal Debian 12" minimal_system
stage "checkout copied in" copy_checkout
stage "./test.sh with no LANG" run_tests
stage "two .debs, byte for byte" two_packages
stage "installed by apt" install_package
stage "installed game plays" play_installed
printf '%s\n' "${summary[@]}"
printf 'fresh machine: %-28s %5d s\n' "all" $((SECONDS - start))

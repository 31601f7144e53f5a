#!/usr/bin/env bash
# Start-up time of one or more builds of the game: start to first mapped window, under Xvfb.
# usage: measure_startup.sh RUNS BINARY [BINARY...]   (prints median and range per binary)
set -u
runs=$1; shift
here=$(cd "$(dirname "$0")" && pwd)
probe=${FIRST_MAP:-$here/../build/tools/first_map}
source "$here/../harness/display.sh"
start_display
for bin in "$@"; do
    cd "$(dirname "$bin")"
    times=()
    for _ in $(seq "$runs"); do
        rm -f "$XDG_RUNTIME_DIR"/mokuta.lock
        times+=("$("$probe" "$bin")")
        sleep 0.2
    done
    printf '%s\n' "${times[@]}" | sort -n | awk -v b="$bin" '{a[NR]=$1} END {printf "%s: median %.1f ms, min %.1f, max %.1f over %d runs\n", b, a[int((NR+1)/2)], a[1], a[NR], NR}'
done

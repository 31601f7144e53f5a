#!/usr/bin/env bash
# Builds the fuzz targets with clang, libFuzzer and the address and undefined-behaviour
# sanitizers, and runs each from its seed corpus for SECONDS (30 unless given):
#   tests/fuzz/run.sh [SECONDS]
# Any crash, sanitizer report or leak, an input that takes a second, or one allocation past
# 64 MB fails the run. Each target's executions and coverage are printed; MOKUTA_FUZZ_KEEP=DIR
# keeps the corpora the run grew.
set -euo pipefail
seconds=${1:-30}
here=$(cd "$(dirname "$0")" && pwd)
game=$(cd "$here/../.." && pwd)
build=${MOKUTA_FUZZ_BUILD:-$game/build-fuzz}

CXX=clang++-14 cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The command fuzzer opens files by the names it is given, starting among the game's own sounds.
mkdir "$work/sounds"
cp "$game"/assets/sounds/*.wav "$game"/assets/sounds/*.mid "$work/sounds/"

status=0
for target in midi_length wave_check media_commands; do
    grown=${MOKUTA_FUZZ_KEEP:-$work}/$target
    mkdir -p "$grown"
    log=$work/$target.log
    if ! (cd "$work/sounds" && SDL_AUDIODRIVER=no-such-driver "$build/${target}_fuzz" \
            -max_total_time="$seconds" -timeout=1 -malloc_limit_mb=64 -rss_limit_mb=1024 \
            -print_final_stats=1 "$grown" "$here/corpus/$target" >"$log" 2>&1); then
        echo "$target: FOUND A FAULT"
        grep -v '^#' "$log" | tail -40
        status=1
        continue
    fi
    runs=$(awk '/stat::number_of_executed_units/ {print $2}' "$log")
    coverage=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -n 1)
    echo "$target: $runs executions in ${seconds} s, $coverage, corpus $(ls "$grown" | wc -l) files"
done
exit "$status"

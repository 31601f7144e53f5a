#!/usr/bin/env bash
# The music's start costs through a real sound server: build/tools/sound_timing run RUNS times for
# each SoundFont (each run a fresh process, so each first open reads the SoundFont anew), under
# Xvfb with SDL's pulseaudio driver and a sound server of its own that each run kills and
# starts again twice. Prints min / median / max of every figure over the runs.
# usage: tools/sound_timing.sh RUNS SOUNDFONT [SOUNDFONT...]
set -u
runs=$1; shift
here=$(cd "$(dirname "$0")" && pwd)
timing=${SOUND_TIMING:-$here/../build/tools/sound_timing}
source "$here/../harness/display.sh"
source "$here/../harness/sound_server.sh"
start_display
export SDL_AUDIODRIVER=pulseaudio
server=$scratch/server
trap 'stop_sound_server "$server"; cleanup' EXIT
start_sound_server "$server" || exit 1
down="bash -c 'source \"$here/../harness/sound_server.sh\" && stop_sound_server \"$server\"'"
up="bash -c 'source \"$here/../harness/sound_server.sh\" && start_sound_server \"$server\"'"
for soundfont in "$@"; do
    for _ in $(seq "$runs"); do
        SDL_SOUNDFONTS=$soundfont "$timing" --server-down "$down" --server-up "$up" || echo "a run failed" >&2
    done >"$scratch/out"
    echo "$soundfont, $runs runs (min / median / max, ms):"
    /usr/bin/python3 - "$scratch/out" <<'PY'
import re, statistics, sys
figures = {}
for line in open(sys.argv[1], encoding="utf-8"):
    m = re.match(r"(.+?)\s+longest wait of the window\s+([\d.]+) ms, music playing after\s+([\d.]+) ms", line)
    if m:
        figures.setdefault(m[1] + ": the window's longest wait", []).append(float(m[2]))
        figures.setdefault(m[1] + ": music playing after", []).append(float(m[3]))
    m = re.match(r"(tune and SoundFont read)\s+([\d.]+) ms", line)
    if m:
        figures.setdefault(m[1] + " on its thread", []).append(float(m[2]))
for what, values in figures.items():
    print("  %-50s %7.1f / %7.1f / %7.1f  (%d)" % (what, min(values), statistics.median(values), max(values), len(values)))
PY
done

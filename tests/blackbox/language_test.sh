#!/usr/bin/env bash
# The real program speaks the player's language: started with --language en and with
# LANG=en_US.UTF-8 it reads in English through the assistive-tool bus, with LANG=ja_JP.UTF-8
# and with no LANG at all in Japanese; a day is played in each.
[ -n "${MOKUTA_OWN_BUS:-}" ] || exec env MOKUTA_OWN_BUS=1 dbus-run-session -- "$0" "$@"
source "$(dirname "$0")/lib.sh"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
game=$1
start_display
cd "$(dirname "$game")" || fail "no directory for $game"

# The game's window titled exactly NAME. Its UTF-8 title is read from _NET_WM_NAME, which
# says the same in every locale of the game and of this script.
titled_window() {
    local name=$1 id
    for _ in $(seq 150); do
        for id in $(xdotool search --onlyvisible --class mokuta 2>/dev/null); do
            [ "$(LC_ALL=C xprop -id "$id" -notype _NET_WM_NAME | /usr/bin/python3 -c '
import codecs, sys
line = sys.stdin.read().strip()
if " = \"" in line:
    print(codecs.escape_decode(line.split(" = ", 1)[1][1:-1].encode("ascii"))[0].decode("utf-8"))')" = "$name" ] &&
                { echo "$id"; return; }
        done
        sleep 0.1
    done
}

# play LANGUAGE TITLE [VARIABLE=VALUE ...] -- [ARGUMENT ...]
play() {
    local language=$1 title=$2
    shift 2
    local vars=()
    while [ "$1" != "--" ]; do vars+=("$1"); shift; done
    shift
    env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG "${vars[@]}" "$game" "$@" 2>"$scratch/stderr" &
    pid=$!
    pids+=($pid)
    win=$(titled_window "$title")
    [ -n "$win" ] || fail "no window named '$title' with ${vars[*]} $*: $(head -5 "$scratch/stderr")"
    xdotool windowactivate --sync "$win" 2>/dev/null
    /usr/bin/python3 "$(dirname "$0")/language_play.py" "$language" ||
        fail "with ${vars[*]} $* the game did not read in $language"
    close_window "$win" "$pid"
    [ "$status" = "0" ] || fail "closing the window ended with $status"
}

play en "Mokuta-kun 1.20" -- --language en
play en "Mokuta-kun 1.20" LANG=en_US.UTF-8 --
play ja "もくた君 1.20" LANG=ja_JP.UTF-8 --
play ja "もくた君 1.20" --
echo "PASS: English with --language en and LANG=en_US.UTF-8, Japanese with LANG=ja_JP.UTF-8 and no LANG"

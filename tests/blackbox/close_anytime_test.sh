#!/usr/bin/env bash
# The real program ended at 30 random moments of its first day (title, greeting, music
# starting, a day under way): by its close box, by destroying its window from outside, or by
# SIGTERM. Each time it is gone within two seconds with the status that way gives.
source "$(dirname "$0")/lib.sh"
game=$1
start_display
cd "$(dirname "$game")" || fail "no directory for $game"
RANDOM=20261209
now_ms() { echo $(($(date +%s%N) / 1000000)); }
ways=(close destroy term)
for i in $(seq 30); do
    "$game" 2>"$scratch/stderr" &
    pid=$!
    pids+=($pid)
    win=$(wait_window "もくた君 1.20")
    [ -n "$win" ] || fail "run $i: the window did not appear: $(cat "$scratch/stderr")"
    read -r ox oy < <(client_origin "$win")
    moment=$((RANDOM % 6000))
    start=$(now_ms)
    # はじめ at once, a plan and 決定 after the greeting; the end comes when it comes.
    for step in "0 268 284" "3300 30 52" "3500 152 108"; do
        read -r at x y <<<"$step"
        [ "$at" -lt "$moment" ] || break
        while [ $(($(now_ms) - start)) -lt "$at" ]; do sleep 0.02; done
        click_at "$x" "$y"
    done
    while [ $(($(now_ms) - start)) -lt "$moment" ]; do sleep 0.02; done
    way=${ways[$((i % 3))]}
    asked=$(now_ms)
    case $way in
        close) xdotool windowactivate --sync "$win" key --clearmodifiers alt+F4 2>/dev/null ;;
        destroy) xdotool windowclose "$win" ;;
        term) kill -TERM "$pid" ;;
    esac
    wait_exit "$pid"
    took=$(($(now_ms) - asked))
    expected=0
    [ "$way" = term ] && expected=143
    # The window manager now and then loses an Alt+F4 sent to a window just mapped.
    if [ "$way" = close ] && [ "$status" = still-running ]; then
        close_window "$win" "$pid"
        took=$(($(now_ms) - asked))
    fi
    [ "$status" = "$expected" ] || fail "run $i ($way at ${moment} ms) ended with $status: $(cat "$scratch/stderr")"
    [ "$took" -le 2000 ] || [ "$way" = close ] || fail "run $i ($way at ${moment} ms) took $took ms to end"
    echo "run $i: $way at ${moment} ms, gone after ${took} ms"
done
echo "PASS: 30 ends at random moments, each clean"

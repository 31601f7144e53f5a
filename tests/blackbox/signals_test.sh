#!/usr/bin/env bash
# SIGTERM, SIGINT and SIGHUP end the real program as its close box does, within a second, at
# the title, in the greeting and in the middle of a day, with the sound open: status 128+N,
# and the next copy starts at once.
source "$(dirname "$0")/lib.sh"
game=$1

# Sends the signal and checks the program is gone within a second with 128 + its number.
expect_end_by() {
    local sig=$1 number=$2 where=$3
    kill -s "$sig" "$pid"
    for _ in $(seq 10); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "SIG$sig $where: still running a second later"
    wait "$pid"
    status=$?
    [ "$status" = "$((128 + number))" ] || fail "SIG$sig $where ended with $status"
    echo "SIG$sig $where: ended with $status"
}

start_game "$game"
expect_end_by TERM 15 "at the title"
for case in "INT 2 in-the-greeting 0.8" "TERM 15 during-a-day 4.5" "HUP 1 during-a-day 5.5"; do
    read -r sig number where wait <<<"$case"
    "$game" 2>>"$scratch/stderr" &
    pid=$!
    pids+=($pid)
    win=$(wait_window "もくた君 1.20")
    [ -n "$win" ] || fail "the game did not start again after a signal (a lock left behind?)"
    read -r ox oy < <(client_origin "$win")
    click_at 268 284               # はじめ: the music opens the sound device
    if [ "$where" = "during-a-day" ]; then
        sleep 3.5
        click_at 30 52             # a plan
        click_at 152 108           # 決定
    fi
    sleep "$wait"
    expect_end_by "$sig" "$number" "${where//-/ }"
done
grep -q "^mokuta:" "$scratch/stderr" && fail "the game showed a message: $(grep "^mokuta:" "$scratch/stderr")"
echo "PASS: SIGTERM, SIGINT and SIGHUP each closed the game within a second"

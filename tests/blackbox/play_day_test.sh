#!/usr/bin/env bash
# The real program played by hand: はじめ, a plan, 決定, the day plays out and new plans come; then close.
source "$(dirname "$0")/lib.sh"
start_game "$1"
wait_pixel 20 20 "239,255,255" || fail "the title picture is not showing: $(pixel 20 20)"
shot title

click_at 268 284
sleep 1
shot greeting
# The greeting lasts 2 s, then the music starts and the instruction is typed.
wait_pixel 20 280 "255,255,255" || fail "the title did not give way to the game: $(pixel 20 280)"
wait_pixel 300 12 "0,0,255" || fail "the instruction line is not showing: $(pixel 300 12)"
sleep 1
shot day1

click_at 30 52
wait_pixel 63 86 "255,255,192" 3 || fail "the picked plan is not light yellow: $(pixel 63 86)"
click_at 152 108
wait_pixel 63 86 "255,192,192" 3 || fail "the plan being played is not pink: $(pixel 63 86)"
sleep 1.5
shot resolving
# A plain day lasts about 4.5 s; then the plans are dealt anew, white again.
wait_pixel 63 86 "255,255,255" 15 || fail "no new plans were dealt: $(pixel 63 86)"
shot next_day
kill -0 "$pid" 2>/dev/null || fail "the game ended: $(cat "$scratch/stderr")"

close_window "$win" "$pid"
[ "$status" = "0" ] || fail "closing the window ended with $status"
echo "PASS: started, played a day, saw the next plans, closed with status 0"

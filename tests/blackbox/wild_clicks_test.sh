#!/usr/bin/env bash
# The real program under a hail of clicks anywhere in its window, at any moment: it keeps
# going (or reaches an ending and closes cleanly), and closing it still ends it with status 0.
source "$(dirname "$0")/lib.sh"
start_game "$1"

RANDOM=20261209
click_at 268 284   # はじめ
for i in $(seq 250); do
    # Mostly the left panel, where the buttons and plans are; now and then anywhere.
    if [ $((RANDOM % 4)) -eq 0 ]; then
        x=$((RANDOM % 515)); y=$((RANDOM % 305))
    else
        x=$((RANDOM % 210)); y=$((RANDOM % 305))
    fi
    click_at "$x" "$y"
    sleep 0.05
    kill -0 "$pid" 2>/dev/null || break
done

shot after_wild_clicks
if kill -0 "$pid" 2>/dev/null; then
    close_window "$win" "$pid"
else
    wait_exit "$pid"
fi
[ "$status" = "0" ] || fail "the game ended with $status: $(cat "$scratch/stderr")"
grep -q "^mokuta:" "$scratch/stderr" && fail "the game showed a message: $(grep "^mokuta:" "$scratch/stderr")"
echo "PASS: 250 wild clicks, then a clean close"

#!/usr/bin/env bash
# A second copy of the real program says so, shows no window of its own, and ends; the first goes on.
source "$(dirname "$0")/lib.sh"
game=$1
start_display
cd "$(dirname "$game")"

"$game" 2>"$scratch/first" &
first=$!
pids+=($first)
[ -n "$(wait_window "もくた君 1.20")" ] || fail "the first copy showed no window"

"$game" 2>"$scratch/second" &
second=$!
pids+=($second)
box=$(wait_window "もくた君")
[ -n "$box" ] || fail "the second copy showed no message"
grep -q "既に起動しています。" "$scratch/second" || fail "the second copy did not say it was already running"
windows=$(windows_named "もくた君 1.20" | wc -l)
[ "$windows" = "1" ] || fail "$windows game windows are open"

press_until "$box" Return gone "$second"
wait_exit "$second"
[ "$status" = "1" ] || fail "the second copy ended with $status"
kill -0 "$first" 2>/dev/null || fail "the first copy ended too"

# A copy that died without a word leaves no lock that keeps the next one out.
kill -9 "$first"
wait "$first" 2>/dev/null
"$game" 2>"$scratch/third" &
third=$!
pids+=($third)
[ -n "$(wait_window "もくた君 1.20")" ] || fail "after a crash the game would not start again"

# A runtime folder that cannot hold the lock (here a plain file) sends it to the temporary
# folder, said once; the next copy finds it there.
kill "$third"
wait "$third" 2>/dev/null
export XDG_RUNTIME_DIR="$scratch/not-a-folder" TMPDIR="$scratch/tmp"
touch "$XDG_RUNTIME_DIR"
mkdir "$TMPDIR"
"$game" 2>"$scratch/fourth" &
fourth=$!
pids+=($fourth)
[ -n "$(wait_window "もくた君 1.20")" ] || fail "without a runtime folder the game would not start"
[ "$(grep -c "using $TMPDIR/mokuta-$(id -u).lock instead" "$scratch/fourth")" = "1" ] ||
    fail "the lock's new place was not said once: $(cat "$scratch/fourth")"
"$game" 2>"$scratch/fifth" &
fifth=$!
pids+=($fifth)
[ -n "$(wait_window "もくた君")" ] || fail "the fifth copy showed no message"
grep -q "既に起動しています。" "$scratch/fifth" || fail "two copies ran without a runtime folder"
[ "$(windows_named "もくた君 1.20" | wc -l)" = "1" ] || fail "two game windows are open"
echo "PASS: one copy at a time, with or without a runtime folder; a stale lock is taken over"

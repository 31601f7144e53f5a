#!/usr/bin/env bash
# The real program opens its window with its caption and a 515 x 305 inside, and closing it ends it cleanly.
source "$(dirname "$0")/lib.sh"
start_game "$1"
size=$(inner_size "$win")
[ "$size" = "515x305" ] || fail "inner area is $size, not 515x305"

if [ -n "${MOKUTA_SCREENSHOT:-}" ]; then
    import -window root "$MOKUTA_SCREENSHOT"
fi

close_window "$win" "$pid"
[ "$status" = "0" ] || fail "closing the window ended with $status"
echo "PASS: window 515x305 with its caption; closed with status 0"

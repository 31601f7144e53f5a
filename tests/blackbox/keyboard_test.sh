#!/usr/bin/env bash
# The real program played by the keyboard alone and followed through the assistive-tool bus:
# only what can be seen can be reached, digits and Return play a day (the first in an enlarged
# window), N answers a question.
[ -n "${MOKUTA_OWN_BUS:-}" ] || exec env MOKUTA_OWN_BUS=1 dbus-run-session -- "$0" "$@"
source "$(dirname "$0")/lib.sh"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_game "$1"
xdotool windowactivate --sync "$win" 2>/dev/null
/usr/bin/python3 "$(dirname "$0")/keyboard_play.py" || fail "the keyboard play failed: $(grep -v '^qt\.' "$scratch/stderr" | head -5)"
close_window "$win" "$pid"
[ "$status" = "0" ] || fail "closing the window ended with $status"
echo "PASS: played by the keyboard alone and followed by an assistive tool"

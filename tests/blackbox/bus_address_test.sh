#!/usr/bin/env bash
# The session bus in a runtime folder whose name holds a space and a comma: the game finds it
# there by itself and an assistive tool on that bus finds the game's window.
source "$(dirname "$0")/lib.sh"
game=$1
start_display
export XDG_RUNTIME_DIR="$scratch/run time, mine"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
# The bus's own spelling of the place: a few bytes as they are, every other as %xx.
address=unix:path=$(python3 -c 'import sys
print("".join(chr(b) if chr(b).isascii() and (chr(b).isalnum() or chr(b) in "-_/.\\*") else "%%%02x" % b
              for b in sys.argv[1].encode()))' "$XDG_RUNTIME_DIR/bus")
DBUS_SESSION_BUS_ADDRESS=$address dbus-daemon --session --nofork --address="$address" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -S "$XDG_RUNTIME_DIR/bus" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/bus" ] || fail "the test's bus did not start"

cd "$(dirname "$game")"
env -u DBUS_SESSION_BUS_ADDRESS QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$game" 2>"$scratch/stderr" &
pids+=($!)
[ -n "$(wait_window "もくた君 1.20")" ] || fail "the window did not appear"
found=""
for _ in $(seq 50); do
    found=$(DBUS_SESSION_BUS_ADDRESS=$address /usr/bin/python3 -c 'import pyatspi
d = pyatspi.Registry.getDesktop(0)
print(" ".join(a.name for a in (d.getChildAtIndex(i) for i in range(d.childCount)) if a))' 2>/dev/null)
    [[ " $found " == *" mokuta "* ]] && break
    sleep 0.2
done
[[ " $found " == *" mokuta "* ]] || fail "no assistive tool found the game on its bus: $(head -5 "$scratch/stderr")"
echo "PASS: the game finds the session bus in a runtime folder named with a space and a comma"

#!/usr/bin/env bash
# How long an assistive tool takes to walk the window's tree, idle and in the middle of a day.
# usage: tools/walk_timing.sh [GAME_BINARY]   (default build/mokuta; needs python3-pyatspi)
here=$(cd "$(dirname "$0")" && pwd)
game=$(realpath "${1:-$here/../build/mokuta}")
[ -n "${MOKUTA_OWN_BUS:-}" ] || exec env MOKUTA_OWN_BUS=1 dbus-run-session -- "$0" "$game" 2>/dev/null
source "$here/../harness/display.sh"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_game "$game"
walk() {
    /usr/bin/python3 -c "
import sys, time; sys.path.insert(0, '$here/../harness'); import bus
end = time.time() + 10
while bus.app() is None and time.time() < end: time.sleep(0.1)
if bus.app() is None: sys.exit('the game is not on the bus')
t = time.time(); n = len(bus.nodes()); print('$1: %d elements walked in %.3f s' % (n, time.time() - t))"
}
walk "at the title"
click_at 268 284; sleep 4        # はじめ, and the greeting
click_at 30 52; sleep 0.3        # the left plan
click_at 152 108; sleep 0.8      # 決定: the day is under way
walk "during a day"

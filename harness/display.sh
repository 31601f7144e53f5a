# The real program in a virtual X display with a window manager, for the tests and the tools.
set -u

scratch=$(mktemp -d)
pids=()

cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# A display of its own, so that tests never meet each other or a real desktop.
start_display() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
    pids+=($!)
    for _ in $(seq 100); do
        [ -s "$scratch/display" ] && break
        sleep 0.05
    done
    [ -s "$scratch/display" ] || fail "Xvfb did not start"
    export DISPLAY=":$(cat "$scratch/display")"
    openbox >/dev/null 2>&1 &
    pids+=($!)
    sleep 0.5
    export XDG_RUNTIME_DIR="$scratch/runtime"
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
    unset QT_QPA_PLATFORM
    export SDL_AUDIODRIVER=dummy
}

# The game's shown windows of this name, one id a line. Names are Japanese: started without
# a locale, the game can only put them in the UTF-8 name, which xdotool's name match does not read.
windows_named() {
    local w
    for w in $(xdotool search --onlyvisible --class '^mokuta$' 2>/dev/null); do
        [ "$(LC_ALL=C.UTF-8 xprop -id "$w" -notype _NET_WM_NAME 2>/dev/null)" = "_NET_WM_NAME = \"$1\"" ] &&
            echo "$w"
    done
}

# Waits for a window whose name matches exactly and prints its id.
wait_window() {
    local name=$1 id=""
    for _ in $(seq 150); do
        id=$(windows_named "$name" | head -n 1)
        [ -n "$id" ] && break
        sleep 0.1
    done
    echo "$id"
}

# Waits for a child process to end and sets `status` to its exit status.
wait_exit() {
    local pid=$1
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
        status="still-running"
        return
    fi
    wait "$pid"
    status=$?
}

inner_size() {
    xdotool getwindowgeometry "$1" | awk '/Geometry/ {print $2}'
}

# Where the window's inside lies on the screen.
client_origin() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF} END {print x, y}'
}

# The colour of one pixel of the window's inside, as "r,g,b".
pixel() {
    local x=$1 y=$2
    import -window root -crop "1x1+$((ox + x))+$((oy + y))" +repage -depth 8 txt:- 2>/dev/null |
        awk 'NR == 2 {gsub(/[()]/, "", $2); split($2, c, ","); printf "%d,%d,%d\n", c[1], c[2], c[3]}'
}

# A move that waits until the pointer is there never ends when it is there already, so the
# pointer first steps one pixel aside.
click_at() {
    xdotool mousemove $((ox + $1 + 1)) $((oy + $2)) mousemove --sync $((ox + $1)) $((oy + $2)) click 1
}

shot() {
    [ -n "${MOKUTA_SHOTS:-}" ] || return 0
    mkdir -p "$MOKUTA_SHOTS"
    import -window root -crop "515x305+$ox+$oy" +repage "$MOKUTA_SHOTS/$1.png"
}

# Waits up to `seconds` for a pixel of the window's inside to take a colour; true if it did.
wait_pixel() {
    local x=$1 y=$2 colour=$3 seconds=${4:-10}
    local tries=$((seconds * 5))
    for _ in $(seq "$tries"); do
        [ "$(pixel "$x" "$y")" = "$colour" ] && return 0
        sleep 0.2
    done
    return 1
}

# Presses a key on a window until the command after it holds, up to three times: a key can
# be lost while the window manager is still busy with a new window.
press_until() {
    local win=$1 key=$2
    shift 2
    for _ in 1 2 3; do
        xdotool windowactivate --sync "$win" key --clearmodifiers "$key" 2>/dev/null
        for _ in $(seq 30); do
            "$@" && return 0
            sleep 0.1
        done
    done
    return 1
}
gone() { ! kill -0 "$1" 2>/dev/null; }

# Closes the window as a player would, with the window manager's Alt+F4, and waits for the
# program to end (sets `status`).
close_window() {
    press_until "$1" alt+F4 gone "$2"
    wait_exit "$2"
}

# Starts the game in its own directory in a display of its own and waits for its window:
# sets `pid`, `win` and the window inside's screen position `ox`, `oy`.
start_game() {
    start_display
    launch_game "$1"
}

# The same in the display already started.
launch_game() {
    local game=$1
    cd "$(dirname "$game")" || fail "no directory for $game"
    "$game" 2>"$scratch/stderr" &
    pid=$!
    pids+=($pid)
    win=$(wait_window "もくた君 1.20")
    [ -n "$win" ] || fail "the window did not appear"
    read -r ox oy < <(client_origin "$win")
}

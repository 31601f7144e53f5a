#!/usr/bin/env bash
# The real program on a Wayland desktop with no X server anywhere: it comes up natively, named by
# its desktop entry, draws without GL, plays into a day by the keyboard and closes with status 0;
# with the compositor killed under it, it says so in one line, fails, and leaves no lock behind;
# with no display at all, one line that names both kinds of display.
source "$(dirname "$0")/lib.sh"
game=$(realpath "$1")
app_id=jp.mokuta_kun.mokuta
title="もくた君 1.20"

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
missing=()
for p in sway wtype grim qt6-wayland; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    { $sudo apt-get update -qq && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq \
        --no-install-recommends "${missing[@]}"; } >"$scratch/apt.log" 2>&1 ||
        fail "could not install ${missing[*]}: $(tail -3 "$scratch/apt.log")"
fi

# The compositor will not run as root, so as root the desktop and the game belong to a player
# of their own; the game runs from a copy that player can read.
player=()
if [ "$(id -u)" -eq 0 ]; then
    id mokuta-player >/dev/null 2>&1 ||
        useradd --system --no-create-home --shell /usr/sbin/nologin mokuta-player ||
        fail "could not make the user mokuta-player"
    player=(setpriv --reuid=mokuta-player --regid=mokuta-player --clear-groups)
fi
chmod 755 "$scratch"
here=$scratch/game desk=$scratch/desk runtime=$scratch/runtime
mkdir -p "$here" "$scratch/home"
mkdir -m 700 "$desk" "$runtime"
cp "$game" "$(dirname "$game")"/{mokuta.mid,b1.wav,b2.wav,b3.wav} "$here/"
[ ${#player[@]} -eq 0 ] || chown mokuta-player: "$desk" "$runtime" "$scratch/home"
# The window floats at its own size, as on most desktops, and no X server is offered.
cat >"$scratch/sway.config" <<'EOF'
output HEADLESS-1 resolution 1024x768
xwayland disable
for_window [app_id=".*"] floating enable
EOF

# as_player VAR=VALUE... COMMAND...: a command of the desktop's user, with nothing from ours.
as_player() {
    "${player[@]}" env -i PATH=/usr/bin:/bin HOME="$scratch/home" "$@"
}
on_desk() {
    as_player XDG_RUNTIME_DIR="$desk" WAYLAND_DISPLAY="$wayland" SWAYSOCK="$swaysock" "$@"
}

# A headless compositor drawing into memory; sets `compositor`, `wayland` and `swaysock`.
start_compositor() {
    rm -rf "${desk:?}"/*
    (exec "${player[@]}" env -i PATH=/usr/bin:/bin HOME="$scratch/home" XDG_RUNTIME_DIR="$desk" \
        WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
        sway -c "$scratch/sway.config" >"$scratch/sway.log" 2>&1) &
    compositor=$!
    pids+=($compositor)
    wayland="" swaysock=""
    for _ in $(seq 100); do
        wayland=$(compgen -G "$desk/wayland-[0-9]" | head -n 1)
        swaysock=$(compgen -G "$desk/sway-ipc.*.sock" | head -n 1)
        [ -n "$wayland" ] && [ -n "$swaysock" ] && on_desk swaymsg -t get_version >/dev/null 2>&1 && return
        sleep 0.1
    done
    fail "the compositor did not start: $(tail -5 "$scratch/sway.log")"
}

# The game, started natively on the compositor; sets `pid` and `err`.
launch() {
    err=$scratch/err.$RANDOM
    (cd "$here" && exec "${player[@]}" env -i PATH=/usr/bin:/bin HOME="$scratch/home" \
        XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$wayland" QT_QPA_PLATFORM=wayland \
        SDL_AUDIODRIVER=dummy ./mokuta 2>"$err") &
    pid=$!
    pids+=($pid)
}

# The compositor's window of a process: "app id<TAB>title<TAB>x<TAB>y" of its inside on the screen.
view_of() {
    on_desk swaymsg -r -t get_tree 2>/dev/null | python3 -c '
import json, sys
def views(node):
    yield node
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        yield from views(child)
for v in views(json.load(sys.stdin)):
    if v.get("pid") == int(sys.argv[1]):
        print("%s\t%s\t%d\t%d" % (v.get("app_id"), v.get("name"), v["rect"]["x"] + v["window_rect"]["x"],
                                  v["rect"]["y"] + v["window_rect"]["y"]))
' "$1"
}
wait_view() {
    local view=""
    for _ in $(seq 100); do
        view=$(view_of "$1")
        [ -n "$view" ] && break
        sleep 0.1
    done
    echo "$view"
}

# The colour of one pixel of the game's inside, as "r,g,b", from the compositor's own picture.
pixel() {
    on_desk grim -t ppm -g "$((ox + $1)),$((oy + $2)) 1x1" - 2>/dev/null | tail -c 3 | od -An -tu1 |
        awk '{printf "%d,%d,%d\n", $1, $2, $3}'
}
# A key by its name, from a keyboard that is there a moment before and after it: a keyboard
# that comes and goes with the key itself loses it.
press() {
    on_desk wtype -s 300 -k "$1" -s 200 || fail "wtype could not press $1"
}

start_compositor
launch
view=$(wait_view "$pid")
[ -n "$view" ] || fail "no window of the game on the compositor: $(cat "$err")"
IFS=$'\t' read -r got_id got_title ox oy <<<"$view"
maps=$(cat "/proc/$pid/maps")
grep -q "libqwayland" <<<"$maps" && ! grep -q "libqxcb" <<<"$maps" ||
    fail "the game is not a native Wayland client"
! grep -Eq "libEGL_mesa|_dri\.so|libgallium" <<<"$maps" || fail "the game loaded the GL drivers"
echo "ok: a native Wayland client, without GL drivers"
[ "$got_id" = "$app_id" ] || fail "the app id is '$got_id', not $app_id"
[ "$got_title" = "$title" ] || fail "the title is '$got_title', not $title"
echo "ok: app id $got_id, title $got_title"

wait_pixel 20 20 "239,255,255" || fail "the title picture is not showing: $(pixel 20 20)"
# Return presses はじめ, which has the focus; the greeting lasts 2 s, then the instruction.
press Return
wait_pixel 20 280 "255,255,255" || fail "Return did not start the game: $(pixel 20 280)"
wait_pixel 300 12 "0,0,255" || fail "the instruction line is not showing: $(pixel 300 12)"
press 1
wait_pixel 63 86 "255,255,192" 3 || fail "the key 1 did not pick the first plan: $(pixel 63 86)"
press Return
wait_pixel 63 86 "255,192,192" 3 || fail "Return did not play the plan: $(pixel 63 86)"
wait_pixel 63 86 "255,255,255" 15 || fail "the day did not end in new plans: $(pixel 63 86)"
echo "ok: day 1 played by the keyboard"

on_desk swaymsg "[pid=$pid] kill" >/dev/null || fail "the compositor could not close the window"
wait_exit "$pid"
[ "$status" = "0" ] || fail "closing the window ended with $status: $(cat "$err")"
[ ! -s "$err" ] || fail "a plain game on Wayland wrote to stderr: $(cat "$err")"
echo "ok: closed by the compositor with status 0"

# The compositor dies under a running game.
launch
[ -n "$(wait_view "$pid")" ] || fail "the second start showed no window: $(cat "$err")"
wait_pixel 20 20 "239,255,255" || fail "the second start's title is not showing"
press Return
wait_pixel 300 12 "0,0,255" || fail "the second game did not start: $(pixel 300 12)"
kill -KILL "$compositor"
wait "$compositor" 2>/dev/null
wait_exit "$pid"
lost=$status
[ "$lost" != "0" ] && [ "$lost" != "still-running" ] || fail "with the compositor gone the game ended with $lost"
[ "$(wc -l <"$err")" = 1 ] && grep -q "^mokuta: the display went away" "$err" ||
    fail "with the compositor gone stderr is not one line about it: $(cat "$err")"
flock -n "$runtime/mokuta.lock" true || fail "the lock is still held after the game ended"
start_compositor
launch
[ -n "$(wait_view "$pid")" ] || fail "after the lost display the game would not start again: $(cat "$err")"
on_desk swaymsg "[pid=$pid] kill" >/dev/null
wait_exit "$pid"
[ "$status" = "0" ] || fail "the third start ended with $status"
echo "ok: a lost compositor: status $lost, one line, the lock free, and the game starts again"

# No display of either kind, Wayland asked for or not: one line naming both, status 1.
for platform in wayland ""; do
    (cd "$here" && as_player XDG_RUNTIME_DIR="$runtime" ${platform:+QT_QPA_PLATFORM=$platform} \
        ./mokuta >"$scratch/out" 2>&1)
    status=$?
    [ "$status" = 1 ] || fail "with no display (platform '$platform') the game ended with $status"
    [ "$(wc -l <"$scratch/out")" = 1 ] && grep -q "X11 with DISPLAY not set" "$scratch/out" &&
        grep -q "Wayland with WAYLAND_DISPLAY not set" "$scratch/out" ||
        fail "with no display (platform '$platform'): $(cat "$scratch/out")"
done
echo "ok: no display: $(cat "$scratch/out")"
echo "PASS: native on Wayland as $app_id, a day by keys, closed with 0; a lost compositor said once, lock freed"

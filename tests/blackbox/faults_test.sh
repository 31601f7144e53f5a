#!/usr/bin/env bash
# What a user meets when something around the game is wrong: lock files of any content, no
# runtime folder, a window destroyed from outside, the game started by full path from /,
# no Japanese font, no display, bad sound files, no audio driver, no session bus.
source "$(dirname "$0")/lib.sh"
game=$(realpath "$1")
start_display
here=$scratch/game
mkdir -p "$here"
cp "$game" "$(dirname "$game")"/{mokuta.mid,b1.wav,b2.wav,b3.wav} "$here/"

# launch DIR [ENV=VALUE...]: starts the copy in DIR (from /) and sets pid and err.
launch() {
    local dir=$1
    shift
    err=$scratch/err.$RANDOM
    (cd / && exec env "$@" "$dir/mokuta" 2>"$err") &
    pid=$!
    pids+=($pid)
}
game_window() {
    win=$(wait_window "もくた君 1.20")
    [ -n "$win" ] || fail "$1: the game window did not appear: $(cat "$err")"
    read -r ox oy < <(client_origin "$win")
}
no_box() { [ -z "$(windows_named "もくた君")" ]; }
# OK on the game's message box.
answer_box() {
    local box
    box=$(wait_window "もくた君")
    [ -n "$box" ] || fail "$1: no message box: $(cat "$err")"
    press_until "$box" Return no_box
}
expect_line() {
    grep -q -- "$2" "$err" || fail "$1: stderr does not say '$2': $(cat "$err")"
}
end_game() {
    close_window "$win" "$pid"
    [ "$status" = "0" ] || fail "$1: closing ended with $status"
}

# Lock files left with any content never block a start.
for content in "" "garbage that is no process id" "99999999"; do
    printf '%s' "$content" >"$XDG_RUNTIME_DIR/mokuta.lock"
    launch "$here"
    game_window "a lock file holding '$content'"
    end_game "lock file"
done
echo "ok: empty, garbage and stale lock files"

# No runtime folder at all: the game says so and plays on.
launch "$here" XDG_RUNTIME_DIR="$scratch/no/such/folder"
game_window "no runtime folder"
expect_line "no runtime folder" "cannot make the one-copy lock"
end_game "no runtime folder"
echo "ok: no runtime folder"

# The window destroyed from outside ends the game, at the title and with the music on.
for when in title music; do
    launch "$here"
    game_window "destroyed window"
    if [ "$when" = music ]; then click_at 268 284; sleep 3; fi
    xdotool windowclose "$win"
    wait_exit "$pid"
    [ "$status" = "0" ] || fail "a window destroyed at the $when: the game ended with $status"
done
echo "ok: a destroyed window ends the game"

# Started by its full path from /: the music beside the program plays.
launch "$here" SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$scratch/music.raw"
game_window "full path"
click_at 268 284
sleep 4
end_game "full path"
grep -q "^mokuta:" "$err" && fail "started from /: $(cat "$err")"
[ "$(head -c 2000000 "$scratch/music.raw" | tr -d '\0' | wc -c)" -gt 10000 ] ||
    fail "started from /, the music played silence"
echo "ok: the music plays when the game is started by full path from /"

# No Japanese font: one line naming the packages, a box readable without it, and play on.
mkdir -p "$scratch/fonts"
cat >"$scratch/fonts.conf" <<CONF
<?xml version="1.0"?><!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig><dir>/usr/share/fonts/truetype/dejavu</dir><cachedir>$scratch/fonts</cachedir></fontconfig>
CONF
launch "$here" FONTCONFIG_FILE="$scratch/fonts.conf"
answer_box "no Japanese font"
expect_line "no Japanese font" "fonts-ipafont-gothic"
game_window "no Japanese font"
end_game "no Japanese font"
echo "ok: no Japanese font"

# No display: one line and status 1.
env -u DISPLAY "$here/mokuta" >"$scratch/out" 2>&1
status=$?
[ "$status" = 1 ] || fail "without a display the game ended with $status"
[ "$(wc -l <"$scratch/out")" = 1 ] && grep -q "no display could be opened" "$scratch/out" ||
    fail "without a display: $(cat "$scratch/out")"
echo "ok: no display"

# The display lost under the running game: status 1, with the sound closed and a clear line.
Xvfb -displayfd 4 -screen 0 800x600x24 -nolisten tcp 4>"$scratch/display2" 2>/dev/null &
xvfb2=$!
pids+=($xvfb2)
for _ in $(seq 100); do [ -s "$scratch/display2" ] && break; sleep 0.05; done
launch "$here" DISPLAY=":$(cat "$scratch/display2")"
sleep 1.5
[ -n "$(DISPLAY=":$(cat "$scratch/display2")" windows_named "もくた君 1.20")" ] || fail "no window on the second display"
kill "$xvfb2"
wait_exit "$pid"
[ "$status" = 1 ] || fail "with the display gone the game ended with $status"
expect_line "a lost display" "the display went away"
[ "$(wc -l <"$err")" = 1 ] || fail "a lost display: more than the one line on stderr: $(cat "$err")"
echo "ok: a lost display"

# A directory in place of a sound file: the box, the reason on stderr, status 1.
bad=$scratch/bad
mkdir -p "$bad"
cp "$here"/* "$bad/"
rm "$bad/b1.wav"
mkdir "$bad/b1.wav"
launch "$bad"
answer_box "a directory for b1.wav"
wait_exit "$pid"
[ "$status" = 1 ] || fail "a directory for b1.wav: status $status"
expect_line "b1.wav is a directory" "エラーです。"
expect_line "b1.wav is a directory" "b1.wav: is a directory"
echo "ok: a directory in place of a sound file"

# A music file that is not music, and a sound driver that does not exist: the box, and why.
rm -r "$bad/b1.wav"
cp "$here/b1.wav" "$bad/"
head -c 3000 /dev/urandom >"$bad/mokuta.mid"
for case in "$bad|not a MIDI file" "$here|no audio device could be opened"; do
    dir=${case%%|*}
    why=${case#*|}
    launch "$dir" SDL_AUDIODRIVER="$([ "$dir" = "$here" ] && echo no-such-driver || echo dummy)"
    game_window "$why"
    click_at 268 284
    answer_box "$why"
    expect_line "$why" "MCI(midi_open) error."
    expect_line "$why" "$why"
    game_window "$why"
    end_game "$why"
done
echo "ok: a broken music file and a missing sound driver"

# Without a session bus the game starts none of its own, and leaves no process behind.
mark=mokuta-faults-$$
launch "$here" -u DBUS_SESSION_BUS_ADDRESS MOKUTA_MARK="$mark"
game_window "no session bus"
click_at 268 284
sleep 3
end_game "no session bus"
sleep 0.5
left=$(grep -l "MOKUTA_MARK=$mark" /proc/[0-9]*/environ 2>/dev/null | wc -l)
[ "$left" = 0 ] || fail "without a session bus $left processes outlived the game"
echo "PASS: every fault met with its own outcome"

#!/usr/bin/env bash
# The real program with a real sound server: the desktop's mixer names the game's stream, and a
# server killed and started again while the music plays has the music back by the next tick of
# the music's watchdog, with no message box and the keys still playing the game.
source "$(dirname "$0")/lib.sh"

missing=()
for p in pulseaudio pulseaudio-utils python3; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null ||
        fail "could not install ${missing[*]}"
fi

# The watchdog looks at the music every two seconds (Timer1); the tick that finds the device
# gone opens it again on a thread, and later ticks try again at most once a second. The game's
# stream is expected back within a tick of the new server and this margin.
watchdog_ms=2000
margin_ms=2000

source "$(dirname "$0")/../../harness/sound_server.sh"
start_display
export SDL_AUDIODRIVER=pulseaudio
unset PULSE_SINK PULSE_PROP PULSE_COOKIE
server_dir=$scratch/server
start_server() {
    start_sound_server "$server_dir" || fail "no sound server"
    pids+=($sound_server)
}

# The game's streams on the server, one "application.name|media.name|application.icon_name" a
# line. pactl's JSON turns every non-ASCII name into "(null)", so its text is read instead,
# which gives the names' bytes as they are.
game_streams() {
    LC_ALL=C pactl list sink-inputs 2>/dev/null | /usr/bin/python3 -c '
import re, sys
for block in re.split(r"^Sink Input #", sys.stdin.buffer.read().decode("utf-8"), flags=re.M)[1:]:
    p = dict(re.findall(r"^\s+([\w.]+) = \"(.*)\"$", block, re.M))
    if p.get("application.process.id") == sys.argv[1]:
        print("|".join(p.get(k, "") for k in ("application.name", "media.name", "application.icon_name")))
' "$pid"
}
wait_stream() {
    local tries=$(($1 / 100))
    for _ in $(seq "$tries"); do
        [ -n "$(game_streams)" ] && return 0
        sleep 0.1
    done
    return 1
}
# The loudest sample, of 32767, the sink plays in a second and a half: the music heard, not the
# silence an open device plays while the SoundFont is read.
loudest() {
    timeout 1.5 parec --raw --format=s16le --channels=2 --rate=44100 -d nowhere.monitor 2>/dev/null |
        /usr/bin/python3 -c '
import array, sys
samples = array.array("h", sys.stdin.buffer.read())
print(max((abs(x) for x in samples), default=0))'
}
heard() {
    local level
    for _ in 1 2 3 4; do
        level=$(loudest)
        [ "$level" -ge 1000 ] && break
    done
    [ "$level" -ge 1000 ] || fail "$1: the sink plays nothing louder than $level of 32767: $(cat "$scratch/stderr")"
    echo "ok: $1: the music plays, at most $level of 32767"
}
pixel_is() { [ "$(pixel "$1" "$2")" = "$3" ]; }
only_the_window() {
    local shown
    shown=$(xdotool search --onlyvisible --class '^mokuta$' 2>/dev/null | wc -l)
    [ "$shown" = "1" ] || fail "$1: $shown windows of the game show, a message box among them: $(cat "$scratch/stderr")"
}

start_server
launch_game "$1"
wait_pixel 20 20 "239,255,255" || fail "the title picture is not showing: $(pixel 20 20)"
[ -z "$(game_streams)" ] || fail "the game has a stream before any sound"

# Return presses はじめ; the music starts after the two-second greeting.
xdotool windowactivate --sync "$win" key --clearmodifiers Return 2>/dev/null
wait_pixel 300 12 "0,0,255" || fail "Return did not start the game: $(pixel 300 12)"
wait_stream 5000 || fail "no stream of the game on the sound server: $(LC_ALL=C pactl list sink-inputs)"
expected="もくた君 1.20|もくた君 1.20|jp.mokuta_kun.mokuta"
[ "$(game_streams)" = "$expected" ] || fail "the mixer shows '$(game_streams)', not '$expected'"
echo "ok: the mixer shows $(game_streams)"
only_the_window "with the music playing"
heard "before the restart"

# The server dies in the middle of the tune and a new one comes up in its place.
stop_sound_server "$server_dir"
sleep 0.5
start_server
back_from=$(date +%s%N)
wait_stream $((watchdog_ms + margin_ms)) ||
    fail "the game's stream did not come back within $((watchdog_ms + margin_ms)) ms of the server: $(cat "$scratch/stderr")"
echo "ok: the game's stream was back $((($(date +%s%N) - back_from) / 1000000)) ms after the new server"
[ "$(game_streams)" = "$expected" ] || fail "after the restart the mixer shows '$(game_streams)'"
only_the_window "after the sound server's restart"
heard "after the restart"
kill -0 "$pid" 2>/dev/null || fail "the game ended with the sound server: $(cat "$scratch/stderr")"

# Day 1 played by keys: 1 picks the left plan, Return lives the day, new plans are dealt.
press_until "$win" 1 pixel_is 63 86 "255,255,192" || fail "the key 1 did not pick the left plan: $(pixel 63 86)"
press_until "$win" Return pixel_is 63 86 "255,192,192" || fail "Return did not play the day: $(pixel 63 86)"
wait_pixel 63 86 "255,255,255" 15 || fail "no new plans were dealt after the day: $(pixel 63 86)"
only_the_window "after a day"
[ -n "$(game_streams)" ] || fail "the music's stream went away during the day"
! grep -q "sound device" "$scratch/stderr" || fail "the game told of a lost device: $(cat "$scratch/stderr")"

close_window "$win" "$pid"
[ "$status" = "0" ] || fail "closing the window ended with $status"
echo "PASS: the mixer names the game; the music came back after the sound server's restart; played on by keys; closed with status 0"

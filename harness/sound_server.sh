# A sound server of one's own for the tests and the tools: a per-user server in a folder of its
# own with one sink that plays into nothing, reached through PULSE_SERVER. As root (as in CI)
# it runs as a per-user server all the same; it only warns.
#   start_sound_server DIR   starts it (again) with its socket, pid and log in DIR; sets `sound_server`
#   stop_sound_server DIR    kills it as a crash would and waits until it is gone
start_sound_server() {
    local dir=$1
    mkdir -p -m 700 "$dir/home"
    export PULSE_SERVER="unix:$dir/socket"
    HOME=$dir/home DBUS_SESSION_BUS_ADDRESS=disabled: DISPLAY= \
        pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --disable-shm=yes \
        --log-target=stderr --load="module-null-sink sink_name=nowhere" \
        --load="module-native-protocol-unix socket=$dir/socket auth-anonymous=1" \
        2>>"$dir/log" &
    sound_server=$!
    disown # its death at our hands is no news
    echo "$sound_server" >"$dir/pid"
    for _ in $(seq 100); do
        LC_ALL=C pactl info >/dev/null 2>&1 && return 0
        sleep 0.05
    done
    echo "the sound server did not start: $(tail -5 "$dir/log")" >&2
    return 1
}

stop_sound_server() {
    local pid
    pid=$(cat "$1/pid")
    kill -KILL "$pid" 2>/dev/null
    while kill -0 "$pid" 2>/dev/null; do sleep 0.05; done
}

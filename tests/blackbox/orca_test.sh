#!/usr/bin/env bash
# The real program played by keys alone while the real screen reader, Orca, listens on the
# test's own accessibility bus: what a blind player hears is read from Orca's debug log.
# MOKUTA_ORCA_LOG=FILE keeps that log.
[ -n "${MOKUTA_OWN_BUS:-}" ] || exec env MOKUTA_OWN_BUS=1 dbus-run-session -- "$0" "$@"
source "$(dirname "$0")/lib.sh"
here=$(cd "$(dirname "$0")" && pwd)

for tool in orca speech-dispatcher /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null || fail "$tool is missing: ./setup.sh installs it"
done

start_display
export HOME="$scratch/home"
mkdir -p "$HOME/.config/speech-dispatcher" "$HOME/orca"
# Speech goes to espeak-ng and from there nowhere: there is no sound device, and none is needed.
cat >"$HOME/.config/speech-dispatcher/speechd.conf" <<'EOF'
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
DefaultLanguage "ja"
AudioOutputMethod "libao"
EOF

# Orca starts the speech server itself, and it outlives Orca: it is ended by the pid it wrote.
stop_speech() {
    local pid_file="$XDG_RUNTIME_DIR/speech-dispatcher/pid/speech-dispatcher.pid"
    [ -s "$pid_file" ] && kill "$(cat "$pid_file")" 2>/dev/null
}
keep_log() {
    [ -z "${MOKUTA_ORCA_LOG:-}" ] || cp "$scratch/orca.log" "$MOKUTA_ORCA_LOG"
}
trap 'stop_speech; keep_log; cleanup' EXIT

/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
pids+=($!)
# Orca's own messages want a UTF-8 locale; the game is given none.
LC_ALL=C.UTF-8 /usr/bin/python3 "$here/orca_logged.py" "$HOME/orca" "$scratch/orca.log" \
    >"$scratch/orca.out" 2>&1 &
pids+=($!)

env -u LANG -u LANGUAGE -u LC_ALL -u LC_CTYPE -u LC_MESSAGES \
    /usr/bin/python3 "$here/orca_play.py" "$1" "$scratch/orca.log" ||
    fail "Orca did not say what the screen showed"
echo "PASS: Orca speaks a day, a bonus day's question and a caller, played by keys alone"

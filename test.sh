#!/usr/bin/env bash
# Sets up, builds and runs every test headless; prints CTest's summary, then plays a thousand
# random games in a second build made with the address and undefined-behaviour sanitizers.
# Runs with no locale named at all, as on a fresh machine (one real-window test starts the game
# in locales of its own), and ends by saying how long each stage took.
set -euo pipefail
cd "$(dirname "$0")"
unset LANG LANGUAGE LC_ALL LC_CTYPE LC_MESSAGES
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
# A runtime folder of the run's own, as a desktop session gives every program (the real-window
# tests make one each); a fresh root shell has none.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
log=$PWD/build-logs
mkdir -p "$log"
: >"$log/times"

# Sets `cpu` to the processor time of this shell's finished children so far, in seconds
# (`times` itself runs in this shell: in a subshell it would count only the subshell's children).
cpu_seconds() {
    local file="$log/cpu.$BASHPID"
    times >"$file"
    cpu=$(awk 'NR == 2 { t = 0; for (i = 1; i <= 2; i++) { split($i, a, "m"); sub("s", "", a[2]); t += a[1] * 60 + a[2] }
                         print int(t) }' "$file")
    rm -f "$file"
}
# Runs one stage and notes its wall and processor time; its status is the command's.
stage() {
    local name=$1 start=$SECONDS before cpu result=0
    shift
    cpu_seconds
    before=$cpu
    "$@" || result=$?
    cpu_seconds
    printf '  %-30s %5d s   processor %5d s%s\n' "$name" $((SECONDS - start)) $((cpu - before)) \
        "$([ "$result" -eq 0 ] || echo "   FAILED ($result)")" >>"$log/times"
    return "$result"
}

sanitizer_build() {
    cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMOKUTA_SANITIZE=ON >/dev/null &&
        nice cmake --build build-asan --target fault_player
}
# The thousand games in two halves side by side, at the lowest priority.
sanitizer_games() {
    local half pids=() result=0
    for half in 0 1; do
        MOKUTA_FAULT_GAMES=500 MOKUTA_FAULT_SEED=$((20261209 + 500 * half)) \
            LSAN_OPTIONS="suppressions=$PWD/tests/faults/leaks.supp:print_suppressions=0" \
            UBSAN_OPTIONS=print_stacktrace=1 \
            nice -n 19 build-asan/tests/fault_player --gtest_brief=1 >"$log/games_$half" 2>&1 &
        pids+=($!)
    done
    for half in 0 1; do wait "${pids[$half]}" || result=1; done
    cat "$log/games_0" "$log/games_1"
    return "$result"
}
ctest_run() { (cd build && ctest --output-on-failure --timeout 300 "$@"); }

status=0
stage "set-up and build" ./setup.sh || status=$?
# The quick tests keep one core busy; the sanitizer build takes the other meanwhile.
stage "sanitizer build (beside)" sanitizer_build >"$log/asan_build" 2>&1 &
asan_build=$!
stage "CTest: quick tests" ctest_run -L unit "$@" || status=$?
wait "$asan_build" || { status=1; cat "$log/asan_build"; }
# The real-window and package tests mostly wait on windows and tools; the games take what they leave.
games=""
if [ -x build-asan/tests/fault_player ]; then
    stage "sanitizer games (beside)" sanitizer_games >"$log/asan_games" 2>&1 &
    games=$!
fi
stage "CTest: real-window and package" ctest_run -LE unit "$@" || status=$?
echo
echo "The sound files' fuzz targets, 30 s each:"
stage "fuzzing the sound files" tests/fuzz/run.sh 30 || status=$?

echo
echo "The random player, built with the sanitizers:"
if [ -n "$games" ]; then
    wait "$games" || status=1
    cat "$log/asan_games"
else
    echo "not built"
fi
echo
echo "Where the time went:"
cat "$log/times"
printf '  %-30s %5d s\n' "all of ./test.sh" "$SECONDS"
exit "$status"

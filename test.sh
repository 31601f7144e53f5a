#!/usr/bin/env bash
# Sets up, builds and runs every test headless; prints CTest's summary, then plays a thousand
# random games in a second build made with the address and undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")"
./setup.sh
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMOKUTA_SANITIZE=ON >/dev/null
cmake --build build-asan --target fault_player

status=0
(cd build && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
    ctest --output-on-failure --timeout 300 "$@") || status=$?

echo
echo "The random player, built with the sanitizers:"
QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy MOKUTA_FAULT_GAMES=1000 \
    LSAN_OPTIONS="suppressions=$PWD/tests/faults/leaks.supp:print_suppressions=0" \
    UBSAN_OPTIONS=print_stacktrace=1 \
    build-asan/tests/fault_player --gtest_brief=1 || status=$?
echo; echo "The sound files' fuzz targets, 30 s each:"; tests/fuzz/run.sh 30 || status=$?
exit "$status"

#!/usr/bin/env bash
# Sets up, builds and runs every test headless; prints CTest's summary.
set -euo pipefail
cd "$(dirname "$0")"
./setup.sh
cd build
QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ctest --output-on-failure --timeout 300 "$@"

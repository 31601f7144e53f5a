#!/usr/bin/env bash
# Sets up and builds the game alone, then starts it in its own directory.
set -euo pipefail
cd "$(dirname "$0")"
./setup.sh --game
cd build
exec ./mokuta "$@"

#!/usr/bin/env bash
# Sets up, builds and starts the game in its own directory.
set -euo pipefail
cd "$(dirname "$0")"
./setup.sh
cd build
exec ./mokuta

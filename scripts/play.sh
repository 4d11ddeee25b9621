#!/usr/bin/env bash
# play.sh -- install what is missing, build the native game and start it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh play
cmake --preset linux >/dev/null
cmake --build --preset linux --target maze
# The game reads Data/ from its working folder, where the build put it.
cd build/linux
exec ./maze

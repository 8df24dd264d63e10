#!/usr/bin/env bash
# Sets everything up, builds the game in release mode and starts it with the demo content.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"
# Only the game and its content: tests and benchmarks have their own command.
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVELLANE_TESTS=OFF -DCORVELLANE_BENCH=OFF
cmake --build "$root/build"
exec "$root/build/game/corvellane" "$@"

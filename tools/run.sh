#!/usr/bin/env bash
# Builds the engine and prints an example list: mother "مريم", a son, the Sun.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
cmake --preset release -DDELVARIN_WINDOW=OFF >/dev/null
cmake --build --preset release --target delvarin-list
exec build/release/tools/delvarin-list --mother "مريم" --boy --group 1

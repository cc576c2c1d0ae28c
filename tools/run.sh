#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "No display: Delvarin Chooser opens a window and needs a graphical desktop." >&2
  echo "Start it from a desktop session, or in a virtual one: xvfb-run tools/run.sh" >&2
  exit 1
fi
exec build/release/window/delvarin-chooser

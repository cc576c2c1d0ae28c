#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program alone and starts it; with no desktop to show it on, it
# starts a virtual one (Xvfb) and says so.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
cmake --preset run >/dev/null
cmake --build --preset run
program=build/run/window/delvarin-chooser
if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
  exec "$program" "$@"
fi
echo "No desktop here (DISPLAY and WAYLAND_DISPLAY are unset): starting the window on a" >&2
echo "virtual display with xvfb-run. Nothing appears on screen; close it with Ctrl+C." >&2
exec xvfb-run -a -s "-screen 0 1280x800x24" "$program" "$@"

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program alone and starts it; with no desktop to show it on, it
# starts a virtual one (Xvfb) and says so.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh --run
cmake --preset run >/dev/null
cmake --build --preset run
program=build/run/window/delvarin-chooser
if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
  exec "$program" "$@"
fi
echo "No desktop here (DISPLAY and WAYLAND_DISPLAY are unset): starting the window on a" >&2
echo "virtual display with xvfb-run. Nothing appears on screen; close it with Ctrl+C." >&2
# The program itself says whether it would first warn about the locale.
report=$(DELVARIN_SELF_CHECK=1 QT_QPA_PLATFORM=offscreen timeout 30 "$program" 2>/dev/null || true)
if [[ $report == *"message Salam:"* ]]; then
  echo "This locale (${LC_ALL:-${LC_CTYPE:-${LANG:-none set}}}) is not Persian, so the program opens" >&2
  echo "with its \"Salam\" warning, and the window waits behind it on a display nobody" >&2
  echo "sees. To start without the warning: LC_ALL=fa_IR.UTF-8 tools/run.sh" >&2
fi
exec xvfb-run -a -s "-screen 0 1280x800x24" "$program" "$@"

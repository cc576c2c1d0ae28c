#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Screenshots of the real program in a real X window under Xvfb, captured with
# ImageMagick's import: the window as it opens, and after a request (mother
# "مريم", a son, the Sun).
#   tools/screenshot.sh [build-dir] [output-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
out=${2:-docs}
program="$build/window/delvarin-chooser"
[[ -x "$program" ]] || { echo "build the program first: $program" >&2; exit 1; }
mkdir -p "$out"

if [[ -z "${SCREENSHOT_INNER:-}" ]]; then
  exec env SCREENSHOT_INNER=1 xvfb-run -a -s "-screen 0 640x560x24 -dpi 96" "$0" "$build" "$out"
fi

# A Persian locale, so the code-page warning does not cover the window.
LC_ALL=fa_IR.UTF-8 "$program" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
window=$(xdotool search --sync --onlyvisible --name "Delvarin Chooser" | head -n 1)
sleep 1
import -window "$window" "$out/window-opened.png"

# Window coordinates are logical pixels: twips / 15.
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.2; }
click 130 168                       # into the mother's name box
# Pasted, as xdotool's typing of Persian can drop the first letter.
printf %s "مريم" | xclip -selection clipboard
xdotool key ctrl+v
click 150 243                       # "فرزند پسر"
click 80 332                        # the planet group list
xdotool key Down Return             # "سعد اعظم": the Sun alone
sleep 0.3
click 105 412                       # "«« پيشنهاد نام مناسب براي نوزاد"
sleep 1.5
import -window "$window" "$out/window-list.png"
echo "wrote $out/window-opened.png and $out/window-list.png"

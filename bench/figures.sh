#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints every performance figure of the project in one run, each beside its
# floor or goal, with the date and the machine.
#   bench/figures.sh
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release >/dev/null
b=build/release/bench

figure() {  # a benchmark binary: prints "name time unit" per benchmark
  "$@" --benchmark_min_time=1 --benchmark_color=false 2>/dev/null |
    awk '/^BM_/ { print $1, $2, $3 }'
}

echo "Delvarin Chooser performance figures, $(date -u '+%Y-%m-%d %H:%M UTC')"
echo "Machine: $(nproc) cores, $(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -n 1)," \
     "$(free -g | awk '/^Mem:/ { print $2 " GiB" }'), $(. /etc/os-release && echo "$PRETTY_NAME")"
echo

engine=$(figure "$b/engine_bench")
value() { echo "$engine" | awk -v n="$1" '$1 == n { print $2 " " $3 }'; }
echo "Engine"
echo "  GetAbjad of one name                  $(value BM_GetAbjad)"
echo "  ReadData (catalogue and sign lists)   $(value BM_ReadData)   goal under 1 ms"
echo "  the 1719-line list                    $(value BM_MakeNameList_AllSixPlanets)   goal 30 us or less"

window=$(QT_QPA_PLATFORM=offscreen figure "$b/window_bench")
tick=$(echo "$window" | awk '$1 == "BM_TickToFinishedList" { print $2 }')
floor=$(echo "$window" | awk '$1 == "BM_FloorSetFinalTextAtOnce" { print $2 }')
echo
echo "Window (offscreen)"
echo "  tick to finished 1719-line list       $tick ms   floor, same text set at once: $floor ms" \
     "  ratio $(awk -v a="$tick" -v b="$floor" 'BEGIN { printf "%.2f", a / b }')   goal under 100 ms and 3x"

echo
if command -v xvfb-run >/dev/null; then
  echo "Start-up (a real X server, Xvfb)"
  run=(xvfb-run -a -s "-screen 0 800x600x24")
else
  echo "Start-up (offscreen)"
  run=(env QT_QPA_PLATFORM=offscreen)
fi
# Both windows wait for the session bus before their first news for screen
# readers; where none runs, each first starts a helper to find or start one.
if [[ -n ${DBUS_SESSION_BUS_ADDRESS:-} ]]; then
  echo "  session bus: the session's own"
elif command -v dbus-launch >/dev/null; then
  echo "  session bus: none running; each window finds one through dbus-launch"
else
  echo "  session bus: none, and dbus-launch is not installed"
fi
"${run[@]}" "$b/startup_bench" build/release/window/delvarin-chooser "$b/empty_window" 21 2>/dev/null |
  sed 's/^/  /'
echo "  goal: start-up and memory within 1.3x the empty window"
# A desktop session always runs its bus, so neither window starts a helper
# there: the same figures with one running, beside the goal's own above.
if [[ -z ${DBUS_SESSION_BUS_ADDRESS:-} ]] && command -v dbus-run-session >/dev/null; then
  echo "  for comparison, with a session bus running, as on a desktop:"
  "${run[@]}" dbus-run-session -- "$b/startup_bench" build/release/window/delvarin-chooser \
    "$b/empty_window" 21 2>/dev/null | sed 's/^/    /'
fi

# The Windows window under wine, when the windows preset has been built
# (tools/windows-check.sh builds it).
if [[ -x build/windows/win32/delvarin-chooser.exe ]] && command -v wine >/dev/null; then
  echo
  echo "Windows window (wine $(wine --version 2>/dev/null | sed 's/^wine-//'), Xvfb)"
  bench/win32-figures.sh
fi

# The web page, when it has been built (tools/web-check.sh builds it).
if [[ -f build/web/site/index.html && -d web/node_modules ]]; then
  echo
  SITE=build/web/site LIST=build/release/list/delvarin-list node bench/web-figures.mjs
fi

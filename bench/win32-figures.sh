#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows window's figures under wine, on a virtual display: tick to the
# 1719-line list beside its floor, and start to window shown, cold (wine
# itself started anew) and warm; medians of 11.
#   bench/win32-figures.sh   (after cmake --build --preset windows)
set -euo pipefail
cd "$(dirname "$0")/.."
win=$PWD/build/windows
[[ -x $win/win32/delvarin-chooser.exe ]] || { echo "build the windows preset first" >&2; exit 1; }
export LANG=fa_IR.UTF-8 WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d"
export WINEPREFIX=${WINEPREFIX:-$PWD/build/wine-prefix}
if [[ -z ${DISPLAY:-} ]]; then
  exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi
cp resources/iransansz-webfont.ttf "$win/bench/"
runs=11
echo "  $(wine "$win/bench/win32_figures.exe" list $runs | tr -d '\r')"
cold=()
for _ in $(seq $runs); do
  wineserver -k 2>/dev/null || true
  wineserver -w
  start=$(date +%s%N)
  (cd "$win/win32" && exec wine ./delvarin-chooser.exe >/dev/null 2>&1) &
  for _ in $(seq 3000); do
    xdotool search --onlyvisible --name '^Delvarin Chooser$' >/dev/null 2>&1 && break
    sleep 0.01
  done
  cold+=($((($(date +%s%N) - start) / 1000000)))
done
wineserver -k 2>/dev/null || true
median=$(printf '%s\n' "${cold[@]}" | sort -n | sed -n "$((runs / 2 + 1))p")
echo "  start to window shown, cold (wine started anew): $median ms (median of $runs)"
echo "  $(wine "$win/bench/win32_figures.exe" start "$(winepath -w "$win/win32/delvarin-chooser.exe")" $runs | tr -d '\r')"
wineserver -k 2>/dev/null || true
echo "  file: $(($(stat -c %s "$win/win32/delvarin-chooser.exe") / 1024)) KiB, imports Windows' own libraries only"

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program on real desktops, driven as a person drives it: X11 under
# Xvfb with each window manager given (openbox by default), at the scale
# factors 1, 1.5 and 2, and Wayland under a headless weston when it is
# installed. Checks the narrowed outer width (3300 twips, borders included),
# the widened client area (6195 twips, 413 logical pixels), the code-page
# warning's title, and one list copied out of the window against
# delvarin-list. Screenshots go to build/desktop-check/.
#   tools/desktop-check.sh [BUILD_DIR] [WINDOW_MANAGER...]
set -euo pipefail
cd "$(dirname "$0")/.."

build="${1:-build/ci}"
shift || true
managers=("$@")
[[ ${#managers[@]} -eq 0 ]] && managers=(openbox)
program="$PWD/$build/window/delvarin-chooser"
list="$PWD/$build/tools/delvarin-list"
shots="$PWD/build/desktop-check"
mkdir -p "$shots"
export LANG=C.UTF-8
export XDG_RUNTIME_DIR="$(mktemp -d)"
failures=0

fail() {
  echo "FAIL $*"
  failures=$((failures + 1))
}
near() {  # near ACTUAL EXPECTED: within one device pixel of rounding
  awk -v a="$1" -v e="$2" 'BEGIN { d = a - e; exit !(d <= 1 && d >= -1) }'
}

# Starts Xvfb and the window manager; sets DISPLAY.
start_x() {
  local manager=$1 n
  for n in $(seq 90 120); do [[ -e /tmp/.X11-unix/X$n ]] || break; done
  Xvfb ":$n" -screen 0 1920x1200x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=":$n"
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  if [[ $manager == xfwm4 ]]; then
    eval "$(dbus-launch --sh-syntax)"
  fi
  "$manager" >/dev/null 2>&1 &
  wm_pid=$!
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
  done
  sleep 0.5
}
stop_x() {
  kill "$wm_pid" "$xvfb_pid" ${DBUS_SESSION_BUS_PID:-} 2>/dev/null || true
  wait "$wm_pid" "$xvfb_pid" 2>/dev/null || true
  unset DBUS_SESSION_BUS_PID
}

window_of() {  # the client window with exactly this title
  xdotool search --sync --limit 1 --name "^$1\$" 2>/dev/null | head -n 1
}
client_width() { xwininfo -id "$1" | awk '/^ *Width:/ { print $2 }'; }
frame_width() {  # left + right of _NET_FRAME_EXTENTS
  xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //' | awk -F', ' '{ print $1 + $2 }'
}
at() {  # at WINDOW X Y: a click at logical pixels of the client area
  local x y
  x=$(awk -v v="$2" -v s="$scale" 'BEGIN { printf "%d", v * s }')
  y=$(awk -v v="$3" -v s="$scale" 'BEGIN { printf "%d", v * s }')
  xdotool mousemove --window "$1" "$x" "$y"
  sleep 0.2
  xdotool click 1
  sleep 0.3
}

check_x11() {
  local manager=$1 tag="$1-scale-$2" id narrow wide frame
  scale=$2
  start_x "$manager"
  QT_SCALE_FACTOR="$scale" LC_ALL=fa_IR.UTF-8 "$program" >/dev/null 2>&1 &
  local app=$!
  id=$(window_of "Delvarin Chooser")
  sleep 1
  frame=$(frame_width "$id")
  narrow=$(( $(client_width "$id") + frame ))
  near "$narrow" "$(awk -v s="$scale" 'BEGIN { printf "%d", 220 * s + 0.5 }')" ||
    fail "$tag: narrowed outer width $narrow px, not 3300 twips"
  import -window root "$shots/$tag-opened.png"

  at "$id" 74 172                    # Text2
  # Pasted: xdotool types letters outside the keymap by remapping a key,
  # and the first of them is sometimes lost.
  printf '%s' 'مريم' | xclip -selection clipboard 2>/dev/null
  xdotool key ctrl+v
  sleep 0.3
  at "$id" 148 243                   # Label11, a son
  at "$id" 106 412                   # Command2
  sleep 1.5
  wide=$(client_width "$id")
  near "$wide" "$(awk -v s="$scale" 'BEGIN { printf "%d", 413 * s + 0.5 }')" ||
    fail "$tag: widened client area $wide px, not 413 logical px"
  import -window root "$shots/$tag-list.png"
  echo "$tag: frame ${frame} px, narrowed outer $narrow px, widened client $wide px"

  if [[ $scale == 1 ]]; then
    # The list as a parent copies it: all of the result box.
    at "$id" 300 200                 # Text5
    xdotool key ctrl+a ctrl+c
    sleep 0.5
    # The box copies lines ended by LF, and no end after "- - -".
    if ! diff <(xclip -o -selection clipboard; echo) <("$list" --mother 'مريم' --boy | tr -d '\r') \
         >"$shots/$tag-copy.diff"; then
      fail "$tag: the copied list differs from delvarin-list"
    else
      echo "$tag: copied list equals delvarin-list ($(xclip -o -selection clipboard | wc -l) lines)"
    fi
  fi
  kill "$app" 2>/dev/null || true
  wait "$app" 2>/dev/null || true
  stop_x
}

check_warning() {
  local manager=$1 id title
  scale=1
  start_x "$manager"
  LC_ALL=en_US.UTF-8 "$program" >/dev/null 2>&1 &
  local app=$!
  id=$(window_of "Salam")
  sleep 0.5
  title=$(xprop -id "$id" _NET_WM_NAME | sed 's/^[^"]*"//; s/"$//')
  [[ $title == Salam ]] || fail "$manager: the code-page warning is titled '$title'"
  import -window root "$shots/$manager-warning.png"
  xdotool windowactivate --sync "$id" key Return
  [[ -n $(window_of "Delvarin Chooser") ]] || fail "$manager: no window after the warning"
  echo "$manager: code-page warning titled '$title', the window opens after it"
  kill "$app" 2>/dev/null || true
  wait "$app" 2>/dev/null || true
  stop_x
}

check_wayland() {
  local s out socket=delvarin-check
  for s in 1 1.5 2; do
    weston --backend=headless-backend.so --socket=$socket --idle-time=0 >/dev/null 2>&1 &
    local weston=$!
    for _ in $(seq 50); do [[ -S $XDG_RUNTIME_DIR/$socket ]] && break; sleep 0.1; done
    out=$(WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland QT_SCALE_FACTOR=$s LC_ALL=fa_IR.UTF-8 \
          DELVARIN_SELF_CHECK=widths timeout 20 "$program" 2>/dev/null || true)
    kill "$weston" 2>/dev/null || true
    wait "$weston" 2>/dev/null || true
    local frame narrow wide
    frame=$(sed -n 's/^frame-px //p' <<<"$out")
    narrow=$(sed -n 's/^narrow-outer-px //p' <<<"$out")
    wide=$(sed -n 's/^wide-client-px //p' <<<"$out")
    [[ $narrow == 220 ]] || fail "wayland-scale-$s: narrowed outer width '$narrow' px, not 220"
    [[ $wide == 413 ]] || fail "wayland-scale-$s: widened client area '$wide' px, not 413"
    echo "wayland-scale-$s: decorations ${frame:-?} px, narrowed outer ${narrow:-?} px," \
         "widened client ${wide:-?} px (logical)"
  done
}

for manager in "${managers[@]}"; do
  for s in 1 1.5 2; do check_x11 "$manager" "$s"; done
  check_warning "$manager"
done
if command -v weston >/dev/null; then check_wayland; fi
rm -rf "$XDG_RUNTIME_DIR"

if [[ $failures -ne 0 ]]; then
  echo "desktop check: $failures failure(s); screenshots in build/desktop-check/" >&2
  exit 1
fi
echo "desktop check: every width, title and list as designed"

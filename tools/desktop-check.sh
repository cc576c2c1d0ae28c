#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program on real desktops, driven as a person drives it:
# - X11 under Xvfb with each window manager given (openbox by default), at the
#   scale factors 1, 1.5 and 2: the narrowed outer width (3300 twips, borders
#   included), the widened client area (6195 twips, 413 logical pixels), one
#   list copied out of the window against delvarin-list, and the title-bar
#   buttons a window manager draws anyway (openbox's maximise and minimise),
#   which must do no harm;
# - the code-page warning's title;
# - what a screen reader learns over AT-SPI, narrowed and widened;
# - Wayland: a headless weston at three scales, and weston's desktop shell
#   nested in Xvfb, clicked on every spot of the title bar of the narrowed and
#   the widened window: the program lives on with its texts, and its close
#   button ends it.
# Screenshots and the accessibility trees go to build/desktop-check/.
#   tools/desktop-check.sh [BUILD_DIR] [WINDOW_MANAGER...]
set -euo pipefail
cd "$(dirname "$0")/.."

build="${1:-build/ci}"
shift || true
managers=("$@")
[[ ${#managers[@]} -eq 0 ]] && managers=(openbox)
program="$PWD/$build/window/delvarin-chooser"
list="$PWD/$build/list/delvarin-list"
shots="$PWD/build/desktop-check"
mkdir -p "$shots"
# Every program started here sets its own locale; the rest reads UTF-8.
unset LANGUAGE LC_ALL LC_CTYPE
export LANG=C.UTF-8
XDG_RUNTIME_DIR="$(mktemp -d)"
export XDG_RUNTIME_DIR
failures=0

fail() {
  echo "FAIL $*"
  failures=$((failures + 1))
}
near() {  # near ACTUAL EXPECTED: within one device pixel of rounding
  awk -v a="$1" -v e="$2" 'BEGIN { d = a - e; exit !(d <= 1 && d >= -1) }'
}
alive() { kill -0 "$1" 2>/dev/null; }
same_pixels() {  # same_pixels A B [GEOMETRY]: the two pictures, or a part, match to the pixel
  local part=${3:-10000x10000+0+0}
  [[ $(compare -metric AE "$1[$part]" "$2[$part]" null: 2>&1 || true) == 0 ]]
}

# Starts Xvfb (kept alive between clients, so a keyboard layout set on it
# stays) and the window manager, if any; sets DISPLAY.
start_x() {
  local manager=$1 n
  for n in $(seq 90 120); do [[ -e /tmp/.X11-unix/X$n ]] || break; done
  Xvfb ":$n" -screen 0 1920x1200x24 -nolisten tcp -noreset >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=":$n"
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  wm_pid=""
  [[ $manager == none ]] && return
  if [[ $manager == xfwm4 ]]; then
    eval "$(dbus-launch --sh-syntax)"
  fi
  $manager >/dev/null 2>&1 &  # a command with its options, split on purpose
  wm_pid=$!
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
  done
  sleep 0.5
}
stop_x() {
  kill ${wm_pid:-} "$xvfb_pid" ${DBUS_SESSION_BUS_PID:-} 2>/dev/null || true
  # A manager that will not end (fluxbox, now and then) is ended by force.
  local pid
  for pid in ${wm_pid:-} "$xvfb_pid"; do
    for _ in $(seq 30); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$pid" 2>/dev/null || true
  done
  wait ${wm_pid:-} "$xvfb_pid" 2>/dev/null || true
  unset DBUS_SESSION_BUS_PID
}

window_of() {  # the client window with exactly this title
  timeout 60 xdotool search --sync --limit 1 --name "^$1\$" 2>/dev/null | head -n 1
}
client_width() { xwininfo -id "$1" | awk '/^ *Width:/ { print $2 }'; }
frame_extents() {  # left right top bottom of _NET_FRAME_EXTENTS
  xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g'
}
frame_width() { frame_extents "$1" | awk '{ print $1 + $2 }'; }
at() {  # at WINDOW X Y: a click at logical pixels of the client area
  local x y
  x=$(awk -v v="$2" -v s="$scale" 'BEGIN { printf "%d", v * s }')
  y=$(awk -v v="$3" -v s="$scale" 'BEGIN { printf "%d", v * s }')
  xdotool mousemove --window "$1" "$x" "$y"
  sleep 0.2
  xdotool click 1
  sleep 0.3
}
paste_mother() {  # into Text2 of WINDOW
  at "$1" 74 172
  # Pasted: xdotool types letters outside the keymap by remapping a key,
  # and the first of them is sometimes lost.
  printf '%s' 'مريم' | xclip -selection clipboard >/dev/null 2>&1
  xdotool key ctrl+v
  sleep 0.3
}

# openbox draws minimise and maximise whatever the window asks; a click on
# each must leave the window as it was, and a minimised one comes back with
# Alt+Tab, as every openbox window does.
check_openbox_buttons() {
  local id=$1 tag=$2 app=$3 left top right
  local before="$shots/$tag-before.png"
  read -r left right top _ <<<"$(frame_extents "$id")"
  local x y
  x=$(xwininfo -id "$id" | awk '/Absolute upper-left X/ { print $4 }')
  y=$(xwininfo -id "$id" | awk '/Absolute upper-left Y/ { print $4 }')
  right=$((x + $(client_width "$id") + right))
  top=$((y - top))
  import -window "$id" "$before"
  local width
  width=$(client_width "$id")
  press() { xdotool mousemove "$1" "$2"; sleep 0.3; xdotool click 1; sleep 0.8; }
  press $((right - 28)) $((top + 10))  # maximise
  [[ $(client_width "$id") == "$width" ]] || fail "$tag: maximise changed the width"
  press $((right - 44)) $((top + 10))  # minimise
  xwininfo -id "$id" | grep -q IsUnMapped || fail "$tag: minimise did not minimise"
  xdotool key alt+Tab
  sleep 0.8
  xwininfo -id "$id" | grep -q IsViewable || fail "$tag: Alt+Tab did not bring the window back"
  # Active again, so that the focused button looks as it did.
  for _ in $(seq 20); do [[ $(xdotool getactivewindow 2>/dev/null) == "$id" ]] && break; sleep 0.1; done
  sleep 0.5
  import -window "$id" "$shots/$tag-after.png"
  alive "$app" || fail "$tag: the program ended"
  # All but the button, whose focus frame comes back only with the next key.
  same_pixels "$before" "$shots/$tag-after.png" "10000x395+0+0" || fail "$tag: the window changed"
  echo "$tag: maximise changed nothing, minimise and Alt+Tab brought the window back as it was"
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

  paste_mother "$id"
  at "$id" 148 243                   # Label11, a son
  xdotool key Tab                    # a blinking caret would differ
  if [[ $manager == openbox && $scale == 1 ]]; then
    check_openbox_buttons "$id" "$tag-narrowed" "$app"
  fi
  at "$id" 106 412                   # Command2
  sleep 1.5
  wide=$(client_width "$id")
  near "$wide" "$(awk -v s="$scale" 'BEGIN { printf "%d", 413 * s + 0.5 }')" ||
    fail "$tag: widened client area $wide px, not 413 logical px"
  import -window root "$shots/$tag-list.png"
  echo "$tag: frame ${frame} px, narrowed outer $narrow px, widened client $wide px"

  if [[ $scale == 1 ]]; then
    [[ $manager == openbox ]] && check_openbox_buttons "$id" "$tag-widened" "$app"
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

# A fullscreen request, taken or refused, and its end leave the window where
# and as it was: six times on each manager (i3 through its own command).
check_fullscreen() {
  local manager=$1 id before after
  scale=1
  if [[ $manager == i3 ]]; then
    printf 'font pango:monospace 8\n' >"$shots/i3.config"
    start_x "i3 -c $shots/i3.config"
  else
    start_x "$manager"
  fi
  LC_ALL=fa_IR.UTF-8 "$program" >/dev/null 2>&1 &
  local app=$!
  id=$(window_of "Delvarin Chooser")
  sleep 1
  place() { xwininfo -id "$id" | awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 } /^ *Width:/ { w = $2 } END { print x "," y "," w }'; }
  before=$(place)
  for _ in $(seq 6); do
    if [[ $manager == i3 ]]; then
      i3-msg -q fullscreen; sleep 0.7; i3-msg -q fullscreen
    else
      wmctrl -i -r "$id" -b add,fullscreen; sleep 0.7; wmctrl -i -r "$id" -b remove,fullscreen
    fi
    sleep 0.7
    after=$(place)
    [[ $after == "$before" ]] || { fail "$manager: after a fullscreen request the window stands at $after, not $before"; break; }
  done
  alive "$app" || fail "$manager: the program ended under fullscreen requests"
  echo "$manager: six fullscreen requests, the window stays at $before (x, y, width)"
  kill "$app" 2>/dev/null || true
  wait "$app" 2>/dev/null || true
  stop_x
}

# What a screen reader hears, read over AT-SPI as one would read it.
check_accessibility() {
  local id
  scale=1
  start_x openbox
  eval "$(dbus-launch --sh-syntax)"
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LC_ALL=fa_IR.UTF-8 "$program" >/dev/null 2>&1 &
  local app=$!
  id=$(window_of "Delvarin Chooser")
  sleep 1
  # Debian's own Python, where its pyatspi is.
  /usr/bin/python3 tools/accessibility-tree.py delvarin-chooser \
    >"$shots/accessibility-narrowed.txt" || fail "accessibility: the narrowed window, as above"
  paste_mother "$id"
  at "$id" 148 243
  at "$id" 106 412
  sleep 1.5
  /usr/bin/python3 tools/accessibility-tree.py delvarin-chooser \
    >"$shots/accessibility-widened.txt" || fail "accessibility: the widened window, as above"
  grep -q "combo box: 'طالع:'" "$shots/accessibility-widened.txt" ||
    fail "accessibility: the planet group list is not named by its caption"
  echo "accessibility: every control that acts is named; what a screen reader learns:"
  grep "takes the focus" "$shots/accessibility-widened.txt" | sed 's/^ */  /' || true
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
    echo "wayland-scale-$s: own frame ${frame:-?} px, narrowed outer ${narrow:-?} px," \
         "widened client ${wide:-?} px (logical)"
  done
}

# Where weston shows the window: left top right bottom, in output pixels.
weston_place() {
  WAYLAND_DISPLAY=$socket timeout 5 weston-debug scene-graph 2>/dev/null |
    grep -A1 "top-level window 'Delvarin Chooser'" |
    sed -n 's/.*position: (\(-*[0-9]*\), \(-*[0-9]*\)) -> (\(-*[0-9]*\), \(-*[0-9]*\)).*/\1 \2 \3 \4/p'
}
weston_click() {  # weston_click X Y [BUTTON [REPEAT]]: output pixels
  xdotool mousemove "$1" "$2"
  sleep 0.2
  xdotool click --repeat "${4:-1}" --delay 120 "${3:-1}"
  sleep 0.3
  # Nested weston repaints, and so lets the program draw, as the pointer moves.
  xdotool mousemove_relative 1 1 sleep 0.2 mousemove_relative -- -1 -1
  sleep 0.5
}
# Every spot of the title bar where a frame may offer something: Qt's own
# decorations put minimise and maximise there; the title itself, double and
# right clicked. The window must stay as it was.
weston_title_clicks() {
  local tag=$1 app=$2 left top right bottom
  local before="$shots/$tag-before.png"
  read -r left top right bottom <<<"$(weston_place)"
  xdotool mousemove $((left + 5)) $((bottom + 40))
  sleep 0.5
  import -window root -crop "$((right - left))x$((bottom - top - 30))+$left+$((top + 30))" "$before"
  weston_click $((right - 63)) $((top + 14))             # minimise, in Qt's frame
  weston_click $((right - 40)) $((top + 14))             # maximise, in Qt's frame
  weston_click $(((left + right) / 2)) $((top + 14)) 1 2 # the title, twice
  weston_click $(((left + right) / 2)) $((top + 14)) 3   # the title, right button
  xdotool mousemove $((left + 5)) $((bottom + 40))
  sleep 0.5
  local now
  now=$(weston_place)
  alive "$app" || { fail "$tag: the program ended"; return; }
  [[ $now == "$left $top $right $bottom" ]] || fail "$tag: the window moved or changed size: $now"
  import -window root -crop "$((right - left))x$((bottom - top - 30))+$left+$((top + 30))" \
    "$shots/$tag-after.png"
  same_pixels "$before" "$shots/$tag-after.png" || fail "$tag: the window's contents changed"
  echo "$tag: $((right - left)) px wide; every title-bar spot clicked, the program lives on as it was"
}

check_weston_shell() {
  local socket=delvarin-shell config left top right bottom
  scale=1
  start_x none
  # weston reads the keyboard layout once, from the X server: a Persian one
  # lets xdotool type Persian.
  setxkbmap ir
  config=$(mktemp)
  printf '[core]\nidle-time=0\n[shell]\npanel-position=none\nbackground-color=0xff3a6ea5\n[input-method]\npath=/bin/true\n' >"$config"
  weston --debug --config="$config" --backend=x11-backend.so --use-pixman --width=1200 \
    --height=760 --socket=$socket >/dev/null 2>&1 &
  local weston=$!
  for _ in $(seq 50); do [[ -S $XDG_RUNTIME_DIR/$socket ]] && break; sleep 0.1; done
  sleep 1
  # weston follows the pointer by its moves, from the corner where both start.
  xdotool mousemove 0 0
  sleep 0.3
  WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland LC_ALL=fa_IR.UTF-8 "$program" >/dev/null 2>&1 &
  local app=$!
  for _ in $(seq 50); do [[ -n $(weston_place) ]] && break; sleep 0.2; done
  sleep 1
  read -r left top right bottom <<<"$(weston_place)"
  [[ $((right - left)) == 220 ]] || fail "weston-shell: narrowed outer width $((right - left)) px, not 220"
  import -window root "$shots/weston-shell-opened.png"
  # The client area starts under the title bar, inside a 1 px border.
  weston_click $((left + 1 + 74)) $((top + 28 + 172))    # Text2
  xdotool type --delay 150 'مريم'
  weston_click $((left + 1 + 148)) $((top + 28 + 243))   # Label11, a son
  xdotool key Tab                                        # a blinking caret would differ
  sleep 0.3
  weston_title_clicks weston-shell-narrowed "$app"
  weston_click $((left + 1 + 106)) $((top + 28 + 412))   # Command2
  sleep 1
  xdotool mousemove_relative 1 1 sleep 0.5 mousemove_relative -- -1 -1
  sleep 0.5
  read -r left top right bottom <<<"$(weston_place)"
  [[ $((right - left)) == 415 ]] || fail "weston-shell: widened outer width $((right - left)) px, not 415"
  import -window root "$shots/weston-shell-list.png"
  weston_title_clicks weston-shell-widened "$app"
  weston_click $((right - 14)) $((top + 14))             # close
  local code=0
  for _ in $(seq 30); do alive "$app" || break; sleep 0.1; done
  if alive "$app"; then
    fail "weston-shell: the close button did not close the window"
    kill "$app"
  fi
  wait "$app" || code=$?
  [[ $code == 0 ]] || fail "weston-shell: the program ended with $code"
  echo "weston-shell: close ended the program with exit code $code"
  kill "$weston" 2>/dev/null || true
  wait "$weston" 2>/dev/null || true
  rm -f "$config"
  stop_x
}

for manager in "${managers[@]}"; do
  for s in 1 1.5 2; do check_x11 "$manager" "$s"; done
  check_warning "$manager"
done
for manager in openbox icewm fluxbox i3; do check_fullscreen "$manager"; done
check_accessibility
if command -v weston >/dev/null; then
  check_wayland
  check_weston_shell
fi
rm -rf "$XDG_RUNTIME_DIR"

if [[ $failures -ne 0 ]]; then
  echo "desktop check: $failures failure(s); screenshots in build/desktop-check/" >&2
  exit 1
fi
echo "desktop check: every width, title, name and list as designed; no click on a frame ends the program"

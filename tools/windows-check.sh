#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds the Windows program, its installer, the tests and the list
# command with mingw-w64 and runs them under wine: the engine's and the
# form's tests pass, the code page comes from GetACP(), delvarin-list writes
# byte for byte what the Linux build writes; the program is one file of
# Windows' own imports, keeps the contract, lists what delvarin-list lists
# when typed into on a Persian keyboard, warns under an English locale only,
# and its installer installs, upgrades and removes it.
# Usage: tools/windows-check.sh [LINUX_BUILD_DIR]   (default build/ci)
set -euo pipefail
cd "$(dirname "$0")/.."
linux=${1:-build/ci}
# wine hands a program its arguments converted with the host's locale: with
# none set, Persian arrives broken. LANG alone, so that each code-page check
# below can set its own.
unset LC_ALL LC_CTYPE LANGUAGE
export LANG=C.UTF-8

tools/install-deps.sh --windows
# wine takes its code page from the host locale, so both must exist.
for l in fa_IR en_US; do
  locale -a | grep -qi "^$l.utf-\?8$" || localedef -i "$l" -f UTF-8 "$l.UTF-8"
done

cmake --preset windows >/dev/null
cmake --build --preset windows
win=build/windows
[[ -x $linux/list/delvarin-list ]] || cmake --build "$linux" --target delvarin-list

export WINEDEBUG=-all WINEPREFIX=${WINEPREFIX:-$PWD/build/wine-prefix}
wine "$win/tests/engine_tests.exe" --gtest_brief=1
# The contract's cases are read beside the test.
cp tests/contract/cases.txt "$win/tests/"
(cd "$win/tests" && wine ./form_tests.exe --gtest_brief=1)

failed=0
check() { # what expected actual
  if [[ $2 == "${3%$'\r'}" ]]; then echo "ok   $1: $3"; else echo "FAIL $1: wanted $2, got $3"; failed=1; fi
}
check "code page, LANG=fa_IR.UTF-8" 1256 "$(LANG=fa_IR.UTF-8 wine "$win/tests/print_code_page.exe")"
check "code page, LANG=en_US.UTF-8" 1252 "$(LANG=en_US.UTF-8 wine "$win/tests/print_code_page.exe")"

out=build/windows-check
rm -rf "$out" && mkdir -p "$out"
# Arguments are separated by ";", as labels hold spaces.
requests=(
  "--catalogue"
  "--sign-lists"
  "--mother;مريم;--boy"
  "--mother;مريم;--girl;--group;3"
  "--mother;فاطمه;--boy;--use-prefix;--group;2;--planet;مشتري (حوت)"
  "--mother;زهرا;--girl;--delete-letters;--group;1"
  "--mother;نگار;--boy;--prefix;سيده;--use-prefix;--group;3;--planet;زهره (ميزان)"
  "--mother;ژاله;--girl;--group;2"
  "--mother;علي‌رضا;--boy;--delete-letters;--use-prefix"
  "--mother;نرگس;--girl;--group;0;--planet;قمر (سرطان)"
  "--mother;ی;--boy"
  "--mother;😀;--girl"
  "--mother;مريم;--group;1;--planet;زهره (ثور)"
)
n=0
for r in "${requests[@]}"; do
  n=$((n + 1))
  IFS=";" read -ra args <<<"$r"
  set +e
  "$linux/list/delvarin-list" "${args[@]}" >"$out/$n.linux" 2>"$out/$n.linux.err"
  lrc=$?
  wine "$win/list/delvarin-list.exe" "${args[@]}" >"$out/$n.wine" 2>"$out/$n.wine.err"
  wrc=$?
  set -e
  if [[ $lrc -eq $wrc ]] && cmp -s "$out/$n.linux" "$out/$n.wine" &&
    cmp -s "$out/$n.linux.err" "$out/$n.wine.err"; then
    echo "ok   delvarin-list ${r//;/ }: exit $lrc, $(wc -l <"$out/$n.linux") lines, $(wc -c <"$out/$n.linux") bytes identical"
  else
    echo "FAIL delvarin-list ${r//;/ }: exit $lrc on Linux, $wrc under wine; outputs in $out/$n.*"
    failed=1
  fi
done

# One file that needs nothing installed: Windows' own libraries alone.
exe=$win/win32/delvarin-chooser.exe
system_dlls=" advapi32.dll comctl32.dll gdi32.dll gdiplus.dll kernel32.dll msvcrt.dll ole32.dll shell32.dll shlwapi.dll user32.dll usp10.dll uxtheme.dll "
foreign=""
for dll in $(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z'); do
  [[ $system_dlls == *" $dll "* ]] || foreign+=" $dll"
done
check "delvarin-chooser.exe imports Windows' own libraries only" "" "$foreign"
size=$(stat -c %s "$exe")
if ((size <= 3 * 1024 * 1024)); then echo "ok   delvarin-chooser.exe is $((size / 1024)) KiB"; else
  echo "FAIL delvarin-chooser.exe is $((size / 1024)) KiB, over 3 MiB"; failed=1; fi

# The window on a display with a window manager, as on a desktop; wine's
# menu builder stays off so that nothing lands in this machine's own menus.
export WINEDLLOVERRIDES="winemenubuilder.exe=d"
for n in $(seq 71 99); do [[ -e /tmp/.X$n-lock ]] || break; done
# Its messages are kept: should it end, they say why.
Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp -noreset >"$out/xvfb.log" 2>&1 &
xvfb=$!
export DISPLAY=":$n"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
# The Persian keyboard map, set before any client connects: changing it under
# running clients is a moment when the server or a client may fail. Keys are
# sent by keysym, so the English locale's Return below is the same key.
setxkbmap -layout ir
openbox >/dev/null 2>&1 &
wm=$!
# wine's programs first, so that none is left to report the display gone.
trap 'wineserver -k 2>/dev/null || true; kill $wm $xvfb 2>/dev/null || true' EXIT

# The programs above ran with no display, and a wine server still up would
# give the windows below its display-less desktop, where nothing shows or
# takes the focus: a new server, with the display.
wineserver -k 2>/dev/null || true
wineserver -w

cp tests/contract/cases.txt resources/iransansz-webfont.ttf "$win/tests/"
(cd "$win/tests" && LANG=fa_IR.UTF-8 wine ./win32_tests.exe --gtest_brief=1) ||
  { echo "FAIL the contract on the Windows window"; failed=1; }

read_control() { wine "$win/tests/read_control.exe" "$@"; }
wait_window() { # title: waits until a window of that title shows
  for _ in $(seq 300); do
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 | grep . && return 0
    sleep 0.2
  done
  return 1
}
click_control() { # name: clicks the control's middle, or says why it can't
  local x y w h
  if read -r x y w h < <(read_control --rect "$1" | tr -d '\r'); then
    xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
    return
  fi
  program_state
  echo "FAIL no control $1 to click: $state"
  failed=1
  return 1
}
start() { # program locale
  local log=$PWD/$out/program.log
  (cd "$(dirname "$1")" && LANG=$2 exec wine "./$(basename "$1")" >"$log" 2>&1) &
  program=$!
}
program_state() { # sets state: whether the program and the display still run
  local code=0 stat
  stat=$(ps -o stat= -p "$program" || true)
  state="the program is running"
  if [[ -z $stat || $stat == Z* ]]; then
    wait "$program" || code=$?
    state="the program ended with exit code $code"
  fi
  kill -0 "$xvfb" 2>/dev/null || state+="; Xvfb ended: $(tail -n 3 "$out/xvfb.log" | tr '\n' ' ')"
  state+="; its messages in $out/program.log"
}
stop() {
  xdotool search --name "^Delvarin Chooser\$" windowclose 2>/dev/null || true
  wineserver -k 2>/dev/null || true
}

# Typed into as a person would: the Persian keyboard map, a key per letter.
type_and_list() {
  click_control Text2 || return 0
  xdotool key Arabic_meem Arabic_ra Farsi_yeh Arabic_meem
  check "the mother's name as typed, its value" 290 "$(read_control Label13)"
  click_control Label11 && click_control Command2 || return 0
  "$linux/list/delvarin-list" --mother مريم --boy >"$out/window.expected"
  for _ in $(seq 100); do
    # delvarin-list ends its output with a line feed; the box's text has none.
    { read_control Text5; echo; } >"$out/window.listed"
    cmp -s "$out/window.expected" "$out/window.listed" && break
    sleep 0.3
  done
  if cmp -s "$out/window.expected" "$out/window.listed"; then
    echo "ok   the window's list equals delvarin-list ($(wc -l <"$out/window.listed") lines)"
  else
    program_state
    echo "FAIL the window's list differs from delvarin-list: $out/window.*; $state"
    failed=1
  fi
  import -window root "$out/window.png"
}
start "$exe" fa_IR.UTF-8
if wait_window "Delvarin Chooser" >/dev/null; then
  check "no Salam box under a Persian locale" "" "$(xdotool search --onlyvisible --name '^Salam$' 2>/dev/null)"
  type_and_list
else
  program_state
  echo "FAIL the window did not show: $state"; failed=1
fi
stop

start "$exe" en_US.UTF-8
if id=$(wait_window Salam); then
  echo "ok   the Salam box shows under an English locale"
  import -window root "$out/salam.png"
  xdotool windowactivate --sync "$id" key Return
  wait_window "Delvarin Chooser" >/dev/null && echo "ok   the window opens once it is closed" ||
    { echo "FAIL no window after the Salam box"; failed=1; }
else
  echo "FAIL no Salam box under an English locale"; failed=1
fi
stop

# The installer: installed per machine, started, replaced by a newer one,
# removed without a trace.
msi=$(ls "$win"/delvarin-chooser-*.msi)
newer=$out/delvarin-chooser-99.0.0.msi
cmake -D VERSION=99.0.0 -D PROGRAM="$PWD/$exe" -D LIST="$PWD/$win/list/delvarin-list.exe" \
  -D SOURCE_DIR="$PWD" -D OUTPUT="$PWD/$newer" -P win32/make-msi.cmake
code() { msiinfo export "$1" Property | sed -n 's/^ProductCode\t//p' | tr -d '\r'; }
installed() { wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' 2>/dev/null |
  grep -c "{$(code "$1" | tr -d '{}')}" || true; }
folder="$WINEPREFIX/drive_c/Program Files/Delvarin Chooser"
wine msiexec /i "$(winepath -w "$msi")" /qn
check "installed into Program Files" "LICENSE.txt OFL.txt delvarin-chooser.exe delvarin-list.exe iransansz-webfont.ttf " \
  "$(LC_ALL=C ls "$folder" | tr '\n' ' ')"
check "a Start-menu shortcut in Persian and English" 1 \
  "$(find "$WINEPREFIX/drive_c" -name 'انتخاب نام دلوارين - Delvarin Chooser.lnk' | wc -l)"
start "$folder/delvarin-chooser.exe" fa_IR.UTF-8
wait_window "Delvarin Chooser" >/dev/null && echo "ok   the installed program starts" ||
  { echo "FAIL the installed program did not start"; failed=1; }
stop
wine msiexec /i "$(winepath -w "$newer")" /qn
check "a newer package replaces the older" "0 1" "$(installed "$msi") $(installed "$newer")"
wine msiexec /x "$(code "$newer")" /qn
check "removed without a trace" "0 0 0" "$(installed "$newer") $(ls -A "$folder" 2>/dev/null | wc -l) \
$(find "$WINEPREFIX/drive_c" -name '*Delvarin Chooser.lnk' | wc -l)"
exit $failed

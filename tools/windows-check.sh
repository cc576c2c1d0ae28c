#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds the Windows engine, form, tests and list command with
# mingw-w64 and runs them under wine: the engine's and the form's tests pass,
# the code page comes from GetACP(), and delvarin-list writes byte for byte
# what the Linux build writes.
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
exit $failed

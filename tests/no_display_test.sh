#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Without any display the program says so in one line and exits 1.
#   no_display_test.sh PROGRAM
err=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" 2>&1 >/dev/null)
code=$?
printf '%s\n' "$err"
[ "$code" -eq 1 ] || { echo "exit $code, not 1"; exit 1; }
[ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] || { echo "more than one line"; exit 1; }
printf '%s\n' "$err" | grep -q "needs a graphical desktop"
# A platform Qt lacks is named as the fault, in one line too.
err=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=nosuchplatform "$1" 2>&1 >/dev/null)
code=$?
printf '%s\n' "$err"
[ "$code" -eq 1 ] || { echo "exit $code, not 1"; exit 1; }
[ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] || { echo "more than one line"; exit 1; }
printf '%s\n' "$err" | grep -q 'QT_QPA_PLATFORM names "nosuchplatform"'

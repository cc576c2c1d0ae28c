#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the web site with emscripten and drives it in headless Chromium, from
# disk and served as a static host serves it (nginx): the window's behaviour
# and 58 lists compared with delvarin-list byte for byte; both layouts at
# phone and desktop widths; stars, the shortlist and the address; offline,
# installable, axe and Lighthouse. Screenshots go to build/web/screenshots.
# Usage: tools/web-check.sh [LINUX_BUILD_DIR]   (default build/ci)
set -euo pipefail
cd "$(dirname "$0")/.."
unset LC_ALL LC_CTYPE LANGUAGE
export LANG=C.UTF-8
linux=${1:-build/ci}

tools/install-deps.sh --web
cmake --preset web >/dev/null
cmake --build --preset web
[[ -x $linux/list/delvarin-list ]] || cmake --build "$linux" --target delvarin-list
(cd web && npm ci --no-audit --no-fund --loglevel=error >/dev/null)
SITE=build/web/site LIST=$linux/list/delvarin-list SHOTS=build/web/screenshots \
  node --test web/tests/

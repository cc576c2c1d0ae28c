#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything with warnings as errors and runs every test, the web
# page's in headless Chromium included.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
tools/format.sh --check
cmake --preset ci
cmake --build --preset ci
ctest --preset ci
tools/web-check.sh build/ci

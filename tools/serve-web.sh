#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the web page and serves it on this machine; prints the address.
# Usage: tools/serve-web.sh [PORT]   (default 8080)
set -euo pipefail
cd "$(dirname "$0")/.."
port=${1:-8080}

tools/install-deps.sh --web
cmake --preset web >/dev/null
cmake --build --preset web
echo "Delvarin Chooser is served at http://localhost:$port/  (Ctrl+C stops it)"
exec python3 -m http.server "$port" --bind 127.0.0.1 --directory build/web/site

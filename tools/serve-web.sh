#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the web page and serves it on this machine as a static host would,
# compressed (nginx); prints the address.
# Usage: tools/serve-web.sh [PORT]   (default 8080)
set -euo pipefail
cd "$(dirname "$0")/.."
port=${1:-8080}

tools/install-deps.sh --web
cmake --preset web >/dev/null
cmake --build --preset web
prefix="$PWD/build/web/nginx"
mkdir -p "$prefix"
user=""
[[ $(id -u) == 0 ]] && user="user root root;"  # nginx's own user cannot read root's home
sed -e "s|@ROOT@|$PWD/build/web/site|; s|@PORT@|$port|; s|@PREFIX@|$prefix|g; s|@USER@|$user|" web/nginx.conf \
  >"$prefix/nginx.conf"
echo "Delvarin Chooser is served at http://localhost:$port/  (Ctrl+C stops it)"
exec nginx -p "$prefix" -c "$prefix/nginx.conf"

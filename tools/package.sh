#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package; with --check also installs it, starts the
# installed program offscreen until its window is up, and removes it again.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release
(cd build/release && cpack -G DEB >/dev/null)
deb=$(ls -t build/release/delvarin-chooser_*.deb | head -n 1)
echo "built $deb"
dpkg-deb --field "$deb" Package Version Depends

[[ "${1:-}" == "--check" ]] || exit 0

sudo=""
[[ $(id -u) -ne 0 ]] && sudo="sudo"
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "./$deb" >/dev/null
trap 'DEBIAN_FRONTEND=noninteractive $sudo apt-get remove -y -qq delvarin-chooser >/dev/null' EXIT

for f in /usr/bin/delvarin-chooser /usr/bin/delvarin-list /usr/lib/delvarin-chooser/iransansz-webfont.ttf \
         /usr/share/applications/delvarin-chooser.desktop \
         /usr/share/icons/hicolor/48x48/apps/delvarin-chooser.png; do
  [[ -e "$f" ]] || { echo "package check: $f is missing" >&2; exit 1; }
done
# The installed program reports once its window is shown, then quits.
report=$(cd / && DELVARIN_SELF_CHECK=1 QT_QPA_PLATFORM=offscreen LC_ALL=fa_IR.UTF-8 \
         timeout 60 delvarin-chooser 2>/dev/null)
echo "$report" | grep -qx "names 6174" || { echo "package check: names not loaded" >&2; exit 1; }
echo "$report" | grep -qx "face IranSansZ" || { echo "package check: face not in use" >&2; exit 1; }
[[ "$(delvarin-list --mother مريم --boy --group 1 | head -n 1)" == $'ستايش (771)\r' ]] \
  || { echo "package check: delvarin-list gave another list" >&2; exit 1; }
echo "package check: installed program came up with its 6174 names in IranSansZ"

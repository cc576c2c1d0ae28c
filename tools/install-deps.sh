#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian/Ubuntu packages the build, the tests and the screenshots
# need; does nothing when all are there, so it is safe to run again.
set -euo pipefail

packages=(cmake ninja-build g++ git clang-format libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev libgl-dev libxcb1-dev dpkg-dev file xvfb xauth x11-utils xdotool imagemagick
          fonts-dejavu-core)
case "${1:-}" in
  --fuzz) packages+=(clang libclang-rt-14-dev) ;;
  # Real window managers and Wayland, for tools/desktop-check.sh.
  --desktop) packages+=(openbox weston qt6-wayland xclip) ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=""
[[ $(id -u) -ne 0 ]] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"

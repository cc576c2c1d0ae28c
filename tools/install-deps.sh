#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build, the tests and the screenshots need;
# does nothing when all are there, so it is safe to run again.
# Extras: --fuzz, --desktop (real window managers and Wayland), --windows
# (mingw-w64 and wine), --package (Debian's package checkers), --web
# (emscripten and Chromium).
set -euo pipefail

packages=(cmake ninja-build g++ git clang-format libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev libgl-dev libxcb1-dev dpkg-dev file xvfb xauth x11-utils xdotool imagemagick
          fonts-dejavu-core)
for extra in "$@"; do
  case "$extra" in
    --fuzz) packages+=(clang libclang-rt-14-dev) ;;
    --desktop) packages+=(openbox weston qt6-wayland xclip) ;;
    --windows) packages+=(g++-mingw-w64-x86-64-posix wine wine64 googletest locales) ;;
    --package) packages+=(lintian appstream desktop-file-utils) ;;
    --web) packages+=(emscripten chromium nodejs npm) ;;
    *) echo "install-deps: unknown option $extra" >&2; exit 64 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# npm comes with Node.js from other sources than Debian's.
[[ " ${missing[*]} " == *" npm "* ]] && command -v npm >/dev/null &&
  missing=("${missing[@]/npm/}")
[[ " ${missing[*]} " == *" nodejs "* ]] && command -v node >/dev/null &&
  missing=("${missing[@]/nodejs/}")
read -ra missing <<<"${missing[*]}"
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
if [[ $(id -u) -ne 0 ]]; then
  if ! command -v sudo >/dev/null; then
    echo "These Debian packages are missing: ${missing[*]}" >&2
    echo "Installing them needs root. Run this command as root, or install sudo and" >&2
    echo "give yourself the right to use it, or ask an administrator to run:" >&2
    echo "  apt-get install ${missing[*]}" >&2
    exit 1
  fi
  sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"

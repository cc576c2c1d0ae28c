#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages a task needs; does nothing when all are there,
# so it is safe to run again. Without options: what building everything and
# running the tests and screenshots need.
#   --run        only what building and starting the program needs
#   --fuzz, --desktop (real window managers, Wayland, a screen reader's
#   view), --windows (mingw-w64 and wine), --package (Debian's package
#   checkers), --web (emscripten, Chromium, Node.js, nginx): extras
set -euo pipefail

# Building the program, and starting it with or without a desktop.
packages=(cmake ninja-build g++ pkgconf qt6-base-dev qt6-base-private-dev libgl-dev libxcb1-dev
          libfontconfig-dev
          libwayland-dev qt6-wayland xvfb xauth fonts-dejavu-core)
tests=(git clang-format libgtest-dev libgmock-dev libbenchmark-dev dpkg-dev file x11-utils xdotool
       imagemagick)
run_only=0
for extra in "$@"; do
  case "$extra" in
    --run) run_only=1 ;;
    --fuzz) packages+=(clang libclang-rt-14-dev) ;;
    --desktop) packages+=(openbox icewm fluxbox i3-wm wmctrl weston xclip x11-xkb-utils dbus-x11 at-spi2-core python3-pyatspi) ;;
    --windows) packages+=(g++-mingw-w64-x86-64-posix wine wine64 googletest locales wixl msitools
                          openbox x11-xkb-utils) ;;
    --package) packages+=(lintian appstream desktop-file-utils) ;;
    --web) packages+=(emscripten chromium nodejs npm ca-certificates nginx-light python3-fonttools
                      python3-brotli) ;;
    *) echo "install-deps: unknown option $extra" >&2; exit 64 ;;
  esac
done
[[ $run_only -eq 1 ]] || packages+=("${tests[@]}")

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

ask_an_administrator() {
  echo "These Debian packages are missing: ${missing[*]}" >&2
  echo "Installing them needs root: $1" >&2
  echo "Otherwise ask an administrator to run:" >&2
  echo "  apt-get install ${missing[*]}" >&2
  exit 1
}
sudo=()
if [[ $(id -u) -ne 0 ]]; then
  command -v sudo >/dev/null ||
    ask_an_administrator "run this command as root, or install sudo and give yourself the right to use it."
  # Asks for the password once, before anything is installed.
  sudo -v || ask_an_administrator "sudo refused (it says why above)."
  sudo=(sudo)
fi

echo "Installing ${#missing[@]} Debian packages: ${missing[*]}"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! { "${sudo[@]}" apt-get update -q &&
       "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
         "${missing[@]}"; } >"$log" 2>&1; then
  tail -n 30 "$log" >&2
  echo "install-deps: apt-get failed (the last lines above)" >&2
  exit 1
fi
echo "Installed them ($(grep -c '^Setting up ' "$log" || true) packages set up in all)"

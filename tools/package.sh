#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package with Debian's compile and link flags and checks it
# with lintian, appstreamcli and desktop-file-validate, failing on any error or
# warning. With --check it also installs the package, starts the installed
# program offscreen until its window is up, and then leaves the machine as it
# found it: a copy installed before is left alone (the package is checked
# unpacked instead), and only the packages the check added are removed.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh --package
# Hardening and the rest of Debian's flags, as a Debian build would use them.
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
export CXXFLAGS="$CXXFLAGS $CPPFLAGS"
cmake --preset package --fresh >/dev/null
cmake --build --preset package
rm -f build/package/delvarin-chooser_*.deb
(cd build/package && cpack -G DEB >/dev/null)
deb=$(ls build/package/delvarin-chooser_*.deb)
echo "built $deb"
dpkg-deb --field "$deb" Package Version Depends

echo "lintian:"
lintian --fail-on error,warning --display-info "$deb"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
dpkg-deb -x "$deb" "$tmp/root"
echo "appstreamcli:"
appstreamcli validate --no-net "$tmp"/root/usr/share/metainfo/*.metainfo.xml
echo "desktop-file-validate:"
hints=$(desktop-file-validate "$tmp"/root/usr/share/applications/*.desktop 2>&1) || true
if [[ -n "$hints" ]]; then
  echo "$hints" >&2
  exit 1
fi
echo "  no errors, warnings or hints"

[[ "${1:-}" == "--check" ]] || exit 0

sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)
root=""
if dpkg-query -W -f='${Status}' delvarin-chooser 2>/dev/null | grep -q "install ok installed"; then
  echo "package check: delvarin-chooser $(dpkg-query -W -f='${Version}' delvarin-chooser) is" \
       "installed; checking the new package unpacked instead of replacing it"
  root=$tmp/root
else
  dpkg-query -W -f='${Package}\n' | sort >"$tmp/before"
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "./$deb" >/dev/null
  restore() {
    dpkg-query -W -f='${Package}\n' | sort >"$tmp/after"
    mapfile -t added < <(comm -13 "$tmp/before" "$tmp/after")
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get purge -y -qq "${added[@]}" >/dev/null
    rm -rf "$tmp"
  }
  trap restore EXIT
fi

for f in /usr/bin/delvarin-chooser /usr/bin/delvarin-list /usr/lib/delvarin-chooser/iransansz-webfont.ttf \
         /usr/share/applications/delvarin-chooser.desktop \
         /usr/share/icons/hicolor/48x48/apps/delvarin-chooser.png \
         /usr/share/man/man1/delvarin-list.1.gz /usr/share/doc/delvarin-chooser/copyright; do
  [[ -e "$root$f" ]] || { echo "package check: $f is missing" >&2; exit 1; }
done
# The installed program reports once its window is shown, then quits; under a
# non-Persian locale it reports the code-page warning instead of waiting on it.
for locale in fa_IR.UTF-8 C.UTF-8; do
  report=$(cd / && DELVARIN_SELF_CHECK=1 QT_QPA_PLATFORM=offscreen LC_ALL=$locale \
           timeout 60 "$root/usr/bin/delvarin-chooser" 2>/dev/null) \
    || { echo "package check: the program failed under $locale" >&2; exit 1; }
  echo "$report" | grep -qx "names 6174" || { echo "package check: names not loaded" >&2; exit 1; }
  echo "$report" | grep -qx "face IranSansZ" || { echo "package check: face not in use" >&2; exit 1; }
done
[[ "$("$root/usr/bin/delvarin-list" --mother مريم --boy --group 1 | head -n 1)" == $'ستايش (771)\r' ]] \
  || { echo "package check: delvarin-list gave another list" >&2; exit 1; }
echo "package check: installed program came up with its 6174 names in IranSansZ, in any locale"

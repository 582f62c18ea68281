#!/usr/bin/env bash
# Tests the packages that scripts/package.sh wrote into dist/, once installed:
#   - the .deb: lintian finds no error and no warning; apt-get install; the
#     installed brisel-convert converts the installed example into the same
#     bytes as the build tree's; the menu entry is valid; the installed brisel
#     opens its help file on F1; a purge leaves none of its files;
#   - the MSI under Wine: install, convert, shortcut, installed-programs entry,
#     an MSI of a later version replacing it, uninstall.
# Installs the package on this machine (as root or through sudo) and purges it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
built_convert="$root/build-package/cli/brisel-convert"
deb=$(ls dist/brisel_*_amd64.deb)
msi=$(ls dist/Brisel-*-x64.msi)
[ -x "$built_convert" ] || { echo "no $built_convert: run scripts/package.sh first" >&2; exit 1; }

scripts/install-deps.sh lintian desktop-file-utils xvfb xauth libx11-6 libxtst6 python3 wine wine64
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
work=$(mktemp -d "${TMPDIR:-/tmp}/brisel-package-test-XXXXXX")
source tests/packaging/checks.sh
apt() { $sudo env DEBIAN_FRONTEND=noninteractive apt-get -y -qq "$@" >>"$work/apt.log" 2>&1; }
convert_installed_example() { (cd "$work" && brisel-convert "$example" installed.net >/dev/null); }
not_installed() { ! dpkg -L brisel >/dev/null 2>&1; }
"$built_convert" examples/board.net "$work/built.net" >/dev/null

echo "== $deb"
check "lintian: no error and no warning" lintian --fail-on error,warning "$deb"
check "apt-get install ./$deb" apt install --no-install-recommends "./$deb"
dpkg -L brisel | sort >"$work/files"
example=/usr/share/doc/brisel/examples/board.net
check "installed brisel-convert converts $example" convert_installed_example
check "same bytes as the build tree's brisel-convert" cmp "$work/built.net" "$work/installed.net"
check "desktop-file-validate the menu entry" desktop-file-validate /usr/share/applications/brisel.desktop
opened=$(xvfb-run -a -s "-screen 0 800x600x24" tests/packaging/help_file_check.sh "$root" "$work" | tail -n 1)
check "F1 in the installed brisel opens /usr/share/brisel/Brisel.txt ($opened)" \
  test "$opened" = "file:///usr/share/brisel/Brisel.txt"
check "apt-get purge brisel" apt purge brisel
check "dpkg -L no longer lists brisel" not_installed
left=$(while read -r path; do if [ -f "$path" ] || [ -L "$path" ]; then echo "$path"; fi; done <"$work/files")
for folder in /usr/share/brisel /usr/share/doc/brisel; do
  if [ -e "$folder" ]; then left+=" $folder"; fi
done
check "no file of the package left${left:+: $left}" test -z "$left"

echo "== $msi under Wine"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-package/CMakeCache.txt)
later_version=$(echo "$version" | awk -F. '{ print $1 "." $2 "." $3 + 1 }')
maker=$(sed -n 's/^BRISEL_MAKER_NAME:STRING=//p' build-package/CMakeCache.txt)
packaging/make-msi.sh build-package/windows/Brisel-*-x64 "$later_version" "$work/later.msi" "$maker"
xvfb-run -a tests/packaging/msi_under_wine.sh "$root/$msi" "$version" "$work/later.msi" "$later_version" \
  "$work/built.net" "$work" || status=1

if [ "$status" = 0 ]; then
  rm -rf "$work"
  echo "Package tests passed"
else
  echo "Package tests FAILED (logs in $work)"
fi
exit "$status"

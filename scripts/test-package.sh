#!/usr/bin/env bash
# Tests the packages that scripts/package.sh wrote into dist/, once installed:
#   - the .deb: lintian finds no error and no warning; apt-get install; the
#     installed brisel-convert converts the installed example into the same
#     bytes as the build tree's; the menu entry is valid; a PADS netlist is
#     of the type application/x-pads-netlist, which the menu entry opens;
#     the installed brisel opens its help file on F1; a purge leaves none of
#     its files;
#   - the MSI under Wine: install, convert, shortcut, installed-programs entry,
#     an MSI of a later version replacing it, uninstall;
#   - the setup program under Wine, for the user and for everyone: install,
#     convert, Start-menu links, desktop shortcut, "Open with" entries and
#     the installed-programs entry, uninstall that leaves nothing;
#   - no package names an address at the example.org placeholder domain.
# Installs the package on this machine (as root or through sudo) and purges it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
built_convert="$root/build-package/cli/brisel-convert"
deb=$(ls dist/brisel_*_amd64.deb)
msi=$(ls dist/Brisel-*-x64.msi)
setup=$(ls dist/Brisel-*-setup.exe)
[ -x "$built_convert" ] || { echo "no $built_convert: run scripts/package.sh first" >&2; exit 1; }

# The desktop's file types and menu entries, as a desktop has them
# installed: installing the package updates their databases.
# wixl writes the MSI of the next version that must replace this one.
scripts/install-deps.sh lintian desktop-file-utils shared-mime-info xdg-utils libfile-mimeinfo-perl \
  xvfb xauth libx11-6 libxtst6 python3 wine wine64 wixl
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
cp "$example" "$work/board.asc"
for netlist in "$example" "$work/board.asc"; do
  type=$(xdg-mime query filetype "$netlist")
  check "xdg-mime query filetype $(basename "$netlist"): application/x-pads-netlist ($type)" \
    test "$type" = application/x-pads-netlist
done
opener=$(xdg-mime query default application/x-pads-netlist)
check "xdg-mime query default application/x-pads-netlist: brisel.desktop ($opener)" test "$opener" = brisel.desktop
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

echo "== no example.org address in the packages"
# An address at the placeholder domain, not the README's words about it.
placeholder='[@./]example\.org'
mkdir -p "$work/deb"
dpkg-deb -R "$deb" "$work/deb"
check "the .deb's files and control" test -z "$(grep -rlE "$placeholder" "$work/deb")"
check "the MSI" test -z "$(grep -alE "$placeholder" "$msi")"
check "the Windows programs and files" test -z "$(grep -rlE "$placeholder" build-package/windows)"

echo "== $msi under Wine"
cached() { sed -n "s/^$1:[A-Z]*=//p" build-package/CMakeCache.txt; }
numeric_version=$(cached CMAKE_PROJECT_VERSION)
later_version=$(echo "$numeric_version" | awk -F. '{ print $1 "." $2 "." $3 + 1 }')
# As the programs and the installed programs' list show them: 1.0.2 is 1.02.
shown() { echo "$1" | awk -F. '{ print $1 "." $2 $3 }'; }
packaging/make-msi.sh build-package/windows/Brisel-*-x64 "$later_version" "$work/later.msi" \
  "$(cached BRISEL_MAKER_NAME)" "$(cached BRISEL_MAKER_WEB)"
xvfb-run -a tests/packaging/msi_under_wine.sh "$root/$msi" "$(shown "$numeric_version")" "$work/later.msi" \
  "$(shown "$later_version")" "$work/built.net" "$work" || status=1

echo "== $setup under Wine"
xvfb-run -a tests/packaging/setup_under_wine.sh "$root/$setup" "$(shown "$numeric_version")" "$work/built.net" \
  "$work" || status=1

if [ "$status" = 0 ]; then
  rm -rf "$work"
  echo "Package tests passed"
else
  echo "Package tests FAILED (logs in $work)"
fi
exit "$status"

#!/usr/bin/env bash
# The MSI under Wine (run it under xvfb-run): a quiet install; the installed
# brisel-convert.exe converting the installed example into the same bytes as
# EXPECTED; the Start-menu shortcut and the installed-programs entry; an MSI
# of a later version replacing it; a quiet uninstall that leaves no program
# file, shortcut or entry.
#   msi_under_wine.sh MSI VERSION LATER_MSI LATER_VERSION EXPECTED WORK_DIR
set -uo pipefail
msi="$1"
version="$2"
later_msi="$3"
later_version="$4"
expected="$5"
work="$6"
source "$(dirname "$0")/../support/wine_prefix.sh"
fresh_wine_prefix "$work/wineprefix"
source "$(dirname "$0")/checks.sh"

folder="$WINEPREFIX/drive_c/Program Files/Brisel"
installed_files() { find "$folder" -type f 2>/dev/null | sort; }
# Wine puts an all-users install's shortcut into the user's Start menu.
shortcuts() { find "$WINEPREFIX/drive_c" -path "*/Start Menu/Programs/Brisel.lnk"; }
# The versions of Brisel in the list of installed programs, one a line.
listed_versions() {
  wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null | tr -d '\r' |
    awk '/^HKEY/ { if (name == "Brisel") print v; name = ""; v = "" }
         /DisplayName/ { name = $NF } /DisplayVersion/ { v = $NF }
         END { if (name == "Brisel") print v }'
}
msiexec() { wine msiexec "$1" "$(winepath -w "$2")" /qn; }
convert_installed_example() {
  wine 'C:\Program Files\Brisel\brisel-convert.exe' 'C:\Program Files\Brisel\examples\board.net' \
    "$(winepath -w "$work/msi-board.net")" >/dev/null
}

check "msiexec /i /qn" msiexec /i "$msi"
echo "installed:" && installed_files | sed "s|^$folder/|  |"
check "installed brisel-convert.exe converts the installed example" convert_installed_example
check "same bytes as the Linux build" cmp "$expected" "$work/msi-board.net"
check "Start-menu shortcut" test -n "$(shortcuts)"
check "installed-programs entry: Brisel $version" test "$(listed_versions)" = "$version"

check "msiexec /i /qn of version $later_version" msiexec /i "$later_msi"
check "version $later_version replaced $version: $(listed_versions | tr '\n' ' ')" \
  test "$(listed_versions)" = "$later_version"

check "msiexec /x /qn" msiexec /x "$later_msi"
check "no program file left" test -z "$(installed_files)"
check "no shortcut left" test -z "$(shortcuts)"
check "no installed-programs entry left" test -z "$(listed_versions)"
wineserver -k 2>/dev/null
exit "$status"

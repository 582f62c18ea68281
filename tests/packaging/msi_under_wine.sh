#!/usr/bin/env bash
# The MSI under Wine (run it under xvfb-run): a quiet install, the installed
# brisel-convert.exe converting the installed example into the same bytes as
# EXPECTED, the Start-menu shortcut and the installed-programs entry, then a
# quiet uninstall that leaves no program file and no shortcut.
#   msi_under_wine.sh MSI EXPECTED WORK_DIR
set -uo pipefail
msi="$1"
expected="$2"
work="$3"
export WINEPREFIX="$work/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot --init >/dev/null 2>&1

source "$(dirname "$0")/checks.sh"
folder="$WINEPREFIX/drive_c/Program Files/Brisel"
installed_files() { find "$folder" -type f 2>/dev/null | sort; }
# Wine puts an all-users install's shortcut into the user's Start menu.
shortcuts() { find "$WINEPREFIX/drive_c" -path "*/Start Menu/Programs/Brisel.lnk"; }
listed_as_installed() {
  wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null |
    grep -q 'DisplayName.*Brisel'
}
not_listed_as_installed() { ! listed_as_installed; }
convert_installed_example() {
  wine 'C:\Program Files\Brisel\brisel-convert.exe' 'C:\Program Files\Brisel\examples\board.net' \
    "$(winepath -w "$work/msi-board.net")" >/dev/null
}

check "msiexec /i /qn" wine msiexec /i "$(winepath -w "$msi")" /qn
echo "installed:" && installed_files | sed "s|^$folder/|  |"
check "installed brisel-convert.exe converts the installed example" convert_installed_example
check "same bytes as the Linux build" cmp "$expected" "$work/msi-board.net"
check "Start-menu shortcut" test -n "$(shortcuts)"
check "installed-programs entry" listed_as_installed

check "msiexec /x /qn" wine msiexec /x "$(winepath -w "$msi")" /qn
check "no program file left" test -z "$(installed_files)"
check "no shortcut left" test -z "$(shortcuts)"
check "no installed-programs entry left" not_listed_as_installed
wineserver -k 2>/dev/null
exit "$status"

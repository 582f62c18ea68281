#!/usr/bin/env bash
# The setup program under Wine (run it under xvfb-run), silently in both of
# its modes: for the user alone (/CurrentUser, in %LOCALAPPDATA%\Programs,
# with a desktop shortcut asked for) and for everyone (/AllUsers, in Program
# Files). Each time: the installed brisel-convert.exe converts the installed
# example into the same bytes as EXPECTED; the Start-menu links to Brisel
# and its help; the "Open with" entries for *.net and *.asc, which make
# Brisel the default of neither; the installed-programs entry with the
# version as the programs show it; then the uninstaller, which leaves no
# file, link or registry key of Brisel's.
#   setup_under_wine.sh SETUP VERSION EXPECTED WORK_DIR
set -uo pipefail
setup="$1"
version="$2"
expected="$3"
work="$4"
source "$(dirname "$0")/../support/wine_prefix.sh"
fresh_wine_prefix "$work/setup-prefix"
source "$(dirname "$0")/checks.sh"

# Every Wine process of a step, the uninstaller's copy of itself included,
# has ended before its results are looked at.
run() { wine "$@" >/dev/null 2>&1; wineserver -w; }
unix_path() { winepath -u "$(wine cmd /c echo "$1" 2>/dev/null | tr -d '\r')" 2>/dev/null; }
# A registry value's data; the key's default value without a NAME.
value() {
  if [ -n "${2:-}" ]; then set -- "$1" /v "$2"; else set -- "$1" /ve; fi
  wine reg query "$@" 2>/dev/null | tr -d '\r' | sed -n 's/^ *[^ ].*  *REG_[A-Z_]*  *//p' | grep -vx '(value not set)'
}
key_exists() { wine reg query "$1" >/dev/null 2>&1; }
key_absent() { ! key_exists "$1"; }
brisel_files() { find "$WINEPREFIX/drive_c" -iname "*brisel*" 2>/dev/null | sort; }
convert_installed_example() {
  wine "$folder\\brisel-convert.exe" "$folder\\examples\\board.net" "$(winepath -w "$work/setup-board.net")" >/dev/null
}

for mode in CurrentUser AllUsers; do
  if [ "$mode" = CurrentUser ]; then
    root=HKCU folder="$(wine cmd /c echo '%LOCALAPPDATA%' 2>/dev/null | tr -d '\r')\\Programs\\Brisel"
    menu=$(unix_path '%APPDATA%')"/Microsoft/Windows/Start Menu/Programs/Brisel"
    desktop=$(unix_path '%USERPROFILE%')/Desktop/Brisel.lnk
    options="/DesktopShortcut"
  else
    root=HKLM folder='C:\Program Files\Brisel'
    menu=$(unix_path '%ProgramData%')"/Microsoft/Windows/Start Menu/Programs/Brisel"
    desktop=""
    options=""
  fi
  uninstall_key="$root\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Brisel"
  echo "-- for $mode: $folder"
  rm -f "$work/setup-board.net"
  check "setup /S /$mode $options" run "$setup" /S "/$mode" $options
  check "installed brisel-convert.exe converts the installed example" convert_installed_example
  check "same bytes as the Linux build" cmp "$expected" "$work/setup-board.net"
  check "Start-menu links to Brisel and its help" test -f "$menu/Brisel.lnk" -a -f "$menu/Brisel Help.lnk"
  if [ -n "$desktop" ]; then check "desktop shortcut" test -f "$desktop"; fi
  command=$(value "$root\\Software\\Classes\\Applications\\brisel.exe\\shell\\open\\command")
  check "\"Open with\" opens brisel.exe ($command)" test "$command" = "\"$folder\\brisel.exe\" \"%1\""
  for extension in .net .asc; do
    check "\"Open with\" offers Brisel for $extension" \
      key_exists "$root\\Software\\Classes\\$extension\\OpenWithList\\brisel.exe"
    check "Brisel is not the default program for $extension" \
      test -z "$(value "$root\\Software\\Classes\\$extension")"
  done
  check "installed-programs entry: Brisel $version" test "$(value "$uninstall_key" DisplayVersion)" = "$version"
  check "the entry names no example.org" test -z "$(wine reg query "$uninstall_key" 2>/dev/null | grep example.org)"
  check "uninstall.exe /S" run "$folder\\uninstall.exe" "/$mode" /S
  check "no file or link of Brisel's left: $(brisel_files | tr '\n' ' ')" test -z "$(brisel_files)"
  for key in "$uninstall_key" "$root\\Software\\Classes\\Applications\\brisel.exe" \
    "$root\\Software\\Classes\\.net\\OpenWithList\\brisel.exe" "$root\\Software\\Classes\\.asc\\OpenWithList\\brisel.exe"; do
    check "no registry key left: $key" key_absent "$key"
  done
done
wineserver -k 2>/dev/null
exit "$status"

#!/usr/bin/env bash
# The Wine part of scripts/test-windows.sh; runs on a display (xvfb-run), so
# that every Wine process, the first included, has the same one.
#   run-under-wine.sh BUILD_DIR REPO_ROOT
set -uo pipefail
build="$1"
root="$2"

# One prefix per run, started once; a virtual desktop so that Wine draws the
# window frames itself and focus needs no window manager, large enough for the
# About box and the Problems window beside the main window; Wine's own fonts,
# MS Sans Serif among them.
source "$root/tests/support/wine_prefix.sh"
started=$SECONDS
fresh_wine_prefix "$build/wineprefix"
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f >/dev/null 2>&1
cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null
# What the window opens through the shell never reaches this machine's own
# browser or mail program.
wine reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /d '' /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\WineBrowser' /v Mailers /d '' /f >/dev/null 2>&1
wineserver -k 2>/dev/null  # the next start reads the desktop setting and the fonts
echo "Wine prefix ready in $((SECONDS - started)) s"

status=0
(cd "$build" && ctest --output-on-failure -LE gui) || status=1

# The same source must give the same bytes on Linux and on Windows.
linux_convert="$root/build/cli/brisel-convert"
if [ -x "$linux_convert" ]; then
  compare="$build/compare"
  # A Wine start that fails now and then (no file written) is shown and
  # tried once more; a conversion that ran and wrote other bytes is not.
  windows_convert() {
    local log="$2.log"
    wine "$build/brisel-convert.exe" "$(winepath -w "$1")" "$(winepath -w "$2")" >"$log" 2>&1
    if [ ! -e "$2" ]; then
      echo "no Windows output for $(basename "$1"), once more; Wine said:" && cat "$log"
      wine "$build/brisel-convert.exe" "$(winepath -w "$1")" "$(winepath -w "$2")" >"$log" 2>&1
    fi
  }
  rm -rf "$compare" && mkdir -p "$compare"
  for source in "$root"/tests/data/*.net "$root"/examples/*.net; do
    case "$source" in *.expected.net) continue ;; esac
    name="$(basename "$source" .net)"
    "$linux_convert" "$source" "$compare/$name.linux.net" >/dev/null 2>&1
    windows_convert "$source" "$compare/$name.windows.net"
    if [ -s "$compare/$name.linux.net" ] && cmp -s "$compare/$name.linux.net" "$compare/$name.windows.net"; then
      echo "same bytes on Linux and Windows: $name"
    else
      echo "DIFFERENT on Linux and Windows: $name"
      status=1
    fi
  done
  # A pin map numbers the same pins on Windows, and the template is the same
  # text, in the console's CR LF lines there.
  board="$root/tests/data/pin_map_board"
  "$linux_convert" --pin-map "$board.map" "$board.net" "$compare/pin_map.linux.net" >/dev/null 2>&1
  wine "$build/brisel-convert.exe" --pin-map "$(winepath -w "$board.map")" "$(winepath -w "$board.net")" \
    "$(winepath -w "$compare/pin_map.windows.net")" >/dev/null 2>&1
  (cd "$root/tests/data" && "$linux_convert" --pin-map-template pin_map_board.net) >"$compare/template.linux.map"
  (cd "$root/tests/data" && wine "$build/brisel-convert.exe" --pin-map-template pin_map_board.net) |
    tr -d '\r' >"$compare/template.windows.map"
  if [ -s "$compare/pin_map.linux.net" ] && cmp -s "$compare/pin_map.linux.net" "$compare/pin_map.windows.net" &&
     [ -s "$compare/template.linux.map" ] && cmp -s "$compare/template.linux.map" "$compare/template.windows.map"; then
    echo "same bytes on Linux and Windows: pin_map_board with its pin map, and its template"
  else
    echo "DIFFERENT on Linux and Windows: pin_map_board with its pin map, or its template"
    status=1
  fi
  # Also in a folder and under names outside every ANSI code page, given by
  # their absolute paths; the completion message names the target in UTF-8.
  # Wine reads the command line's bytes in the locale's encoding.
  scripts="$compare/Дмитрий Ωμέγα 设计 🔌"
  mkdir -p "$scripts" && cp "$root/examples/board.net" "$scripts/плата.net"
  "$linux_convert" "$scripts/плата.net" "$scripts/вывод.linux.net" >/dev/null 2>&1
  LC_ALL=C.UTF-8 wine "$build/brisel-convert.exe" "$(LC_ALL=C.UTF-8 winepath -w "$scripts/плата.net")" \
    "$(LC_ALL=C.UTF-8 winepath -w "$scripts/вывод.windows.net")" >"$compare/scripts.out" 2>&1
  if cmp -s "$scripts/вывод.linux.net" "$scripts/вывод.windows.net" &&
     grep -q "The new netlist file 'вывод.windows.net' has been created" "$compare/scripts.out"; then
    echo "same bytes on Linux and Windows: board in a folder named in four scripts"
  else
    echo "DIFFERENT on Linux and Windows: board in a folder named in four scripts"
    cat "$compare/scripts.out"
    status=1
  fi
else
  echo "no $linux_convert: Linux and Windows outputs not compared"
fi

shots="$build/screenshots"
rm -rf "$shots" && mkdir -p "$shots"
export BRISEL_SCREENSHOT_DIR="$(winepath -w "$shots")"
(cd "$build" && ctest --output-on-failure -L gui) || status=1
for window in main about problems; do
  if [ -f "$shots/$window.bmp" ]; then
    python3 "$root/tests/windows/bmp_to_png.py" "$shots/$window.bmp" "$shots/screenshot-wine-$window.png"
  fi
done
wineserver -k 2>/dev/null
exit "$status"

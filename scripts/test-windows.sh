#!/usr/bin/env bash
# Builds the Windows programs and their tests into build-windows-tests/ and
# runs them under Wine: the engine's unit tests, the command-line tests with
# Windows paths, a byte-for-byte comparison with the Linux converter when
# build/ has one, and the window test on Xvfb with screenshots.
#   scripts/test-windows.sh            (BRISEL_SCREENSHOTS=1 also updates docs/)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-windows-tests"

"$root/scripts/install-deps.sh" g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 python3 \
  wine wine64 fonts-wine xvfb xauth
BRISEL_WINDOWS_TESTS=ON "$root/scripts/build-windows.sh" "$build" >/dev/null

# One Wine prefix per run, started once; a virtual desktop so that Wine
# draws the window frames itself and focus does not depend on a window
# manager; Wine's own fonts, MS Sans Serif among them.
export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
rm -rf "$WINEPREFIX"
started=$SECONDS
wineboot --init >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
wineserver -w
echo "Wine prefix ready in $((SECONDS - started)) s"
trap 'wineserver -k 2>/dev/null || true' EXIT

status=0
(cd "$build" && ctest --output-on-failure -LE gui) || status=1

# The same source must give the same bytes on Linux and on Windows.
linux_convert="$root/build/cli/brisel-convert"
if [ -x "$linux_convert" ]; then
  compare="$build/compare"
  rm -rf "$compare" && mkdir -p "$compare"
  for source in "$root"/tests/data/*.net "$root"/examples/*.net; do
    case "$source" in *.expected.net) continue ;; esac
    name="$(basename "$source" .net)"
    "$linux_convert" "$source" "$compare/$name.linux.net" >/dev/null 2>&1 || true
    wine "$build/brisel-convert.exe" "$(winepath -w "$source")" \
      "$(winepath -w "$compare/$name.windows.net")" >/dev/null 2>&1 || true
    if cmp -s "$compare/$name.linux.net" "$compare/$name.windows.net"; then
      echo "same bytes on Linux and Windows: $name"
    else
      echo "DIFFERENT on Linux and Windows: $name"; status=1
    fi
  done
else
  echo "no $linux_convert: Linux and Windows outputs not compared"
fi

shots="$build/screenshots"
rm -rf "$shots" && mkdir -p "$shots"
export BRISEL_SCREENSHOT_DIR="$(winepath -w "$shots")"
xvfb-run -a -s "-screen 0 1024x768x24" \
  bash -c 'cd "$1" && ctest --output-on-failure -L gui; s=$?; wineserver -k; exit $s' _ "$build" || status=1
for window in main about; do
  if [ -f "$shots/$window.bmp" ]; then
    python3 "$root/tests/windows/bmp_to_png.py" "$shots/$window.bmp" "$shots/screenshot-wine-$window.png"
    if [ "${BRISEL_SCREENSHOTS:-0}" = 1 ]; then cp "$shots/screenshot-wine-$window.png" "$root/docs/"; fi
  fi
done
[ "$status" = 0 ] && echo "Windows tests passed" || echo "Windows tests FAILED"
exit "$status"

#!/usr/bin/env bash
# Builds the Windows programs and their tests into build-windows-tests/ and
# runs them under Wine: the engine's unit tests, the command-line tests with
# Windows paths, a byte-for-byte comparison with the Linux converter when
# build/ has one, and the window test on Xvfb with screenshots.
#   scripts/test-windows.sh            (BRISEL_SCREENSHOTS=1 also updates docs/)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-windows-tests"
# Wine names files on the Unix side in the locale's encoding: UTF-8, so that
# names in any script can be made.
export LC_ALL=C.UTF-8

"$root/scripts/install-deps.sh" g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 python3 \
  wine wine64 fonts-wine xvfb xauth
BRISEL_WINDOWS_TESTS=ON "$root/scripts/build-windows.sh" "$build" >/dev/null

status=0
xvfb-run -a -s "-screen 0 1280x1024x24" "$root/tests/windows/run-under-wine.sh" "$build" "$root" || status=1
if [ "${BRISEL_SCREENSHOTS:-0}" = 1 ]; then
  cp "$build"/screenshots/screenshot-wine-*.png "$root/docs/"
fi
[ "$status" = 0 ] && echo "Windows tests passed" || echo "Windows tests FAILED"
exit "$status"

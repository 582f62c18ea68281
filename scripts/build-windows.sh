#!/usr/bin/env bash
# Cross-compiles the native Windows programs, brisel.exe (the window) and
# brisel-convert.exe (the command line), into build-windows/ with Debian's
# mingw-w64. Both are linked statically and need only the system's DLLs.
#   scripts/build-windows.sh [BUILD_DIR [CMAKE_OPTION...]]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build-windows}"
shift || true

"$root/scripts/install-deps.sh" g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 python3

# A folder configured from another source folder starts afresh.
if [ -f "$build/CMakeCache.txt" ] && ! grep -qx "CMAKE_HOME_DIRECTORY:INTERNAL=$root" "$build/CMakeCache.txt"; then
  rm -rf "$build/CMakeCache.txt" "$build/CMakeFiles"
fi
cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release \
  -DBRISEL_BUILD_TESTS="${BRISEL_WINDOWS_TESTS:-OFF}" "$@" >/dev/null
cmake --build "$build" -j2
ls -l "$build/brisel.exe" "$build/brisel-convert.exe"

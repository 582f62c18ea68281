#!/usr/bin/env bash
# Builds the Linux and the Windows programs and packs them into dist/:
#   brisel_<version>_amd64.deb   the Debian package (CPack, built in build-package/)
#   Brisel-<version>-x64.msi     the Windows installer (wixl, packaging/brisel.wxs)
#   Brisel-<version>-x64.zip     the same Windows files, to use without installing
# scripts/test-package.sh then tests them once installed.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
build="$root/build-package"
windows_build="$root/build-windows"
dist="$root/dist"

# dpkg-shlibdeps and file work out the package's dependencies; wixl writes the MSI.
scripts/install-deps.sh dpkg-dev file wixl

echo "== Linux programs and the Debian package ($build)"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRISEL_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --parallel 2
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
numeric_version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
maker=$(sed -n 's/^BRISEL_MAKER_NAME:STRING=//p' "$build/CMakeCache.txt")
(cd "$build" && cpack -G DEB >/dev/null)
rm -rf "$dist" && mkdir -p "$dist"
cp "$build/brisel_${version}_amd64.deb" "$dist/"

echo "== Windows programs ($windows_build)"
scripts/build-windows.sh "$windows_build" >/dev/null
name="Brisel-${version}-x64"
stage="$build/windows/$name"
rm -rf "$build/windows" && mkdir -p "$stage/examples"
cp "$windows_build/brisel.exe" "$windows_build/brisel-convert.exe" "$windows_build/Brisel.txt" "$stage/"
cp examples/board.net "$stage/examples/"
(cd "$build/windows" && cmake -E tar cf "$dist/$name.zip" --format=zip "$name")
packaging/make-msi.sh "$stage" "$numeric_version" "$dist/$name.msi" "$maker"

ls -l "$dist"

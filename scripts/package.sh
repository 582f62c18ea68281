#!/usr/bin/env bash
# Builds the Linux and the Windows programs and packs them into dist/:
#   brisel_<version>_amd64.deb    the Debian package (CPack, built in build-package/)
#   Brisel-<version>-setup.exe    the Windows installer (NSIS, packaging/brisel.nsi)
#   Brisel-<version>-x64.msi      the Windows installer for silent deployment (wixl, packaging/brisel.wxs)
#   Brisel-<version>-x64.zip      the same Windows files, to use without installing
# scripts/test-package.sh then tests them once installed.
#
#   scripts/package.sh [--maker-name NAME] [--maker-email ADDRESS] [--maker-web URL] [--maker-address LINE]
#   scripts/package.sh --unbranded [--maker-name NAME]
# The maker is named in the About box, the programs' version resources and
# the packages. Options not given keep what build-package/'s CMake cache
# holds (BRISEL_MAKER_*, set by an earlier run or by hand). A package that
# would name the example.org placeholders, or no e-mail or web address, is
# refused; --unbranded builds one that names no address at all.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
build="$root/build-package"
windows_build="$root/build-windows"
dist="$root/dist"

usage() {
  sed -n 's/^#   //p' "$0" >&2
  exit 2
}

maker_options=()
unbranded=0
while [ "$#" -gt 0 ]; do
  case "$1" in
    --maker-name) maker_options+=("-DBRISEL_MAKER_NAME=${2?}") ;;
    --maker-email) maker_options+=("-DBRISEL_MAKER_EMAIL=${2?}") ;;
    --maker-web) maker_options+=("-DBRISEL_MAKER_WEB=${2?}") ;;
    --maker-address) maker_options+=("-DBRISEL_MAKER_ADDRESS=${2?}") ;;
    --unbranded) unbranded=1; shift; continue ;;
    *) usage ;;
  esac
  shift 2
done
if [ "$unbranded" = 1 ]; then
  maker_options+=(-DBRISEL_MAKER_ADDRESS= -DBRISEL_MAKER_EMAIL= -DBRISEL_MAKER_WEB=)
fi

# dpkg-shlibdeps and file work out the package's dependencies; wixl writes
# the MSI, makensis the installer.
scripts/install-deps.sh dpkg-dev file wixl nsis

echo "== Linux programs and the Debian package ($build)"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRISEL_BUILD_TESTS=OFF "${maker_options[@]}" >/dev/null
cached() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
maker=$(cached BRISEL_MAKER_NAME)
email=$(cached BRISEL_MAKER_EMAIL)
web=$(cached BRISEL_MAKER_WEB)
source packaging/maker-check.sh
if [ "$unbranded" = 0 ] && ! maker_addresses_usable "$email" "$web"; then
  echo "scripts/package.sh: the maker's e-mail address ('$email') and web address ('$web') are" \
    "placeholders or missing." >&2
  echo "Give --maker-name, --maker-email and --maker-web, or --unbranded for packages that name no address." >&2
  exit 2
fi
cmake --build "$build" --parallel 2
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
numeric_version=$(cached CMAKE_PROJECT_VERSION)
copyright=$(sed -n 's/^#define BRISEL_COPYRIGHT "\(.*\)"$/\1/p' "$build/generated/brisel_maker.h")
(cd "$build" && cpack -G DEB >/dev/null)
rm -rf "$dist" && mkdir -p "$dist"
cp "$build/brisel_${version}_amd64.deb" "$dist/"

echo "== Windows programs ($windows_build)"
scripts/build-windows.sh "$windows_build" "${maker_options[@]}" >/dev/null
name="Brisel-${version}-x64"
stage="$build/windows/$name"
rm -rf "$build/windows" && mkdir -p "$stage/examples"
cp "$windows_build/brisel.exe" "$windows_build/brisel-convert.exe" "$windows_build/Brisel.txt" "$stage/"
cp examples/board.net "$stage/examples/"
(cd "$build/windows" && cmake -E tar cf "$dist/$name.zip" --format=zip "$name")
packaging/make-msi.sh "$stage" "$numeric_version" "$dist/$name.msi" "$maker" "$web"
packaging/make-setup.sh "$stage" "$numeric_version" "$dist/Brisel-${version}-setup.exe" "$maker" "$copyright" "$web"

ls -l "$dist"

#!/usr/bin/env bash
# Installs the Debian packages that building and testing Brisel need, only
# those that are missing. Runs as root (or through sudo when it is there).
set -euo pipefail

packages=(
  g++ cmake ninja-build pkgconf        # the compiler and build tools
  libgtest-dev                         # the unit test framework
  qt6-base-dev                         # the window on Linux (Qt 6 Widgets)
  xvfb xauth fonts-dejavu-core         # a display and fonts for the window tests
  time                                 # /usr/bin/time for the benchmark's memory figures
  groff-base                           # the check that the manual pages render without warnings
)
if [ "$#" -gt 0 ]; then packages+=("$@"); fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ "${#missing[@]}" -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
log=$(mktemp "${TMPDIR:-/tmp}/brisel-apt-XXXXXX.log")
if ! { $sudo apt-get update -qq && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq \
         --no-install-recommends "${missing[@]}"; } >"$log" 2>&1; then
  cat "$log" >&2
  echo "Installing the packages failed (log: $log)" >&2
  exit 1
fi
rm -f "$log"

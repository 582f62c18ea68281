#!/usr/bin/env bash
# Builds the page into build-web/site/ with Debian's Emscripten: the engine
# and the read-back check compiled to WebAssembly with SIMD, the page, its
# script and its stylesheet. Serve that folder with any static web server.
# --plain builds the engine without SIMD, on its plain C++ paths, into
# build-web-plain/site/.
set -euo pipefail
cd "$(dirname "$0")/.."
folder=build-web
simd=ON
if [ "${1:-}" = --plain ]; then
  folder=build-web-plain
  simd=OFF
fi
scripts/install-deps.sh emscripten
# Emscripten's optimizer runs on node and needs Debian's acorn module, which a
# node from elsewhere does not look for.
export NODE_PATH=${NODE_PATH:+$NODE_PATH:}/usr/share/nodejs
emcmake cmake -S . -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DBRISEL_BUILD_GUI=OFF -DBRISEL_BUILD_TESTS=OFF -DBRISEL_WEB_SIMD="$simd" >/dev/null
cmake --build "$folder" --parallel 2 --target brisel-site
du -cb "$folder"/site/* | tail -n 1 | awk -v f="$folder" '{printf "%s/site: %d bytes\n", f, $1}'

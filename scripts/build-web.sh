#!/usr/bin/env bash
# Builds the page into build-web/site/ with Debian's Emscripten: the engine
# and the read-back check compiled to WebAssembly, the page, its script and
# its stylesheet. Serve that folder with any static web server.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh emscripten
# Emscripten's optimizer runs on node and needs Debian's acorn module, which a
# node from elsewhere does not look for.
export NODE_PATH=${NODE_PATH:+$NODE_PATH:}/usr/share/nodejs
emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DBRISEL_BUILD_GUI=OFF -DBRISEL_BUILD_TESTS=OFF >/dev/null
cmake --build build-web --parallel 2 --target brisel-site
du -cb build-web/site/* | tail -n 1 | awk '{printf "build-web/site: %d bytes\n", $1}'

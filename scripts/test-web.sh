#!/usr/bin/env bash
# Builds the page (with WebAssembly SIMD, and without) and a release
# brisel-convert, then converts every netlist of tests/data/ and examples/
# through both pages in headless Chromium and compares each result with
# brisel-convert's; works the page by keyboard, drag and drop, from the disk
# and offline; and prints its speed against brisel-convert's with the targets
# it must meet. BRISEL_SCREENSHOTS=1 also copies the page's pictures into
# docs/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh chromium chromium-driver python3-selenium
scripts/build-web.sh
scripts/build-web.sh --plain
scripts/build.sh brisel-convert brisel-gen-netlist
pictures=build-web/screenshots
/usr/bin/python3 tests/web/page_test.py --plain-site build-web-plain/site build-web/site build/cli/brisel-convert \
  build/bench/brisel-gen-netlist "$pictures" tests/data/*.net examples/*.net
if [ "${BRISEL_SCREENSHOTS:-0}" = 1 ]; then cp "$pictures"/screenshot-web-*.png docs/; fi

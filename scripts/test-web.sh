#!/usr/bin/env bash
# Builds the page and brisel-convert, then converts every netlist of
# tests/data/ and examples/ (and the benchmark's large netlist) through the
# page in headless Chromium and compares each result with brisel-convert's.
# BRISEL_SCREENSHOTS=1 also copies the page's pictures into docs/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh chromium chromium-driver python3-selenium
scripts/build-web.sh
scripts/build.sh brisel-convert brisel-gen-netlist
pictures=build-web/screenshots
/usr/bin/python3 tests/web/page_test.py build-web/site build/cli/brisel-convert \
  build/bench/brisel-gen-netlist "$pictures" tests/data/*.net examples/*.net
if [ "${BRISEL_SCREENSHOTS:-0}" = 1 ]; then cp "$pictures"/screenshot-web-*.png docs/; fi

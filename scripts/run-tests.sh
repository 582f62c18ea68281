#!/usr/bin/env bash
# Builds everything and runs every test; then the engine's portable paths,
# which processors without SSE2 take, through the engine's and the command
# line's tests built without SSE2 (build-portable/).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
(cd build && ctest --output-on-failure --parallel 2)

echo "== The engine without SSE2 (build-portable)"
cmake -S . -B build-portable -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRISEL_SSE2=OFF -DBRISEL_BUILD_GUI=OFF >/dev/null
cmake --build build-portable --parallel 2 --target brisel_convert_tests brisel_cli_tests brisel-convert
build-portable/tests/convert/brisel_convert_tests --gtest_brief=1
build-portable/tests/cli/brisel_cli_tests --gtest_brief=1

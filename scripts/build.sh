#!/usr/bin/env bash
# Configures and builds Brisel in build/ (installing missing packages first).
# Extra arguments are build targets; none builds everything.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
if [ "$#" -gt 0 ]; then
  cmake --build build --parallel 2 --target "$@"
else
  cmake --build build --parallel 2
fi

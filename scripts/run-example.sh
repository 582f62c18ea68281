#!/usr/bin/env bash
# Builds brisel-convert and converts the bundled example board.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh brisel-convert
mkdir -p build/example
echo "\$ brisel-convert examples/board.net build/example/board-expresspcb.net"
build/cli/brisel-convert examples/board.net build/example/board-expresspcb.net
echo
echo "--- build/example/board-expresspcb.net (first 40 lines) ---"
head -n 40 build/example/board-expresspcb.net | tr -d '\r'

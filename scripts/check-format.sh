#!/usr/bin/env bash
# Checks that every C++ file of the repository is formatted as .clang-format
# says; prints the places that are not and fails. Run
#   git ls-files '*.cpp' '*.h' | xargs clang-format -i
# to format them.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh clang-format
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
echo "clang-format: every C++ file is formatted"

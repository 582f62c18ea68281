#!/usr/bin/env bash
# Which makers' addresses scripts/package.sh lets into a package.
#   maker_check_test.sh SOURCE_DIR
set -uo pipefail
source "$1/packaging/maker-check.sh"
source "$1/tests/packaging/checks.sh"
usable() { maker_addresses_usable "$1" "$2"; }
refused() { ! maker_addresses_usable "$1" "$2"; }
check "a maker's own addresses" usable "sales@maker.test" "https://maker.test/"
check "the placeholders are refused" refused "brisel@example.org" "https://www.example.org/brisel/"
check "a placeholder e-mail address is refused" refused "brisel@example.org" "https://maker.test/"
check "a placeholder web address is refused" refused "sales@maker.test" "https://example.org/"
check "a missing e-mail address is refused" refused "" "https://maker.test/"
check "a missing web address is refused" refused "sales@maker.test" ""
exit "$status"

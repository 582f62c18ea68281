# Sourced by scripts/package.sh and its test. A package names the maker's
# e-mail and web addresses only when the maker gave both and neither is one
# of the example.org placeholders that a build has until it is configured.
#   maker_addresses_usable EMAIL WEB
maker_addresses_usable() {
  local address
  for address in "$1" "$2"; do
    case "$address" in
      "" | *example.org*) return 1 ;;
    esac
  done
}

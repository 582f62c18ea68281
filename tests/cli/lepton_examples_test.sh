#!/usr/bin/env bash
# Netlists written by a real schematic tool: lepton-netlist's PADS backend
# over the example schematics that lepton-eda ships in its documentation
# folder, each converted with --verify --strict and checked against a count
# of its own (netlist_checks.py).
#   lepton_examples_test.sh BRISEL_CONVERT
set -euo pipefail
convert=$(realpath "$1")
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
"$root/scripts/install-deps.sh" lepton-eda python3

examples=/usr/share/doc/lepton-eda/examples
if [ ! -d "$examples" ]; then
  echo "lepton-eda's examples are not in $examples" >&2
  exit 1
fi
work=$(mktemp -d "${TMPDIR:-/tmp}/brisel-lepton.XXXXXX")
trap 'rm -rf "$work"' EXIT
# Some are gzipped, and each folder has a gafrc that finds its own symbols:
# they are netlisted in a copy, from their own folders.
cp -r "$examples" "$work/examples"
find "$work/examples" -name '*.gz' -exec gunzip -f {} +

passed=0
failed=0
fail() {
  echo "FAIL $1" >&2
  failed=$((failed + 1))
}
while IFS= read -r -d '' schematic; do
  folder=$(dirname "$schematic")
  name="$(basename "$folder")-$(basename "$schematic" .sch)"
  netlist="$work/$name.net"
  if ! (cd "$folder" && lepton-netlist -g pads -o "$netlist" "$(basename "$schematic")") >"$work/$name.log" 2>&1; then
    cat "$work/$name.log" >&2
    fail "$name: lepton-netlist failed"
    continue
  fi
  status=0
  (cd "$work" && "$convert" --verify --strict "$name.net" "$name.expresspcb.net") >"$work/$name.out" 2>"$work/$name.err" ||
    status=$?
  if [ "$status" -ne 0 ] || [ -s "$work/$name.err" ]; then
    cat "$work/$name.out" "$work/$name.err" >&2
    fail "$name: brisel-convert --verify --strict exited $status"
    continue
  fi
  if python3 "$root/tests/cli/netlist_checks.py" "$netlist" "$work/$name.expresspcb.net" "$work/$name.out"; then
    echo "ok   $name: $(tail -n 1 "$work/$name.out")"
    passed=$((passed + 1))
  else
    fail "$name"
  fi
done < <(find "$work/examples" -name '*.sch' -print0 | sort -z)

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]

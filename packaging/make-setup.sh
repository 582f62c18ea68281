#!/usr/bin/env bash
# Writes the Windows installer from packaging/brisel.nsi with makensis:
#   packaging/make-setup.sh STAGE VERSION OUTPUT MAKER COPYRIGHT [WEB]
# STAGE holds brisel.exe, brisel-convert.exe, Brisel.txt and
# examples/board.net; VERSION is numeric (1.0.2); WEB, the maker's web
# address, may be empty.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
stage="$(cd "$1" && pwd)"
IFS=. read -r major minor patch <<<"$2"
output="$(realpath -m "$3")"
maker="$4"
copyright="$5"
web="${6:-}"
work="$(mktemp -d "${TMPDIR:-/tmp}/brisel-setup-XXXXXX")"
trap 'rm -rf "$work"' EXIT
# The licence page reads CR LF line ends.
sed 's/$/\r/' "$root/packaging/licence.txt" >"$work/licence.txt"
makensis -V2 -NOCD \
  -DVERSION="$major.$minor$patch" -DFILE_VERSION="$major.$minor.0.$patch" \
  -DMAKER="$maker" -DCOPYRIGHT="$copyright" -DWEB="$web" \
  -DSTAGE="$stage" -DICON="$root/resources/brisel.ico" -DLICENCE="$work/licence.txt" \
  -DOUTFILE="$output" "$root/packaging/brisel.nsi"

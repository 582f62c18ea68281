#!/usr/bin/env bash
# Writes the Windows installer for silent deployment from
# packaging/brisel.wxs with wixl:
#   packaging/make-msi.sh STAGE VERSION OUTPUT MANUFACTURER [WEB]
# STAGE holds brisel.exe, brisel-convert.exe, Brisel.txt and
# examples/board.net; VERSION is numeric (1.0.2): the MSI carries it as the
# programs show it (1.02), which is what the list of installed programs
# shows. WEB, the maker's web address, may be empty.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
stage="$(cd "$1" && pwd)"
IFS=. read -r major minor patch <<<"$2"
output="$(realpath -m "$3")"
manufacturer="$4"
web="${5:-}"
# wixl takes the files' paths relative to the current folder only.
cd "$(dirname "$stage")"
wixl -a x64 -D Version="$major.$minor$patch" -D Stage="$(basename "$stage")" -D Manufacturer="$manufacturer" \
  -D Web="$web" -D Icon="$(realpath --relative-to=. "$root/resources/brisel.ico")" -o "$output" \
  "$root/packaging/brisel.wxs"

#!/usr/bin/env bash
# Writes the Windows installer from packaging/brisel.wxs with wixl:
#   packaging/make-msi.sh STAGE VERSION OUTPUT MANUFACTURER
# STAGE holds brisel.exe, brisel-convert.exe, Brisel.txt and
# examples/board.net; VERSION is numeric (1.0.2).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
stage="$(cd "$1" && pwd)"
version="$2"
output="$(realpath -m "$3")"
manufacturer="$4"
# wixl takes the files' paths relative to the current folder only.
cd "$(dirname "$stage")"
wixl -a x64 -D Version="$version" -D Stage="$(basename "$stage")" -D Manufacturer="$manufacturer" \
  -D Icon="$(realpath --relative-to=. "$root/windows/resources/brisel.ico")" -o "$output" "$root/packaging/brisel.wxs"

#!/usr/bin/env bash
# Starts brisel under Xvfb and saves pictures of the main window and the
# About box into docs/.  Usage: scripts/screenshot.sh [BUILD_DIR]
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
program="$build/app/brisel"
[ -x "$program" ] || { echo "no brisel at $program; build it first" >&2; exit 1; }

if [ -z "${BRISEL_IN_XVFB:-}" ]; then
  export BRISEL_IN_XVFB=1
  exec xvfb-run -a -s "-screen 0 800x600x24 -dpi 96" "$0" "$build"
fi

capture="$root/scripts/x11_capture.py"
QT_QPA_PLATFORM=xcb "$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

python3 "$capture" wait-and-grab "Brisel" "$root/docs/screenshot-main.png"
python3 "$capture" keys "Alt_L+h" "a"
python3 "$capture" wait-and-grab "About Brisel" "$root/docs/screenshot-about.png"
echo "saved docs/screenshot-main.png and docs/screenshot-about.png"

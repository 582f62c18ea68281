#!/usr/bin/env bash
# Starts brisel under Xvfb on tests/data/every_problem.net and saves pictures
# of the main window, the About box and, after the conversion, the Problems
# window into docs/.  Usage: scripts/screenshot.sh [BUILD_DIR]
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
program="$(realpath -m "$build/app/brisel")"
[ -x "$program" ] || { echo "no brisel at $program; build it first" >&2; exit 1; }

if [ -z "${BRISEL_IN_XVFB:-}" ]; then
  export BRISEL_IN_XVFB=1
  exec xvfb-run -a -s "-screen 0 800x600x24 -dpi 96" "$0" "$build"
fi

capture="$root/scripts/x11_capture.py"
# Paths relative to a scratch folder, so that the boxes show no temporary
# folder's name.
work="$(mktemp -d)"
mkdir "$work/examples"
cp "$root/tests/data/every_problem.net" "$work/examples/"
(cd "$work" && QT_QPA_PLATFORM=xcb exec "$program" examples/every_problem.net examples/every_problem_expresspcb.net) &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT

python3 "$capture" wait-and-grab "Brisel" "$root/docs/screenshot-main.png"
python3 "$capture" keys "Alt_L+h" "a"
python3 "$capture" wait-and-grab "About Brisel" "$root/docs/screenshot-about.png"
# Esc closes the About box; Enter presses OK, then closes the five warnings
# and the completion message one by one; a click opens the File menu (after
# the message boxes Alt+F reaches the source box as a plain F) and P chooses
# Problems...
python3 "$capture" keys "Escape" "Return"
for box in 1 2 3 4 5 6; do
  sleep 0.7
  python3 "$capture" keys "Return"
done
python3 "$capture" click "Brisel" 15 8
python3 "$capture" keys "p"
python3 "$capture" wait-and-grab "Problems" "$root/docs/screenshot-problems.png"
echo "saved docs/screenshot-main.png, docs/screenshot-about.png and docs/screenshot-problems.png"

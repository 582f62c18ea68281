#!/usr/bin/env bash
# Starts brisel under Xvfb as a new user would meet an installed copy and
# saves pictures into docs/: the main window with its first defaults, the
# About box beside it, and, after converting tests/data/every_problem.net, the
# Problems window beside it.  Usage: scripts/screenshot.sh [BUILD_DIR]
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
program="$(realpath -m "$build/app/brisel")"
[ -x "$program" ] || { echo "no brisel at $program; build it first" >&2; exit 1; }

if [ -z "${BRISEL_IN_XVFB:-}" ]; then
  "$root/scripts/install-deps.sh" xdg-user-dirs
  export BRISEL_IN_XVFB=1
  # -ac: a program run as another user (below) may use the display too.
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96 -ac" "$0" "$build"
fi

capture="$root/scripts/x11_capture.py"
# An installed copy: the program in a folder its user may not write, and a
# home whose documents folder xdg-user-dir names.
work="$(mktemp -d)"
chmod 755 "$work"
mkdir -p "$work/opt/brisel" "$work/home/pat/.config" "$work/home/pat/Documents"
cp "$program" "$build/app/Brisel.txt" "$work/opt/brisel/"
cp "$root/tests/data/every_problem.net" "$work/home/pat/Documents/"
echo 'XDG_DOCUMENTS_DIR="$HOME/Documents"' > "$work/home/pat/.config/user-dirs.dirs"
chmod 555 "$work/opt/brisel"
# Root may write anywhere: the program then runs as nobody, as a user would.
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  chown -R nobody "$work/home/pat"
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
(cd "$work/home/pat" && exec env -u XAUTHORITY HOME="$work/home/pat" QT_QPA_PLATFORM=xcb \
  "${as_user[@]}" "$work/opt/brisel/brisel") &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT

python3 "$capture" wait-and-grab "Brisel" "$root/docs/screenshot-main.png"
python3 "$capture" keys "Alt_L+h" "a"
python3 "$capture" wait-and-grab "Brisel" "About Brisel" "$root/docs/screenshot-about.png"
# Esc closes the About box. The source box has the focus: its text is
# replaced by a name, which the box takes as a file in the documents folder;
# Enter presses OK, then closes the five warnings and the completion message
# one by one; a click opens the File menu (after the message boxes Alt+F
# reaches the source box as a plain F) and P chooses Problems...
python3 "$capture" keys "Escape" "Home" "Shift_L+End" "BackSpace"
python3 "$capture" type "every_problem.net"
python3 "$capture" keys "Return"
for box in 1 2 3 4 5 6; do
  sleep 0.7
  python3 "$capture" keys "Return"
done
python3 "$capture" click "Brisel" 15 8
python3 "$capture" keys "p"
python3 "$capture" wait-and-grab "Brisel" "Problems - Brisel" "$root/docs/screenshot-problems.png"
echo "saved docs/screenshot-main.png, docs/screenshot-about.png and docs/screenshot-problems.png"

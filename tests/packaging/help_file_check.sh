#!/usr/bin/env bash
# Starts the installed brisel on an X display (run it under xvfb-run),
# presses F1 and prints the address that the window handed to the desktop:
# a stand-in xdg-open records it instead of opening a viewer.
#   help_file_check.sh REPO_ROOT WORK_DIR
set -euo pipefail
root="$1"
work="$2"
mkdir -p "$work/desktop"
cat >"$work/desktop/xdg-open" <<END
#!/bin/sh
printf '%s\n' "\$1" >"$work/opened"
END
chmod +x "$work/desktop/xdg-open"

PATH="$work/desktop:$PATH" QT_QPA_PLATFORM=xcb brisel 2>"$work/brisel.log" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
python3 "$root/scripts/x11_capture.py" wait-and-grab Brisel "$work/installed-window.png"
python3 "$root/scripts/x11_capture.py" keys F1
for _ in $(seq 50); do
  [ -s "$work/opened" ] && break
  sleep 0.2
done
cat "$work/opened" 2>/dev/null || echo "(nothing opened)"

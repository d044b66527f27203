#!/usr/bin/env bash
# Takes screenshots of the Linux program on an X server: build/screenshots/linux.png at start,
# and linux-speed-test.png after a click on "开始测速"; then closes it with Esc.
#
# It runs itself in a fresh network namespace with only loopback up, so none of the sample
# page's addresses can be reached from the speed test. An own Xvfb is started when DISPLAY is
# unset (no window manager: the picture shows the client area alone).
#
# Usage: scripts/screenshot-linux.sh [path/to/vantrel]
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$ROOT/scripts/lib/display.sh"
enter_private_network "$@"

PROGRAM=$(realpath "${1:-$ROOT/build/linux/src/platform/linux/vantrel}")
OUT_DIR=$ROOT/build/screenshots
mkdir -p "$OUT_DIR"

program_pid=
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
  stop_virtual_display
}
trap cleanup EXIT

start_virtual_display
unset QT_QPA_PLATFORM

"$PROGRAM" </dev/null >/dev/null 2>&1 &
program_pid=$!
window=$(wait_for_window Vantrel 100)
sleep 1  # let the window paint
import -window root "$OUT_DIR/linux.png"
echo "$OUT_DIR/linux.png"

# "开始测速" sits at (192, 165) in the client area, 80 by 35; the X window is the client area.
xdotool mousemove --window "$window" 232 182 click 1
sleep 2
import -window root "$OUT_DIR/linux-speed-test.png"
echo "$OUT_DIR/linux-speed-test.png"

# The key goes through XTEST to the focused window, as a typed key does (the click focused it).
if ! kill -0 "$program_pid" 2>/dev/null; then
  echo "the program ended during the speed test" >&2
  exit 1
fi
xdotool key Escape
for _ in $(seq 100); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$program_pid" 2>/dev/null; then
  echo "the program did not end on Esc" >&2
  exit 1
fi
code=0
wait "$program_pid" || code=$?
program_pid=
echo "the program ended on Esc with exit code $code"

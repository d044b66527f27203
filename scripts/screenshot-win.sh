#!/usr/bin/env bash
# Takes a screenshot of the Windows program (the x86_64 build) under Wine with its X11 driver:
# build/screenshots/win64.png at start, and win64-speed-test.png after a click on "开始测速".
#
# It runs itself in a fresh network namespace with only loopback up, so none of the sample
# page's addresses can be reached from the speed test. An own Xvfb is started when DISPLAY is
# unset. The Wine prefix is one of its own (build/wineprefix-x11 unless WINEPREFIX is set), so
# that the test prefixes keep their null display driver.
#
# Usage: scripts/screenshot-win.sh [path/to/vantrel.exe]
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$ROOT/scripts/lib/display.sh"
enter_private_network "$@"

PROGRAM=$(realpath "${1:-$ROOT/build/win64/src/platform/win32/vantrel.exe}")
OUT_DIR=$ROOT/build/screenshots
mkdir -p "$OUT_DIR"

program_pid=
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
  "$ROOT/scripts/wine-prefix.sh" stop
  stop_virtual_display
}
trap cleanup EXIT

start_virtual_display

start_wine_on_display

"$WINELOADER" "$PROGRAM" </dev/null >/dev/null 2>&1 &
program_pid=$!
window=$(wait_for_window Vantrel 200)
sleep 1  # let the window paint
import -window root "$OUT_DIR/win64.png"
echo "$OUT_DIR/win64.png"

# "开始测速" sits at (192, 165) in the client area, 80 by 35. The X window is the whole outer
# window: Wine's fixed frame is 3 pixels wide and puts the client area 22 pixels down.
xdotool mousemove --window "$window" $((3 + 232)) $((22 + 182)) click 1
sleep 2
import -window root "$OUT_DIR/win64-speed-test.png"
echo "$OUT_DIR/win64-speed-test.png"

xdotool key Escape
for _ in $(seq 100); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$program_pid" 2>/dev/null; then
  echo "the program did not end on Esc" >&2
else
  code=0
  wait "$program_pid" || code=$?
  program_pid=
  echo "the program ended on Esc with exit code $code"
fi

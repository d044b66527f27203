#!/usr/bin/env bash
# Takes screenshots of one build's window on an X server: build/screenshots/<build>.png at start
# and <build>-speed-test.png after a click on "开始测速"; then closes it with Esc and reports the
# exit code. <build> is linux (the default) or win64 (under Wine with its X11 driver).
#
# It runs itself in a fresh network namespace with only loopback up, so none of the sample
# page's addresses can be reached from the speed test. An own Xvfb is started when DISPLAY is
# unset; no window manager runs on it. The Windows build runs in a Wine prefix of its own
# (build/wineprefix-x11 unless WINEPREFIX is set), so that the test prefix keeps its null driver.
#
# Usage: scripts/screenshot.sh [linux|win64] [path/to/program]
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$ROOT/scripts/lib/display.sh"
enter_private_network "$@"

build=${1:-linux}
case "$build" in
  linux)
    program=$(realpath "${2:-$ROOT/build/linux/src/platform/linux/vantrel}")
    # The X window is the client area alone.
    client_left=0 client_top=0
    ;;
  win64)
    program=$(realpath "${2:-$ROOT/build/win64/src/platform/win32/vantrel.exe}")
    # The X window is the whole outer window: Wine's fixed frame is 3 pixels wide and puts the
    # client area 22 pixels down.
    client_left=3 client_top=22
    ;;
  *) echo "usage: $0 [linux|win64] [path/to/program]" >&2; exit 2 ;;
esac
out_dir=$ROOT/build/screenshots
mkdir -p "$out_dir"

program_pid=
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
  [ "$build" = win64 ] && "$ROOT/scripts/wine-prefix.sh" stop
  stop_virtual_display
}
trap cleanup EXIT

start_virtual_display
if [ "$build" = linux ]; then
  unset QT_QPA_PLATFORM
  "$program" </dev/null >/dev/null 2>&1 &
else
  start_wine_on_display
  "$WINELOADER" "$program" </dev/null >/dev/null 2>&1 &
fi
program_pid=$!
window=$(wait_for_window Vantrel 200)
sleep 1  # let the window paint
import -window root "$out_dir/$build.png"
echo "$out_dir/$build.png"

# "开始测速" sits at (192, 165) in the client area, 80 by 35: click its middle.
xdotool mousemove --window "$window" $((client_left + 232)) $((client_top + 182)) click 1
sleep 2
import -window root "$out_dir/$build-speed-test.png"
echo "$out_dir/$build-speed-test.png"

if ! kill -0 "$program_pid" 2>/dev/null; then
  echo "the program ended during the speed test" >&2
  exit 1
fi
# The key goes through XTEST to the focused window, as a typed key does (the click focused it).
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

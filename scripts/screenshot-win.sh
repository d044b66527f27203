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
if [ -z "${VANTREL_SCREENSHOT_NETNS:-}" ]; then
  exec unshare -n env VANTREL_SCREENSHOT_NETNS=1 bash "${BASH_SOURCE[0]}" "$@"
fi
ip link set lo up

PROGRAM=$(realpath "${1:-$ROOT/build/win64/src/platform/win32/vantrel.exe}")
OUT_DIR=$ROOT/build/screenshots
mkdir -p "$OUT_DIR"
export WINEPREFIX=${WINEPREFIX:-$ROOT/build/wineprefix-x11}

xvfb_pid=
program_pid=
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
  "$ROOT/scripts/wine-prefix.sh" stop
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
  display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.1; done
  export DISPLAY=:$(cat "$display_file")
  rm -f "$display_file"
fi

# With DISPLAY set, the prefix gets Wine's X11 driver and the CJK font replacements.
"$ROOT/scripts/wine-prefix.sh" start
source "$ROOT/scripts/wine-env.sh"
# No window manager runs on the bare Xvfb: Wine then draws the frame and caption bar itself.
"$WINELOADER" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1

"$WINELOADER" "$PROGRAM" </dev/null >/dev/null 2>&1 &
program_pid=$!
window=
for _ in $(seq 200); do
  window=$(xdotool search --onlyvisible --name '^Vantrel$' 2>/dev/null | head -n1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
if [ -z "$window" ]; then
  echo "the program's window did not appear" >&2
  exit 1
fi
sleep 1  # let the window paint
import -window root "$OUT_DIR/win64.png"
echo "$OUT_DIR/win64.png"

# "开始测速" sits at (192, 165) in the client area, 80 by 35. The X window is the whole outer
# window: Wine's fixed frame is 3 pixels wide and puts the client area 22 pixels down.
xdotool mousemove --window "$window" $((3 + 232)) $((22 + 182)) click 1
sleep 2
import -window root "$OUT_DIR/win64-speed-test.png"
echo "$OUT_DIR/win64-speed-test.png"

xdotool key --window "$window" Escape
for _ in $(seq 100); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$program_pid" 2>/dev/null; then
  echo "the program did not end on Esc" >&2
else
  code=0
  wait "$program_pid" || code=$?
  program_pid=
  echo "the program ended on Esc with exit code $code"
fi

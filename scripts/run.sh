#!/usr/bin/env bash
# Builds and starts the program on its built-in sample page: the Linux build, or with --windows
# the Windows build (x86_64) under Wine.
#
# The program runs in a fresh network namespace with only loopback up, so the speed test can
# ping nothing outside this machine. Without a display it runs on a virtual one (Xvfb): a
# picture of the window is written to build/screenshots/run-<build>.png, and the program runs
# until it is closed or this script is interrupted (Ctrl-C).
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$ROOT"
source scripts/lib/display.sh

case "${1:-}" in
  "") build=linux ;;
  --windows) build=win64 ;;
  *) echo "usage: $0 [--windows]" >&2; exit 2 ;;
esac

if [ -z "${VANTREL_PRIVATE_NETWORK:-}" ]; then
  scripts/setup.sh
  scripts/build.sh "$build"
fi
enter_private_network "$@"

program_pid=
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
  [ "$build" = win64 ] && scripts/wine-prefix.sh stop
  stop_virtual_display
}
trap cleanup EXIT

had_display=${DISPLAY:-}
start_virtual_display
if [ "$build" = linux ]; then
  build/linux/src/platform/linux/vantrel &
else
  start_wine_on_display
  "$WINELOADER" build/win64/src/platform/win32/vantrel.exe &
fi
program_pid=$!

if [ -z "$had_display" ]; then
  wait_for_window Vantrel 300 >/dev/null
  sleep 1  # let the window paint
  mkdir -p build/screenshots
  import -window root "build/screenshots/run-$build.png"
  echo "No display here: the program runs on the virtual display $DISPLAY."
  echo "A picture of its window: build/screenshots/run-$build.png. Ctrl-C ends it."
fi
code=0
wait "$program_pid" || code=$?
program_pid=
exit "$code"

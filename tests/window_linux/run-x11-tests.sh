#!/bin/sh
# Runs the window tests that need a real X server (label x11) under an Xvfb of their own.
# Usage: tests/window_linux/run-x11-tests.sh <build dir> [ctest arguments...]
# The server takes a free display number, listens on no TCP port and ends with this script.
set -eu
build=${1:?build directory}
shift
log=$(mktemp)
fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >"$log" 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; rm -f "$fifo" "$log"' EXIT INT TERM
read -r display <"$fifo"
export DISPLAY=":$display"
unset QT_QPA_PLATFORM
ctest --test-dir "$build" -L x11 --output-on-failure "$@"

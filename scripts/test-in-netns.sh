#!/usr/bin/env bash
# The part of the test run that happens inside the test network namespace: a virtual display,
# one wineserver for the whole run (started here, so that Wine's ICMP service lives in this
# namespace too), then CTest for the native and the win64 build.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=$PWD

cleanup() {
  scripts/wine-prefix.sh stop
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
  export DISPLAY=:$((90 + RANDOM % 100))
  Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
fi

export WINEPREFIX=$root/build/wineprefix
scripts/wine-prefix.sh start

status=0
echo "== native tests (build/linux)"
ctest --test-dir build/linux --output-on-failure --timeout 300 || status=1
echo "== Windows tests under Wine (build/win64)"
ctest --test-dir build/win64 --output-on-failure --timeout 300 || status=1
exit $status

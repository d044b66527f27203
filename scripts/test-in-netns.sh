#!/usr/bin/env bash
# The part of the test run that happens inside the test network namespace: a virtual display,
# one wineserver for the whole run (started here, so that Wine's ICMP service lives in this
# namespace too), then CTest for the native and the win64 build.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=$PWD

source scripts/lib/display.sh
cleanup() {
  scripts/wine-prefix.sh stop
  stop_virtual_display
}
trap cleanup EXIT

# Linux tests that need a real X server use this display.
start_virtual_display

# The Windows tests run on Wine's null display driver. A wineserver of this prefix left running
# outside the namespace would serve the tests from there: end it first.
export WINEPREFIX=$root/build/wineprefix
scripts/wine-prefix.sh stop
env -u DISPLAY scripts/wine-prefix.sh start

status=0
echo "== native tests (build/linux)"
ctest --test-dir build/linux --output-on-failure --timeout 300 || status=1
echo "== Windows tests under Wine (build/win64)"
env -u DISPLAY ctest --test-dir build/win64 --output-on-failure --timeout 300 || status=1
exit $status

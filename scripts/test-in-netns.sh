#!/usr/bin/env bash
# The part of the test run that happens inside the test network namespace: a virtual display,
# one wineserver for the whole run (scripts/lib/test-session.sh), then CTest for the native and
# the win64 build.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

source scripts/lib/test-session.sh
start_test_session

status=0
echo "== native tests (build/linux)"
ctest --test-dir build/linux --output-on-failure --timeout 300 || status=1
echo "== Windows tests under Wine (build/win64)"
env -u DISPLAY ctest --test-dir build/win64 --output-on-failure --timeout 600 || status=1
exit $status

#!/usr/bin/env bash
# guest-tests.sh: inside the emulated machine's test network namespace, one 32-bit Wine prefix and
# one wineserver for the run (started here, so that Wine's ICMP service lives in this namespace),
# then CTest for the i686 build. The CTest log and a JUnit report go to the results folder.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../.." || exit 2
results=$VANTREL_I686_RESULTS
# Round trips on an emulated CPU take longer; the ping tests widen their upper bounds for it.
export VANTREL_EMULATED_CPU=1

trap 'scripts/wine-prefix.sh stop' EXIT
started=$SECONDS
if ! scripts/wine-prefix.sh start; then
  echo "guest: the 32-bit Wine prefix could not be made"
  exit 2
fi
echo "guest: Wine prefix and wineserver ready in $((SECONDS - started)) s"

started=$SECONDS
# The tests labelled large (pages of 50 MB and a million rows, thousands of rows through Wine's
# controls, 1,000 speed tests in a row) take minutes under Wine on a real CPU and would take hours
# on the emulated one: they run on the win64 build only.
ctest --test-dir "$VANTREL_I686_BUILD" --output-on-failure --timeout 300 -LE large \
  --output-junit "$results/junit.xml" 2>&1 | tee "$results/ctest.log"
status=${PIPESTATUS[0]}
echo "guest: CTest ran in $((SECONDS - started)) s, exit code $status"
exit "$status"

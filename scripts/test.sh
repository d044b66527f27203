#!/usr/bin/env bash
# Runs every test of both builds: installs what is missing, builds the three presets, then
#  1. the native tests and the win64 tests under Wine, inside a network namespace of the run's
#     own, so that no packet can leave the machine whatever page a test feeds the speed test;
#  2. the shipped i686 build's tests under 32-bit Wine in an emulated machine with no network card
#     (VANTREL_SKIP_I686_VM=1 skips this step, saying so);
#  3. the native tests again, built with AddressSanitizer and UndefinedBehaviorSanitizer;
#  4. each fuzz target for a bounded time.
# Every step runs even when an earlier one failed; the run fails if any step did.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/setup.sh
scripts/build.sh linux win32 win64
scripts/check-win32-binary.sh build/win32/src/platform/win32/vantrel.exe

export VANTREL_ECHO_RESPONDER=$PWD/build/linux/tests/netkit/vantrel_echo_responder

failed=()
step() {
  local name=$1 started=$SECONDS
  shift
  echo "==== $name"
  if "$@"; then
    echo "==== $name: passed in $((SECONDS - started)) s"
  else
    echo "==== $name: FAILED after $((SECONDS - started)) s"
    failed+=("$name")
  fi
}

step "native and win64 tests" tests/netkit/netns-run.sh scripts/test-in-netns.sh
step "i686 tests in an emulated machine" scripts/test-i686-vm.sh
step "sanitized native tests" scripts/test-sanitized.sh
step "fuzzing" scripts/fuzz.sh

if [ ${#failed[@]} -gt 0 ]; then
  printf '==== failed: %s\n' "${failed[@]}"
  exit 1
fi
echo "==== all steps passed in $SECONDS s"

#!/usr/bin/env bash
# Builds the linux-asan preset (clang with AddressSanitizer, UndefinedBehaviorSanitizer and
# LeakSanitizer) and runs its whole CTest inside a test network of its own, as the normal run
# does: the offscreen window tests, the x11 ones on a virtual display, the ping tests against the
# kit's hosts. Any sanitizer report fails the test it came from.
#
# The code page comparison with the Windows build runs the win64 build's dump program under
# Wine: build the win64 preset first (scripts/test.sh does).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=$PWD
build=build/linux-asan

if [ "${1:-}" != --inside ]; then
  cmake --preset linux-asan >/dev/null
  cmake --build "$build" -j2
  # The test hosts' echo responder is no code under test: the normal build's answers on time
  # even on a busy machine; without one, netns-run.sh compiles it.
  if [ -x build/linux/tests/netkit/vantrel_echo_responder ]; then
    export VANTREL_ECHO_RESPONDER=$root/build/linux/tests/netkit/vantrel_echo_responder
  fi
  exec tests/netkit/netns-run.sh "$0" --inside
fi

source scripts/lib/test-session.sh
start_test_session

export ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$root/scripts/lsan.supp:print_suppressions=0
export ASAN_SYMBOLIZER_PATH=$(command -v llvm-symbolizer-14 || command -v llvm-symbolizer)

echo "== native tests under the sanitizers ($build)"
status=0
ctest --test-dir "$build" --output-on-failure --timeout 600 || status=1
exit $status

#!/usr/bin/env bash
# Runs every test of both builds: installs what is missing, builds the three presets, then runs
# the native tests and the win64 tests under Wine inside a network namespace of the run's own,
# so that no packet can leave the machine whatever page a test feeds the speed test.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/setup.sh
scripts/build.sh linux win32 win64
scripts/check-win32-binary.sh build/win32/src/platform/win32/vantrel.exe

export VANTREL_ECHO_RESPONDER=$PWD/build/linux/tests/netkit/vantrel_echo_responder
exec tests/netkit/netns-run.sh scripts/test-in-netns.sh

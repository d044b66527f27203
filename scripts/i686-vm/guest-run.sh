#!/usr/bin/env bash
# guest-run.sh REPO RESULTS: the test run inside the emulated 32-bit machine, started by its init.
# RESULTS/run.env, written by the host, names the build to test and the echo responder. The tests
# run inside tests/netkit/netns-run.sh as on the host, so that the ping tests find their test
# hosts; the machine itself has no network card.
set -uo pipefail
repo=$1 results=$2
cd "$repo" || exit 2
# shellcheck source=/dev/null
source "$results/run.env"
export VANTREL_I686_BUILD VANTREL_ECHO_RESPONDER VANTREL_I686_RESULTS=$results
export VANTREL_WINE_ARCH=win32
# On the guest's own disk: faster than the shared folder, and gone with the run's snapshot.
export WINEPREFIX=/var/lib/vantrel/wineprefix-win32
# A crash ends the process at once, where Wine's debugger would wait for someone to attach.
export WINEDLLOVERRIDES="mscoree,mshtml,winedbg.exe="
source scripts/wine-env.sh

echo "guest: Linux $(uname -r) on $(uname -m), $("$WINELOADER" --version), $(nproc) CPUs, up $(cut -d' ' -f1 /proc/uptime) s"
exec tests/netkit/netns-run.sh scripts/i686-vm/guest-tests.sh

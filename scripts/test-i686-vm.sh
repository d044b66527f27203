#!/usr/bin/env bash
# test-i686-vm.sh [BUILD]: runs the tests of the i686 build (default build/win32, the shipped one)
# under 32-bit Wine, which this machine's kernel cannot run: in a software-emulated x86_64 machine
# with Debian and wine32 (scripts/i686-vm/), no network card, and the repository shared into it at
# its own path. The machine's image is built on the first run and cached for later ones.
# Exits with CTest's status from inside the machine. Where the machine cannot be made it says so
# in one line and fails, unless VANTREL_SKIP_I686_VM=1 asks to skip this step.
#
# Also: VANTREL_ECHO_RESPONDER (default build/linux/tests/netkit/vantrel_echo_responder),
# VANTREL_I686_VM_CACHE (default /var/cache/vantrel/i686-vm), VANTREL_I686_VM_TIMEOUT (seconds the
# machine may run, default 3000), VANTREL_I686_VM_CPUS (2), VANTREL_I686_VM_MEMORY (MB, 4096).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
repo=$PWD

say() { echo "test-i686-vm: $*"; }
cannot() {
  say "cannot test the i686 build in an emulated machine: $* (VANTREL_SKIP_I686_VM=1 skips this step)" >&2
  exit 1
}

if [ "${VANTREL_SKIP_I686_VM:-}" = 1 ]; then
  say "skipped (VANTREL_SKIP_I686_VM=1): the i686 build's tests did not run"
  exit 0
fi

for tool in qemu-system-x86_64 debootstrap mkfs.ext4 unshare flock timeout; do
  command -v "$tool" >/dev/null || cannot "$tool is not installed (scripts/setup.sh installs it)"
done

# The machine sees only the repository: the build and the responder must be inside it.
build=$(realpath -m "${1:-build/win32}")
responder=$(realpath -m "${VANTREL_ECHO_RESPONDER:-build/linux/tests/netkit/vantrel_echo_responder}")
for path in "$build" "$responder"; do
  case $path in "$repo"/*) ;; *) cannot "$path is outside $repo, the only folder the machine sees" ;; esac
done
[ -f "$build/CTestTestfile.cmake" ] || cannot "no tests in $build (build the win32 preset first)"
grep -q '^CMAKE_CROSSCOMPILING_EMULATOR.*wine-run\.sh' "$build/CMakeCache.txt" ||
  cannot "$build is not configured to run its tests through scripts/wine-run.sh"
[ -x "$responder" ] || cannot "no echo responder at $responder (build the linux preset first)"

# The run's disk writes go to a snapshot file in TMPDIR.
snapshots=${TMPDIR:-/var/tmp}
free_mb=$(df -Pm "$snapshots" | awk 'NR == 2 {print $4}')
[ "$free_mb" -ge 3072 ] || cannot "no room: ${free_mb} MB free in $snapshots, 3072 MB needed"

started=$SECONDS
image=$(scripts/i686-vm/image.sh) || exit 1
image_seconds=$((SECONDS - started))

results=$(mktemp -d /tmp/vantrel-i686-vm.XXXXXX)
trap 'rm -rf "$results"' EXIT
printf 'VANTREL_I686_BUILD=%q\nVANTREL_ECHO_RESPONDER=%q\n' "$build" "$responder" >"$results/run.env"

say "running the tests of $build in the emulated machine"
started=$SECONDS
boot_status=0
scripts/i686-vm/boot.sh "$image" "$results" "$repo" || boot_status=$?
machine_seconds=$((SECONDS - started))

# Kept beside the build for a look afterwards (and for CI's artifacts).
kept=$build/i686-vm-results
rm -rf "$kept"
mkdir -p "$kept"
cp -r "$results"/. "$kept"/
[ -f "$results/guest.log" ] && cat "$results/guest.log"

if [ "$boot_status" = 124 ]; then
  say "the emulated machine was still running after ${VANTREL_I686_VM_TIMEOUT:-3000} s and was stopped; its console's last lines:" >&2
  tail -n 30 "$results/console.log" >&2
  exit 1
fi
status=$(cat "$results/status" 2>/dev/null || true)
if ! [[ $status =~ ^[0-9]+$ ]]; then
  say "the emulated machine stopped without a test result (qemu exit $boot_status); its console's last lines:" >&2
  tail -n 30 "$results/console.log" >&2
  exit 1
fi
if [ "$status" = 0 ]; then verdict=passed; else verdict="FAILED (CTest exit $status)"; fi
say "i686 tests $verdict; image ready in ${image_seconds} s, machine ran ${machine_seconds} s; logs in $kept"
exit "$status"

#!/usr/bin/env bash
# boot.sh IMAGE RESULTS REPO: boots the emulated machine from IMAGE (software emulation, no
# network card) with REPO shared at its own path and RESULTS as the guest's results folder; the
# guest runs REPO's scripts/i686-vm/guest-run.sh and powers off. The disk image is opened as a
# snapshot, so that a run never changes the cached image. Its console goes to RESULTS/console.log.
# Exits 124 when the machine is still running after VANTREL_I686_VM_TIMEOUT seconds (default 3000).
#
# boot.sh --prepare IMAGE CONSOLE: the one boot while the image is built, which writes to the image
# itself (the guest's init then makes the Wine prefix), its console to the file CONSOLE.
set -euo pipefail
if [ "$1" = --prepare ]; then
  image=$2
  console=$3
  append=vantrel.prepare
  disk="file=$image/root.img,format=raw,if=virtio"
  shares=()
else
  image=$1 results=$2 repo=$3
  console=$results/console.log
  append=vantrel.repo=$repo
  disk="file=$image/root.img,format=raw,if=virtio,snapshot=on"
  shares=(-virtfs "local,path=$repo,mount_tag=repo,security_model=none,id=repo"
    -virtfs "local,path=$results,mount_tag=results,security_model=none,id=results")
fi
limit=${VANTREL_I686_VM_TIMEOUT:-3000}

# Without umip=off and smap=off every 32-bit Wine process crashes the emulated kernel.
# Multi-threaded TCG lets each virtual CPU use a core of its own.
status=0
timeout -k 20 "$limit" qemu-system-x86_64 \
  -machine q35 -accel tcg,thread=multi -cpu max,umip=off,smap=off \
  -smp "${VANTREL_I686_VM_CPUS:-2}" -m "${VANTREL_I686_VM_MEMORY:-4096}" \
  -nic none -display none -monitor none -no-reboot \
  -serial "file:$console" \
  -kernel "$image/vmlinuz" -initrd "$image/initrd.img" \
  -append "console=ttyS0 root=/dev/vda rw init=/usr/local/sbin/vantrel-guest-init panic=-1 quiet $append" \
  -drive "$disk" "${shares[@]}" </dev/null || status=$?
exit "$status"

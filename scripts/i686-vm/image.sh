#!/usr/bin/env bash
# image.sh: prints the folder of the emulated machine's image (root.img, vmlinuz, initrd.img),
# building it first when this machine has none made from the current recipe. The recipe is this
# folder's build-image.sh, packages.txt, guest-init.sh and boot.sh: the cache key is their hash, so
# that a change to any of them builds a new image, and older images are removed once it is there.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
cache=${VANTREL_I686_VM_CACHE:-/var/cache/vantrel/i686-vm}

key=$(cat "$here/build-image.sh" "$here/packages.txt" "$here/guest-init.sh" "$here/boot.sh" | sha256sum | cut -c1-16)
image=$cache/$key

mkdir -p "$cache"
# One builder at a time per machine; a second caller waits and then finds the image.
exec 9>"$cache/.lock"
flock 9
if [ ! -f "$image/root.img" ]; then
  # The build needs the unpacked root and the disk image side by side, and a margin.
  free_mb=$(df -Pm "$cache" | awk 'NR == 2 {print $4}')
  if [ "$free_mb" -lt 8192 ]; then
    echo "i686-vm: no room to build the image: ${free_mb} MB free in $cache, 8192 MB needed" >&2
    exit 1
  fi
  echo "i686-vm: building the image (once per machine and recipe) into $image" >&2
  started=$SECONDS
  "$here/build-image.sh" "$image" >&2
  echo "i686-vm: image built in $((SECONDS - started)) s" >&2
  for old in "$cache"/*/; do
    [ "${old%/}" != "$image" ] && rm -rf "${old%/}"
  done
fi
echo "$image"

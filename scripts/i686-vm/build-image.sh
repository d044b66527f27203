#!/usr/bin/env bash
# build-image.sh DIR: makes the emulated machine into DIR: a Debian 12 root with a kernel and 32-bit
# Wine (debootstrap, then apt in a chroot), written as an ext4 disk image with mkfs.ext4 -d so that
# no loop mount is needed, plus the kernel and initramfs to boot it with; then boots it once to
# make the Wine prefix. DIR must not exist; it appears only once complete. Prints one line and
# fails on any error.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
out=$1
suite=bookworm

fail() {
  echo "i686-vm: cannot build the image: $*" >&2
  exit 1
}

# The host's Debian mirror (deb822 .sources or one-line .list), for this suite and its security one.
apt_uri() {
  local want=$1 f
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] && awk -v want="$want" '
      /^[ \t]*$/ { if (uri != "" && hit) print uri; uri = ""; hit = 0; next }
      /^URIs:/ { uri = $2 }
      /^Suites:/ { for (i = 2; i <= NF; i++) if ($i == want) hit = 1 }
      END { if (uri != "" && hit) print uri }' "$f"
  done
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$f" ] && awk -v want="$want" '$1 == "deb" {
      n = ($2 ~ /^\[/) ? 3 : 2
      if ($(n + 1) == want) print $n }' "$f"
  done
  return 0
}
mirror=$(apt_uri "$suite" | head -n1)
security=$(apt_uri "$suite-security" | head -n1)
mirror=${mirror:-http://deb.debian.org/debian}
security=${security:-http://deb.debian.org/debian-security}

# retry N CMD...: CMD until it succeeds, N times at most (mirrors have bad moments).
retry() {
  local n=$1 i
  shift
  for i in $(seq "$n"); do
    "$@" && return 0
    [ "$i" -lt "$n" ] && sleep 5
  done
  return 1
}

parent=$(dirname "$out")
mkdir -p "$parent"
work=$(mktemp -d "$parent/.build.XXXXXX")
root=$work/root
log=$work/build.log
# The log of a failed build stays beside the cache for a look.
trap 'status=$?; [ $status -ne 0 ] && cp "$log" "$parent/failed-build.log" 2>/dev/null; rm -rf "$work"' EXIT

# Each step runs in a mount namespace of its own, so that the chroot's /proc and /sys mounts go
# away with it whatever happens.
in_mount_ns() { unshare --mount --propagation private -- "$@"; }

step() {
  local what=$1
  shift
  if ! "$@" >>"$log" 2>&1; then
    tail -n 20 "$log" >&2
    fail "$what failed (log above; all of it in $parent/failed-build.log)"
  fi
}

bootstrap() {
  rm -rf "$root"
  debootstrap --variant=minbase --arch=amd64 "$suite" "$root" "$mirror"
}
step "debootstrap from $mirror" retry 3 in_mount_ns bash -c "$(declare -f bootstrap); suite=$suite root=$root mirror=$mirror bootstrap"

cat >"$root/etc/apt/sources.list" <<SOURCES
deb $mirror $suite main
deb $mirror $suite-updates main
deb $security $suite-security main
SOURCES
cat >"$root/etc/apt/apt.conf.d/90vantrel" <<'CONF'
APT::Install-Recommends "false";
APT::Install-Suggests "false";
Acquire::Retries "3";
CONF
# Documentation and translations are of no use to a test machine and make the image larger.
cat >"$root/etc/dpkg/dpkg.cfg.d/90vantrel" <<'CONF'
path-exclude=/usr/share/doc/*
path-exclude=/usr/share/man/*
path-exclude=/usr/share/info/*
path-exclude=/usr/share/locale/*
CONF
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod +x "$root/usr/sbin/policy-rc.d"
# A small initramfs that finds the virtio disk; the rest is loaded from the root.
mkdir -p "$root/etc/initramfs-tools/conf.d"
echo MODULES=list >"$root/etc/initramfs-tools/conf.d/90vantrel"
printf '%s\n' virtio_pci virtio_blk ext4 >>"$root/etc/initramfs-tools/modules"
echo vantrel-i686 >"$root/etc/hostname"
printf '127.0.0.1\tlocalhost\n::1\t\tlocalhost ip6-localhost ip6-loopback\n' >"$root/etc/hosts"

mapfile -t packages < <(grep -v '^#' "$here/packages.txt" | grep .)
install_packages() {
  mount -t proc proc "$root/proc"
  mount -t sysfs sysfs "$root/sys"
  mount --rbind /dev "$root/dev"
  chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive sh -e -c '
    dpkg --add-architecture i386
    apt-get update -q
    apt-get install -y -q "$@"
    apt-get clean
    rm -rf /var/lib/apt/lists/*' sh "${packages[@]}"
}
step "installing ${packages[*]}" retry 3 in_mount_ns bash -c "$(declare -f install_packages); root=$root; packages=(${packages[*]}); install_packages"

install -m 0755 "$here/guest-init.sh" "$root/usr/local/sbin/vantrel-guest-init"
rm -f "$root/usr/sbin/policy-rc.d"

mkdir -p "$work/out"
kernel=$(ls "$root"/boot/vmlinuz-* | head -n1)
initrd=$(ls "$root"/boot/initrd.img-* | head -n1)
[ -f "$kernel" ] && [ -f "$initrd" ] || fail "no kernel or initramfs in the root"
cp "$kernel" "$work/out/vmlinuz"
cp "$initrd" "$work/out/initrd.img"

# Room for a Wine prefix and the run's files on top of what is installed.
used_mb=$(du -sm "$root" | cut -f1)
size_mb=$((used_mb + 3072))
step "mkfs.ext4 -d" mkfs.ext4 -q -F -L vantrel-i686 -d "$root" "$work/out/root.img" "${size_mb}M"

# One boot of the new image makes the Wine prefix on it; debugfs reads the result without a mount.
started=$SECONDS
prepared=0
VANTREL_I686_VM_TIMEOUT=2400 "$here/boot.sh" --prepare "$work/out" "$work/console.log" && prepared=1
cat "$work/console.log" >>"$log" 2>/dev/null || true
if [ "$prepared" = 0 ] || ! debugfs -R 'stat /var/lib/vantrel/prefix-ready' "$work/out/root.img" 2>/dev/null | grep -q Inode; then
  tail -n 20 "$log" >&2
  fail "the first boot did not make the Wine prefix (log above; all of it in $parent/failed-build.log)"
fi
echo "i686-vm: Wine prefix made on the image in $((SECONDS - started)) s"

mv "$work/out" "$out"
echo "i686-vm: image built in $out (${used_mb} MB installed)"

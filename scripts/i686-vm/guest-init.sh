#!/bin/sh
# The emulated machine's pid 1: mounts what a test run needs, the host's repository over 9p at the
# path it has on the host (so that CTest's absolute paths hold) and the results folder, runs the
# repository's guest runner and powers off. No service manager: nothing else runs here. The
# repository is cached by the guest (cache=loose): nothing on the host changes it during a run.
PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
export PATH HOME=/root

mountpoint -q /proc || mount -t proc proc /proc
mountpoint -q /sys || mount -t sysfs sysfs /sys
mountpoint -q /dev || mount -t devtmpfs devtmpfs /dev
mkdir -p /dev/pts /dev/shm
mount -t devpts devpts /dev/pts
mount -t tmpfs tmpfs /dev/shm
mount -t tmpfs tmpfs /tmp
mountpoint -q /run || mount -t tmpfs tmpfs /run
hostname vantrel-i686

repo=
prepare=
for word in $(cat /proc/cmdline); do
  case $word in
    vantrel.repo=*) repo=${word#vantrel.repo=} ;;
    vantrel.prepare) prepare=1 ;;
  esac
done

off() {
  sync
  umount /results 2>/dev/null
  echo o >/proc/sysrq-trigger
  sleep 60
}

# Once, while the image is built: the 32-bit Wine prefix that every run starts from (made here it
# takes minutes of emulated time that a run would spend again), with Wine's null display driver.
if [ -n "$prepare" ]; then
  export WINEPREFIX=/var/lib/vantrel/wineprefix-win32 WINEARCH=win32 WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  mkdir -p "$WINEPREFIX"
  /usr/lib/wine/wine wineboot -i >/dev/console 2>&1
  /usr/lib/wine/wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /t REG_SZ /d null /f >/dev/console 2>&1
  /usr/lib/wine/wineserver32 -w
  [ -f "$WINEPREFIX/system.reg" ] && touch /var/lib/vantrel/prefix-ready
  off
fi

modprobe -q 9pnet_virtio
modprobe -q 9p
options=trans=virtio,version=9p2000.L,msize=524288
mkdir -p /results
if ! mount -t 9p -o "$options" results /results; then
  echo "guest: cannot mount the results folder" >/dev/console
  off
fi
if [ -z "$repo" ] || ! mkdir -p "$repo" || ! mount -t 9p -o "$options,cache=loose" repo "$repo"; then
  echo "guest: cannot mount the repository at '$repo'" | tee /results/guest-error >/dev/console
  off
fi

"$repo/scripts/i686-vm/guest-run.sh" "$repo" /results </dev/null >/results/guest.log 2>&1
echo $? >/results/status
off

#!/usr/bin/env bash
# Installs what building and testing both programs needs on a fresh Debian 12 machine, and
# nothing when it is all there already.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config clang
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
  googletest libbenchmark-dev
  qt6-base-dev libpcre2-dev libicu-dev
  wine wine64
  xvfb xauth x11-utils xdotool imagemagick fonts-wqy-microhei
  iproute2 util-linux procps libcap2-bin
  libclang-rt-14-dev llvm-14 valgrind
  qemu-system-x86 debootstrap e2fsprogs
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}" >/dev/null
fi

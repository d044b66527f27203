#!/usr/bin/env bash
# netns-run.sh CMD...: runs CMD inside a private test network and gives back its exit code.
#
# The network is a fresh network namespace (also a fresh PID namespace, so that nothing started in
# it outlives the run) with `lo` up, no route out, and the test hosts of tests/netkit/test_hosts.h,
# each in a namespace of its own behind a veth pair:
#   answering  198.18.1.2  the kernel answers echoes; it also routes 198.18.200.0/24, to nowhere,
#                          so echoes there get an ICMP "network unreachable"
#   silent     198.18.2.2  echoes ignored
#   delayed    198.18.3.2  our responder answers after 40 ms
#   duplicating 198.18.4.2 the same, plus a duplicate of each reply 15 ms after it
#   refusing   198.18.5.2  our responder answers each echo with an ICMP "port unreachable"
# CMD sees a private /etc/hosts with delayed.vantrel.test added, and VANTREL_IN_TEST_NETNS=1.
#
# With VANTREL_IN_TEST_NETNS=1 already set the caller vouches that this is a namespace of its own;
# the script still refuses to run where it finds any interface but lo or any route.
#
# Windows tests under Wine: start the prefix's wineserver inside CMD (scripts/wine-prefix.sh
# start), since Wine sends echoes from the wineserver's services, in the wineserver's namespace.
#
# The responder: $VANTREL_ECHO_RESPONDER if set (the native build's
# tests/netkit/vantrel_echo_responder), else compiled from echo_responder.cpp for this run.
set -euo pipefail
kit_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

if [ $# -eq 0 ]; then
  echo "usage: $0 CMD [ARGS...]" >&2
  exit 2
fi

# run_in_background CMD...: runs CMD as a background job that keeps our stdin, passes TERM, INT
# and HUP on to it as TERM (or, with signal_target set, on to that instead), and sets `status` to
# its exit code. A foreground CMD would hold off our traps until it ends.
run_in_background() {
  "$@" <&0 &
  job=$!
  trap 'kill -TERM $(signal_target) 2>/dev/null || true' TERM INT HUP
  while kill -0 "$job" 2>/dev/null; do wait "$job" || true; done
  set +e
  wait "$job"
  status=$?
  set -e
}
signal_target() { echo "$job"; }

if [ "${VANTREL_IN_TEST_NETNS:-}" != 1 ]; then
  export VANTREL_IN_TEST_NETNS=1
  # unshare itself ignores TERM while it waits: the signal goes to its child, this script as pid 1
  # of the new namespaces. When unshare dies, --kill-child ends that child and with it the run.
  signal_target() { cat "/proc/$job/task/$job/children" 2>/dev/null; }
  run_in_background unshare --net --pid --fork --kill-child --mount --mount-proc -- \
    "$kit_dir/netns-run.sh" "$@"
  exit "$status"
fi

# Never build test hosts in a network that leads anywhere.
if [ -n "$(ip -o link show | awk -F': ' '$2 != "lo"')" ] || [ -n "$(ip -4 route show)" ]; then
  echo "netns-run.sh: this network namespace has interfaces or routes: not a fresh test namespace" >&2
  exit 2
fi

run_dir=$(mktemp -d /tmp/vantrel-netkit.XXXXXX)
holders=()
responders=()

# Whether a process other than this one (pid 1 of the run's PID namespace) is still alive.
others_alive() {
  local entry stat state
  for entry in /proc/[0-9]*; do
    [ "${entry#/proc/}" = 1 ] && continue
    stat=$(<"$entry/stat") 2>/dev/null || continue
    state=${stat##*) }
    [ "${state%% *}" != Z ] && return 0
  done
  return 1
}

cleanup() {
  local pid
  for pid in "${responders[@]}" "${holders[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${responders[@]}" "${holders[@]}"; do wait "$pid" 2>/dev/null || true; done
  # Whatever CMD left running here (a wineserver, say): ask it to end, so that it can save its state.
  if [ $$ -eq 1 ]; then
    kill -TERM -1 2>/dev/null || true
    for _ in $(seq 50); do
      others_alive || break
      sleep 0.1
    done
  fi
  ip -o link show | awk -F'[:@]' '$2 ~ /^ vk-/ {print $2}' | while read -r link; do
    ip link delete "$link" 2>/dev/null || true
  done
  rm -rf "$run_dir"
}
trap cleanup EXIT
trap 'exit 143' TERM INT HUP

ip link set lo up
# Ping sockets for root here, so that the tests reach both the ping-socket and the raw-socket path.
sysctl -qw net.ipv4.ping_group_range="0 0"

# add_host NAME INDEX: a namespace held by a sleeping process, linked to this one by a veth pair;
# this side 198.18.INDEX.1/24, the host 198.18.INDEX.2/24; sets holder_NAME to the holder's pid.
add_host() {
  local name=$1 index=$2 holder
  unshare --net sleep infinity </dev/null >/dev/null 2>&1 &
  holder=$!
  holders+=("$holder")
  # The holder is in its namespace once unshare has exec'd sleep.
  for _ in $(seq 100); do
    [ "$(readlink "/proc/$holder/ns/net")" != "$(readlink /proc/self/ns/net)" ] && break
    sleep 0.01
  done
  ip link add "vk-$name" type veth peer name eth0 netns "$holder"
  ip addr add "198.18.$index.1/24" dev "vk-$name"
  ip link set "vk-$name" up
  nsenter -t "$holder" -n sh -e -c "
    ip link set lo up
    ip addr add 198.18.$index.2/24 dev eth0
    ip link set eth0 up"
  eval "holder_$name=$holder"
}

in_host() {
  local holder=$1
  shift
  nsenter -t "$holder" -n "$@"
}

responder=${VANTREL_ECHO_RESPONDER:-}
if [ -z "$responder" ]; then
  responder=$run_dir/vantrel_echo_responder
  "${CXX:-c++}" -std=c++20 -O2 -Wall -Wextra -Werror -o "$responder" "$kit_dir/echo_responder.cpp"
fi

start_responder() {
  local holder=$1 ready=$run_dir/ready.$1
  shift
  in_host "$holder" "$responder" --ready-file "$ready" "$@" </dev/null >/dev/null 2>"$run_dir/responder.$holder.log" &
  responders+=("$!")
  for _ in $(seq 500); do
    [ -e "$ready" ] && return 0
    sleep 0.01
  done
  echo "netns-run.sh: the echo responder did not start:" >&2
  cat "$run_dir/responder.$holder.log" >&2
  return 1
}

add_host answering 1
add_host silent 2
add_host delayed 3
add_host duplicating 4
add_host refusing 5

# The answering host forwards, but has no route beyond this namespace: 198.18.200.0/24 gets an
# ICMP "network unreachable", at full rate.
in_host "$holder_answering" sysctl -qw net.ipv4.ip_forward=1 net.ipv4.icmp_ratelimit=0
ip route add 198.18.200.0/24 via 198.18.1.2

in_host "$holder_silent" sysctl -qw net.ipv4.icmp_echo_ignore_all=1
in_host "$holder_delayed" sysctl -qw net.ipv4.icmp_echo_ignore_all=1
in_host "$holder_duplicating" sysctl -qw net.ipv4.icmp_echo_ignore_all=1
in_host "$holder_refusing" sysctl -qw net.ipv4.icmp_echo_ignore_all=1
start_responder "$holder_delayed" --delay 40
start_responder "$holder_duplicating" --delay 40 --duplicate-after 15
start_responder "$holder_refusing" --delay 0 --answer unreachable

hosts=$run_dir/hosts
{ cat /etc/hosts; echo "198.18.3.2 delayed.vantrel.test"; } >"$hosts"

# A mount namespace of CMD's own for the private /etc/hosts, whatever namespace this one is.
run_in_background unshare --mount --propagation private -- \
  sh -c 'mount --bind "$0" /etc/hosts && exec "$@"' "$hosts" "$@"
exit "$status"

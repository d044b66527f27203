// The hosts that tests/netkit/netns-run.sh sets up around a test run, each in a network namespace
// of its own behind a veth pair, with addresses from the benchmarking range 198.18.0.0/15.
#pragma once

#include <cstdlib>

namespace vantrel::netkit {

// Milliseconds that a round trip may take beyond what a real CPU gives. On a software-emulated
// CPU (the 32-bit run sets VANTREL_EMULATED_CPU) an echo through Wine's stack to loopback has read
// up to 21 ms where it reads 0 or 1 on real hardware; the lower bounds are never relaxed.
inline int EmulationSlackMs() { return std::getenv("VANTREL_EMULATED_CPU") ? 50 : 0; }

// The test side of the answering host's link; tests look for it to know they are in the kit.
inline constexpr const char* kKitLinkAddress = "198.18.1.1";
// The kernel answers its echoes.
inline constexpr const char* kAnsweringHost = "198.18.1.2";
// Never answers (its kernel ignores echoes).
inline constexpr const char* kSilentHost = "198.18.2.2";
// Our responder answers each echo after kReplyDelayMs.
inline constexpr const char* kDelayedHost = "198.18.3.2";
// Like kDelayedHost, and sends each reply a second time kDuplicateAfterMs after the first.
inline constexpr const char* kDuplicatingHost = "198.18.4.2";
inline constexpr int kReplyDelayMs = 40;
inline constexpr int kDuplicateAfterMs = 15;
// Answers each echo at once with an ICMP "port unreachable" from its own address.
inline constexpr const char* kRefusingHost = "198.18.5.2";
// Routed through the answering host, which has no route onward: it answers with an ICMP
// "network unreachable".
inline constexpr const char* kUnreachableNetworkHost = "198.18.200.1";
// No route at all: the send fails at once.
inline constexpr const char* kNoRouteHost = "198.19.0.1";
// A name the kit adds to the run's private /etc/hosts, for kDelayedHost.
inline constexpr const char* kDelayedHostName = "delayed.vantrel.test";
// Under .invalid: never resolves.
inline constexpr const char* kUnresolvableName = "no-such-host.invalid";

}  // namespace vantrel::netkit

// One ICMP socket of either kind, owned, and the packets of an echo on it: the request it sends,
// and what a packet it receives says about that request.
//
// A ping socket (SOCK_DGRAM) gets its identifier from the kernel, sees only the replies to it and
// learns of ICMP errors through its error queue. A raw socket sees every ICMP packet of the
// namespace, with its IP header, errors included: there the identifier is ours and a packet is
// only taken for an answer when identifier, sequence number and address all fit.
#pragma once

#include <netinet/in.h>

#include <cstdint>
#include <optional>

#include "ping_linux.h"

namespace vantrel::platform {

enum class EchoAnswer { kOther, kReply, kError };

class IcmpSocket {
 public:
  // Empty when the system does not grant this kind (no privilege, no protocol).
  static std::optional<IcmpSocket> Open(IcmpSocketKind kind);

  IcmpSocket(IcmpSocket&& other) noexcept;
  IcmpSocket& operator=(IcmpSocket&& other) noexcept;
  IcmpSocket(const IcmpSocket&) = delete;
  IcmpSocket& operator=(const IcmpSocket&) = delete;
  ~IcmpSocket();

  IcmpSocketKind kind() const { return kind_; }
  int descriptor() const { return fd_; }

  // An echo request of the bare 8-byte header. False when the system refuses to send it, as it
  // does at once for an address with no route.
  bool SendEchoRequest(in_addr to, std::uint16_t sequence) const;
  // Takes one waiting packet (for a ping socket, a queued error first) off the socket and tells
  // whether it answers echo `sequence` to `to`. kOther also when nothing was waiting.
  EchoAnswer ReadAnswer(in_addr to, std::uint16_t sequence) const;

 private:
  IcmpSocket(int fd, IcmpSocketKind kind, std::uint16_t identifier);
  EchoAnswer ReadQueuedError(in_addr to, std::uint16_t sequence) const;

  int fd_ = -1;
  IcmpSocketKind kind_;
  std::uint16_t identifier_;
};

}  // namespace vantrel::platform

// Pinger: one ICMP echo to a host, its round-trip time in milliseconds or -1.
//
// Windows sends it through icmp.dll, Linux through a ping or raw socket; each platform's
// MakeSystemPinger gives its own. A pinger keeps what it took up (WinSock, the library, a socket)
// until it is destroyed.
#pragma once

#include <memory>

#include "pattern/text.h"

namespace vantrel {

class Pinger {
 public:
  static constexpr int kDefaultWaitMs = 10000;

  virtual ~Pinger() = default;
  // `host` is a dotted IPv4 address, used directly, or a name, resolved to its first IPv4
  // address. Gives the round-trip time of a successful echo reply within `waitMs`, else -1.
  // An empty host gives -1 without a lookup.
  int PingHost(const Text& host, int waitMs = kDefaultWaitMs) {
    if (host.empty()) return -1;
    return Echo(host, waitMs);
  }

 protected:
  virtual int Echo(const Text& host, int waitMs) = 0;
};

}  // namespace vantrel

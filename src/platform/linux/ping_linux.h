// The Linux pinger: one ICMP echo with no payload through a ping socket (SOCK_DGRAM) or, where the
// system refuses those, a raw socket.
#pragma once

#include <memory>
#include <vector>

#include "speedtest/pinger.h"

namespace vantrel::platform {

enum class IcmpSocketKind { kDatagram, kRaw };

// A pinger that opens the first kind of `kinds` the system grants, on its first echo, and keeps
// that socket until it is destroyed. MakeSystemPinger tries a ping socket, then a raw one.
std::unique_ptr<Pinger> MakeSocketPinger(std::vector<IcmpSocketKind> kinds);

}  // namespace vantrel::platform

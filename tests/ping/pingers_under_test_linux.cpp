#include "ping_linux.h"
#include "pingers_under_test.h"
#include "platform/system.h"

namespace vantrel {

// The kit lets root open ping sockets, so the system pinger takes the ping socket there; the raw
// socket, its fallback, is run on its own.
std::vector<PingerUnderTest> PingersUnderTest() {
  using platform::IcmpSocketKind;
  return {
      {"system", [] { return platform::MakeSystemPinger(); }},
      {"ping_socket", [] { return platform::MakeSocketPinger({IcmpSocketKind::kDatagram}); }},
      {"raw_socket", [] { return platform::MakeSocketPinger({IcmpSocketKind::kRaw}); }},
  };
}

}  // namespace vantrel

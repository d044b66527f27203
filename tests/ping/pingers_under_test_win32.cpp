#include "pingers_under_test.h"
#include "platform/system.h"

namespace vantrel {

std::vector<PingerUnderTest> PingersUnderTest() {
  return {{"icmp_dll", [] { return platform::MakeSystemPinger(); }}};
}

}  // namespace vantrel

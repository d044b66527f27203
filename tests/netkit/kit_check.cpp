#include "kit_check.h"

#include <cstdlib>
#include <string_view>

#include "test_hosts.h"

namespace vantrel::netkit {

std::string WhyNotInsideKit() {
  const char* marker = std::getenv("VANTREL_IN_TEST_NETNS");
  if (!marker || std::string_view(marker) != "1") {
    return "VANTREL_IN_TEST_NETNS is not 1: run the tests through tests/netkit/netns-run.sh";
  }
  // Under Wine the network tables come from the wineserver's services, which also send the
  // echoes: a wineserver started outside the test namespace shows here.
  if (HasDefaultRoute()) {
    return "the system's network has a default route: it is no test network (under Wine: the "
           "wineserver was not started inside the test namespace)";
  }
  if (!HasKitLinkAddress()) {
    return std::string("no interface holds ") + kKitLinkAddress +
           ": the test hosts are not up (under Wine: or the wineserver was started outside the "
           "test namespace)";
  }
  return {};
}

}  // namespace vantrel::netkit

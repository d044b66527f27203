#include <arpa/inet.h>
#include <ifaddrs.h>
#include <netinet/in.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string_view>

#include "kit_check.h"
#include "test_hosts.h"

namespace vantrel::netkit {
namespace {

struct IfAddrsDeleter {
  void operator()(ifaddrs* list) const { freeifaddrs(list); }
};

bool HasKitLinkAddress() {
  ifaddrs* found = nullptr;
  if (getifaddrs(&found) != 0) return false;
  const std::unique_ptr<ifaddrs, IfAddrsDeleter> list(found);
  const in_addr_t wanted = inet_addr(kKitLinkAddress);
  for (const ifaddrs* entry = list.get(); entry; entry = entry->ifa_next) {
    if (entry->ifa_addr && entry->ifa_addr->sa_family == AF_INET &&
        reinterpret_cast<const sockaddr_in*>(entry->ifa_addr)->sin_addr.s_addr == wanted) {
      return true;
    }
  }
  return false;
}

bool HasDefaultRoute() {
  std::ifstream routes("/proc/net/route");
  std::string line;
  std::getline(routes, line);  // the column titles
  while (std::getline(routes, line)) {
    std::istringstream fields(line);
    std::string interface, destination;
    fields >> interface >> destination;
    if (destination == "00000000") return true;
  }
  return false;
}

}  // namespace

std::string WhyNotInsideKit() {
  const char* marker = std::getenv("VANTREL_IN_TEST_NETNS");
  if (!marker || std::string_view(marker) != "1") {
    return "VANTREL_IN_TEST_NETNS is not 1: run the tests through tests/netkit/netns-run.sh";
  }
  if (HasDefaultRoute()) return "this network namespace has a default route: it is no test network";
  if (!HasKitLinkAddress()) {
    return std::string("no interface holds ") + kKitLinkAddress + ": the test hosts are not up";
  }
  return {};
}

}  // namespace vantrel::netkit

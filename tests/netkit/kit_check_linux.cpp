#include <arpa/inet.h>
#include <ifaddrs.h>
#include <netinet/in.h>

#include <fstream>
#include <memory>
#include <sstream>

#include "kit_check.h"
#include "test_hosts.h"

namespace vantrel::netkit {
namespace {

struct IfAddrsDeleter {
  void operator()(ifaddrs* list) const { freeifaddrs(list); }
};

}  // namespace

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

}  // namespace vantrel::netkit

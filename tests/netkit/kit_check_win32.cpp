#include <winsock2.h>  // with windows.h, after the WinSock 2 declarations
// The IP helper headers need the Windows types.
#include <iphlpapi.h>

#include <cstdlib>
#include <string_view>
#include <vector>

#include "kit_check.h"
#include "test_hosts.h"

namespace vantrel::netkit {
namespace {

// Calls `get(buffer, &size)` with a buffer grown to the size it asks for.
template <typename Get>
std::vector<unsigned char> ReadTable(Get get) {
  ULONG size = 0;
  std::vector<unsigned char> buffer(1);
  for (int attempt = 0; attempt < 4; ++attempt) {
    size = static_cast<ULONG>(buffer.size());
    const DWORD result = get(buffer.data(), &size);
    if (result == NO_ERROR) return buffer;
    if (result != ERROR_INSUFFICIENT_BUFFER) break;
    buffer.resize(size);
  }
  return {};
}

bool HasKitLinkAddress() {
  const auto bytes = ReadTable([](unsigned char* buffer, ULONG* size) {
    return GetIpAddrTable(reinterpret_cast<PMIB_IPADDRTABLE>(buffer), size, FALSE);
  });
  if (bytes.empty()) return false;
  const auto* table = reinterpret_cast<const MIB_IPADDRTABLE*>(bytes.data());
  const DWORD wanted = inet_addr(kKitLinkAddress);
  for (DWORD i = 0; i < table->dwNumEntries; ++i) {
    if (table->table[i].dwAddr == wanted) return true;
  }
  return false;
}

bool HasDefaultRoute() {
  const auto bytes = ReadTable([](unsigned char* buffer, ULONG* size) {
    return GetIpForwardTable(reinterpret_cast<PMIB_IPFORWARDTABLE>(buffer), size, FALSE);
  });
  if (bytes.empty()) return false;
  const auto* table = reinterpret_cast<const MIB_IPFORWARDTABLE*>(bytes.data());
  for (DWORD i = 0; i < table->dwNumEntries; ++i) {
    if (table->table[i].dwForwardDest == 0 && table->table[i].dwForwardMask == 0) return true;
  }
  return false;
}

}  // namespace

std::string WhyNotInsideKit() {
  const char* marker = std::getenv("VANTREL_IN_TEST_NETNS");
  if (!marker || std::string_view(marker) != "1") {
    return "VANTREL_IN_TEST_NETNS is not 1: run the tests through tests/netkit/netns-run.sh";
  }
  // Under Wine these tables come from the wineserver's services, which also send the echoes.
  if (HasDefaultRoute()) {
    return "the system's network has a default route: its services (under Wine, the "
           "wineserver) were not started inside the test namespace";
  }
  if (!HasKitLinkAddress()) {
    return std::string("no interface holds ") + kKitLinkAddress +
           ": the test hosts are not up, or the wineserver was started outside the test namespace";
  }
  return {};
}

}  // namespace vantrel::netkit

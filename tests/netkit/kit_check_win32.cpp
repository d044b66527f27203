#include <winsock2.h>  // with windows.h, after the WinSock 2 declarations
// The IP helper headers need the Windows types.
#include <iphlpapi.h>

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

}  // namespace

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

}  // namespace vantrel::netkit

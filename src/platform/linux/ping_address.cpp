#include "ping_address.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <sys/socket.h>

#include <memory>

namespace vantrel::platform {
namespace {

struct AddrInfoDeleter {
  void operator()(addrinfo* list) const { freeaddrinfo(list); }
};

}  // namespace

std::optional<in_addr> ResolvePingAddress(const Text& host) {
  // Whatever inet_addr takes (also "127.1" or "0x7f.0.0.1") is an address, not a name.
  const in_addr_t direct = inet_addr(host.c_str());
  if (direct != INADDR_NONE) return in_addr{direct};

  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_DGRAM;  // one entry per address rather than one per socket type
  addrinfo* found = nullptr;
  if (getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0) return std::nullopt;
  const std::unique_ptr<addrinfo, AddrInfoDeleter> list(found);
  for (const addrinfo* entry = list.get(); entry; entry = entry->ai_next) {
    if (entry->ai_family == AF_INET && entry->ai_addr) {
      return reinterpret_cast<const sockaddr_in*>(entry->ai_addr)->sin_addr;
    }
  }
  return std::nullopt;
}

}  // namespace vantrel::platform

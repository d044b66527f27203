// PingHost on Windows: one echo through icmp.dll. WinSock 1.1 and the library are taken up by the
// first echo and kept until the pinger, which lives as long as the program, is destroyed.
#include <winsock2.h>  // with windows.h, after the WinSock 2 declarations
// The IP helper headers need the Windows types.
#include <ipexport.h>

#include <array>
#include <cstring>
#include <memory>
#include <optional>
#include <type_traits>

#include "platform/system.h"

namespace vantrel::platform {
namespace {

using IcmpCreateFileFunction = HANDLE(WINAPI*)();
using IcmpSendEchoFunction = DWORD(WINAPI*)(HANDLE, IPAddr, LPVOID, WORD, PIP_OPTION_INFORMATION,
                                            LPVOID, DWORD, DWORD);
using IcmpCloseHandleFunction = BOOL(WINAPI*)(HANDLE);

struct IcmpFunctions {
  IcmpCreateFileFunction createFile;
  IcmpSendEchoFunction sendEcho;
  IcmpCloseHandleFunction closeHandle;
};

template <typename Function>
Function FindFunction(HMODULE library, const char* name) {
  // Through void(*)() so that the compiler accepts the cast between function types.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

std::optional<IcmpFunctions> FindIcmpFunctions(HMODULE library) {
  IcmpFunctions found{FindFunction<IcmpCreateFileFunction>(library, "IcmpCreateFile"),
                      FindFunction<IcmpSendEchoFunction>(library, "IcmpSendEcho"),
                      FindFunction<IcmpCloseHandleFunction>(library, "IcmpCloseHandle")};
  if (!found.createFile || !found.sendEcho || !found.closeHandle) return std::nullopt;
  return found;
}

// inet_addr for a dotted address, else the first address gethostbyname gives for the name.
std::optional<IPAddr> ResolvePingAddress(const Text& host) {
  const unsigned long direct = inet_addr(host.c_str());
  if (direct != INADDR_NONE) return direct;
  const hostent* entry = gethostbyname(host.c_str());
  if (!entry || entry->h_addrtype != AF_INET || entry->h_length != sizeof(IPAddr) ||
      !entry->h_addr_list || !entry->h_addr_list[0]) {
    return std::nullopt;
  }
  IPAddr first;
  std::memcpy(&first, entry->h_addr_list[0], sizeof first);
  return first;
}

class WinsockSession {
 public:
  WinsockSession() = default;
  WinsockSession(const WinsockSession&) = delete;
  WinsockSession& operator=(const WinsockSession&) = delete;
  ~WinsockSession() {
    if (started_) WSACleanup();
  }
  bool started() const { return started_; }
  bool Start() {
    WSADATA data;
    started_ = WSAStartup(MAKEWORD(1, 1), &data) == 0;
    return started_;
  }

 private:
  bool started_ = false;
};

struct LibraryRelease {
  void operator()(HMODULE library) const { FreeLibrary(library); }
};
using OwnedLibrary = std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryRelease>;

class IcmpHandle {
 public:
  IcmpHandle(const IcmpFunctions& functions)
      : handle_(functions.createFile()), close_(functions.closeHandle) {}
  IcmpHandle(const IcmpHandle&) = delete;
  IcmpHandle& operator=(const IcmpHandle&) = delete;
  ~IcmpHandle() {
    if (valid()) close_(handle_);
  }
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
  IcmpCloseHandleFunction close_;
};

#ifndef _WIN64
static_assert(sizeof(ICMP_ECHO_REPLY) + 8 == 36, "the 32-bit program's reply buffer is 36 bytes");
#endif

class IcmpDllPinger final : public Pinger {
 protected:
  int Echo(const Text& host, int waitMs) override {
    if (!TakeUpLibrary()) return -1;
    const std::optional<IcmpFunctions> functions = FindIcmpFunctions(library_.get());
    if (!functions) return -1;
    const std::optional<IPAddr> address = ResolvePingAddress(host);
    if (!address) return -1;

    const IcmpHandle handle(*functions);
    if (!handle.valid()) return -1;
    // Room for one reply and 8 bytes more: the reply structure is larger on x64, and Wine
    // refuses a buffer sized for the 32-bit one there.
    alignas(ICMP_ECHO_REPLY) std::array<unsigned char, sizeof(ICMP_ECHO_REPLY) + 8> replies{};
    char noData = 0;
    const DWORD replyCount = functions->sendEcho(handle.get(), *address, &noData, 0, nullptr,
                                                 replies.data(), static_cast<DWORD>(replies.size()),
                                                 static_cast<DWORD>(waitMs < 0 ? 0 : waitMs));
    if (replyCount == 0) return -1;
    ICMP_ECHO_REPLY reply;
    std::memcpy(&reply, replies.data(), sizeof reply);
    // Only an echo reply carries a round-trip time worth listing; an error status is no answer.
    if (reply.Status != IP_SUCCESS) return -1;
    return static_cast<int>(reply.RoundTripTime);
  }

 private:
  // WinSock until it starts; then icmp.dll, tried once.
  bool TakeUpLibrary() {
    if (!winsock_.started()) {
      if (!winsock_.Start()) return false;
      library_.reset(LoadLibraryA("icmp.dll"));
    }
    return library_ != nullptr;
  }

  // Released in reverse: the library, then WinSock.
  WinsockSession winsock_;
  OwnedLibrary library_;
};

}  // namespace

std::unique_ptr<Pinger> MakeSystemPinger() { return std::make_unique<IcmpDllPinger>(); }

}  // namespace vantrel::platform

// PingHost on Linux: one echo request on a socket the pinger keeps, then poll() until our answer
// or the deadline. Replies are matched by identifier and sequence number, so that a reply to an
// earlier echo that arrives late is never taken for this one.
#include "ping_linux.h"

#include <poll.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <optional>
#include <utility>

#include "ping_address.h"
#include "ping_socket.h"
#include "platform/system.h"

namespace vantrel::platform {
namespace {

using Clock = std::chrono::steady_clock;

class SocketPinger final : public Pinger {
 public:
  explicit SocketPinger(std::vector<IcmpSocketKind> kinds) : kinds_(std::move(kinds)) {}

 protected:
  int Echo(const Text& host, int waitMs) override {
    const std::optional<in_addr> address = ResolvePingAddress(host);
    if (!address || !OpenSocket()) return -1;

    const std::uint16_t sequence = ++sequence_;
    const Clock::time_point sent = Clock::now();
    const Clock::time_point deadline = sent + std::chrono::milliseconds(std::max(waitMs, 0));
    if (!socket_->SendEchoRequest(*address, sequence)) return -1;

    for (;;) {
      pollfd watched{socket_->descriptor(), POLLIN, 0};
      if (poll(&watched, 1, MillisecondsUntil(deadline)) <= 0) return -1;
      switch (socket_->ReadAnswer(*address, sequence)) {
        case EchoAnswer::kReply:
          return static_cast<int>(
              std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - sent).count());
        case EchoAnswer::kError:
          return -1;
        case EchoAnswer::kOther:
          break;  // someone else's packet, or a late answer to an earlier echo
      }
    }
  }

 private:
  // Rounded up, so that poll() never gives up before the deadline.
  static int MillisecondsUntil(Clock::time_point deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    return static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
  }

  // Without the privilege for any kind the echo fails; a later one asks again.
  bool OpenSocket() {
    for (auto kind = kinds_.begin(); !socket_ && kind != kinds_.end(); ++kind) {
      socket_ = IcmpSocket::Open(*kind);
    }
    return socket_.has_value();
  }

  std::vector<IcmpSocketKind> kinds_;
  std::optional<IcmpSocket> socket_;
  std::uint16_t sequence_ = 0;
};

}  // namespace

std::unique_ptr<Pinger> MakeSocketPinger(std::vector<IcmpSocketKind> kinds) {
  return std::make_unique<SocketPinger>(std::move(kinds));
}

std::unique_ptr<Pinger> MakeSystemPinger() {
  return MakeSocketPinger({IcmpSocketKind::kDatagram, IcmpSocketKind::kRaw});
}

}  // namespace vantrel::platform

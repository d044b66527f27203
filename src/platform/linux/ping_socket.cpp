#include "ping_socket.h"

#include <arpa/inet.h>
#include <linux/errqueue.h>
#include <linux/icmp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cstring>
#include <random>
#include <span>
#include <utility>

namespace vantrel::platform {
namespace {

constexpr std::uint8_t kEchoReply = 0;
constexpr std::uint8_t kEchoRequest = 8;
constexpr std::size_t kIcmpHeaderSize = 8;
constexpr std::size_t kMinIpHeaderSize = 20;

std::uint16_t ReadBigEndian16(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint16_t>(bytes[at] << 8 | bytes[at + 1]);
}

std::uint16_t InternetChecksum(std::span<const std::uint8_t> bytes) {
  std::uint32_t sum = 0;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) sum += ReadBigEndian16(bytes, i);
  if (bytes.size() % 2) sum += static_cast<std::uint32_t>(bytes.back()) << 8;
  while (sum >> 16) sum = (sum & 0xFFFF) + (sum >> 16);
  return static_cast<std::uint16_t>(~sum);
}

bool IsEchoRequestOf(std::span<const std::uint8_t> icmp, std::uint16_t identifier,
                     std::uint16_t sequence) {
  return icmp.size() >= kIcmpHeaderSize && icmp[0] == kEchoRequest &&
         ReadBigEndian16(icmp, 4) == identifier && ReadBigEndian16(icmp, 6) == sequence;
}

// The IP header's length, or 0 when `packet` holds no whole IPv4 header.
std::size_t IpHeaderSize(std::span<const std::uint8_t> packet) {
  if (packet.size() < kMinIpHeaderSize || packet[0] >> 4 != 4) return 0;
  const std::size_t size = (packet[0] & 0x0F) * 4u;
  return size >= kMinIpHeaderSize && size <= packet.size() ? size : 0;
}

bool IsIcmpError(std::uint8_t type) {
  return type == ICMP_DEST_UNREACH || type == ICMP_TIME_EXCEEDED || type == ICMP_PARAMETERPROB;
}

in_addr IpAddressAt(std::span<const std::uint8_t> bytes, std::size_t at) {
  in_addr address;
  std::memcpy(&address.s_addr, bytes.data() + at, sizeof address.s_addr);
  return address;
}

bool SameAddress(in_addr a, in_addr b) { return a.s_addr == b.s_addr; }

// A raw socket hears every ICMP packet; let only replies and errors through to it.
void FilterRawSocket(int fd) {
  icmp_filter filter{};
  filter.data = ~((1u << kEchoReply) | (1u << ICMP_DEST_UNREACH) | (1u << ICMP_TIME_EXCEEDED) |
                  (1u << ICMP_PARAMETERPROB));
  setsockopt(fd, SOL_RAW, ICMP_FILTER, &filter, sizeof filter);
}

// A ping socket's identifier is the "port" the kernel binds it to.
std::optional<std::uint16_t> BindPingSocket(int fd) {
  sockaddr_in any{};
  any.sin_family = AF_INET;
  if (bind(fd, reinterpret_cast<const sockaddr*>(&any), sizeof any) != 0) return std::nullopt;
  sockaddr_in bound{};
  socklen_t size = sizeof bound;
  if (getsockname(fd, reinterpret_cast<sockaddr*>(&bound), &size) != 0) return std::nullopt;
  // Errors for our echoes arrive on the error queue only when asked for.
  const int on = 1;
  if (setsockopt(fd, IPPROTO_IP, IP_RECVERR, &on, sizeof on) != 0) return std::nullopt;
  return ntohs(bound.sin_port);
}

}  // namespace

std::optional<IcmpSocket> IcmpSocket::Open(IcmpSocketKind kind) {
  const int type = kind == IcmpSocketKind::kDatagram ? SOCK_DGRAM : SOCK_RAW;
  const int fd = socket(AF_INET, type | SOCK_CLOEXEC | SOCK_NONBLOCK, IPPROTO_ICMP);
  if (fd < 0) return std::nullopt;
  IcmpSocket owned(fd, kind, 0);
  if (kind == IcmpSocketKind::kDatagram) {
    const auto identifier = BindPingSocket(fd);
    if (!identifier) return std::nullopt;
    owned.identifier_ = *identifier;
  } else {
    FilterRawSocket(fd);
    owned.identifier_ = static_cast<std::uint16_t>(std::random_device{}());
  }
  return owned;
}

IcmpSocket::IcmpSocket(int fd, IcmpSocketKind kind, std::uint16_t identifier)
    : fd_(fd), kind_(kind), identifier_(identifier) {}

IcmpSocket::IcmpSocket(IcmpSocket&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), kind_(other.kind_), identifier_(other.identifier_) {}

IcmpSocket& IcmpSocket::operator=(IcmpSocket&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) close(fd_);
    fd_ = std::exchange(other.fd_, -1);
    kind_ = other.kind_;
    identifier_ = other.identifier_;
  }
  return *this;
}

IcmpSocket::~IcmpSocket() {
  if (fd_ >= 0) close(fd_);
}

bool IcmpSocket::SendEchoRequest(in_addr to, std::uint16_t sequence) const {
  std::array<std::uint8_t, kIcmpHeaderSize> request{kEchoRequest,
                                                    0,
                                                    0,
                                                    0,
                                                    static_cast<std::uint8_t>(identifier_ >> 8),
                                                    static_cast<std::uint8_t>(identifier_),
                                                    static_cast<std::uint8_t>(sequence >> 8),
                                                    static_cast<std::uint8_t>(sequence)};
  const std::uint16_t checksum = InternetChecksum(request);
  request[2] = static_cast<std::uint8_t>(checksum >> 8);
  request[3] = static_cast<std::uint8_t>(checksum);

  sockaddr_in target{};
  target.sin_family = AF_INET;
  target.sin_addr = to;
  return sendto(fd_, request.data(), request.size(), 0, reinterpret_cast<const sockaddr*>(&target),
                sizeof target) == static_cast<ssize_t>(request.size());
}

EchoAnswer IcmpSocket::ReadAnswer(in_addr to, std::uint16_t sequence) const {
  if (kind_ == IcmpSocketKind::kDatagram) {
    const EchoAnswer queued = ReadQueuedError(to, sequence);
    if (queued != EchoAnswer::kOther) return queued;
  }

  std::array<std::uint8_t, 1500> buffer;
  sockaddr_in from{};
  socklen_t fromSize = sizeof from;
  const ssize_t received = recvfrom(fd_, buffer.data(), buffer.size(), MSG_DONTWAIT,
                                    reinterpret_cast<sockaddr*>(&from), &fromSize);
  if (received <= 0) return EchoAnswer::kOther;
  std::span<const std::uint8_t> packet(buffer.data(), static_cast<std::size_t>(received));

  in_addr source = from.sin_addr;
  if (kind_ == IcmpSocketKind::kRaw) {
    const std::size_t ipSize = IpHeaderSize(packet);
    if (ipSize == 0) return EchoAnswer::kOther;
    source = IpAddressAt(packet, 12);
    packet = packet.subspan(ipSize);
  }
  if (packet.size() < kIcmpHeaderSize) return EchoAnswer::kOther;

  if (packet[0] == kEchoReply) {
    const bool ours = ReadBigEndian16(packet, 4) == identifier_ &&
                      ReadBigEndian16(packet, 6) == sequence && SameAddress(source, to);
    return ours ? EchoAnswer::kReply : EchoAnswer::kOther;
  }
  // A raw socket sees errors as packets: the original IP header and our request's header follow.
  if (kind_ == IcmpSocketKind::kRaw && IsIcmpError(packet[0])) {
    const auto original = packet.subspan(kIcmpHeaderSize);
    const std::size_t ipSize = IpHeaderSize(original);
    if (ipSize == 0 || original[9] != IPPROTO_ICMP) return EchoAnswer::kOther;
    const bool ours = SameAddress(IpAddressAt(original, 16), to) &&
                      IsEchoRequestOf(original.subspan(ipSize), identifier_, sequence);
    return ours ? EchoAnswer::kError : EchoAnswer::kOther;
  }
  return EchoAnswer::kOther;
}

EchoAnswer IcmpSocket::ReadQueuedError(in_addr to, std::uint16_t sequence) const {
  std::array<std::uint8_t, 576> payload;
  alignas(cmsghdr) std::array<char, 512> control;
  sockaddr_in original{};
  iovec vector{payload.data(), payload.size()};
  msghdr message{};
  message.msg_name = &original;
  message.msg_namelen = sizeof original;
  message.msg_iov = &vector;
  message.msg_iovlen = 1;
  message.msg_control = control.data();
  message.msg_controllen = control.size();
  const ssize_t received = recvmsg(fd_, &message, MSG_ERRQUEUE | MSG_DONTWAIT);
  if (received < 0) return EchoAnswer::kOther;

  bool isError = false;
  for (cmsghdr* entry = CMSG_FIRSTHDR(&message); entry; entry = CMSG_NXTHDR(&message, entry)) {
    isError = isError || (entry->cmsg_level == IPPROTO_IP && entry->cmsg_type == IP_RECVERR);
  }
  // The queued payload is the request the error was about.
  const std::span<const std::uint8_t> request(payload.data(), static_cast<std::size_t>(received));
  const bool ours = isError && SameAddress(original.sin_addr, to) &&
                    IsEchoRequestOf(request, identifier_, sequence);
  return ours ? EchoAnswer::kError : EchoAnswer::kOther;
}

}  // namespace vantrel::platform

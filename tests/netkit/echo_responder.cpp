// The delayed test hosts: answers every ICMP echo request after a set delay, from a raw socket,
// in a network namespace whose kernel answers no echoes itself. This kernel has no netem to delay
// the kernel's own replies.
//
//   vantrel_echo_responder --delay MS [--duplicate-after MS] [--answer reply|unreachable]
//                          [--ready-file PATH]
//
// With --duplicate-after it sends each reply once more that long after the first: a late reply
// that a pinger must not take for its next echo. `--answer unreachable` answers with an ICMP
// "port unreachable" about the request instead, as a host whose firewall rejects echoes does.
// --ready-file is created once the socket listens.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Options {
  std::chrono::milliseconds delay{0};
  std::chrono::milliseconds duplicateAfter{-1};  // negative: no duplicate
  bool unreachable = false;
  std::string readyFile;
};

struct Reply {
  sockaddr_in to;
  std::vector<std::uint8_t> packet;
};

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd_ >= 0) close(fd_);
  }
  int get() const { return fd_; }

 private:
  int fd_;
};

std::uint16_t Checksum(const std::vector<std::uint8_t>& bytes) {
  std::uint32_t sum = 0;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) sum += bytes[i] << 8 | bytes[i + 1];
  if (bytes.size() % 2) sum += static_cast<std::uint32_t>(bytes.back()) << 8;
  while (sum >> 16) sum = (sum & 0xFFFF) + (sum >> 16);
  return static_cast<std::uint16_t>(~sum);
}

bool ParseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string_view name = argv[i];
    const char* value = argv[i + 1];
    if (name == "--delay") {
      options.delay = std::chrono::milliseconds(std::atoi(value));
    } else if (name == "--duplicate-after") {
      options.duplicateAfter = std::chrono::milliseconds(std::atoi(value));
    } else if (name == "--answer" &&
               (value == std::string_view("reply") || value == std::string_view("unreachable"))) {
      options.unreachable = value == std::string_view("unreachable");
    } else if (name == "--ready-file") {
      options.readyFile = value;
    } else {
      return false;
    }
  }
  return argc % 2 == 1;
}

void SetChecksum(std::vector<std::uint8_t>& reply) {
  reply[2] = reply[3] = 0;
  const std::uint16_t checksum = Checksum(reply);
  reply[2] = static_cast<std::uint8_t>(checksum >> 8);
  reply[3] = static_cast<std::uint8_t>(checksum);
}

// The answer to the request in `datagram` (IP header included), or nothing for any other packet.
std::vector<std::uint8_t> AnswerTo(const std::uint8_t* datagram, std::size_t size,
                                   bool unreachable) {
  if (size < 20 || datagram[0] >> 4 != 4) return {};
  const std::size_t ipSize = (datagram[0] & 0x0F) * 4u;
  if (ipSize < 20 || size < ipSize + 8 || datagram[ipSize] != 8 || datagram[ipSize + 1] != 0) {
    return {};
  }
  std::vector<std::uint8_t> answer;
  if (unreachable) {
    // Type 3 code 3, then the request's IP header and its first 8 bytes.
    answer = {3, 3, 0, 0, 0, 0, 0, 0};
    answer.insert(answer.end(), datagram, datagram + ipSize + 8);
  } else {
    answer.assign(datagram + ipSize, datagram + size);
    answer[0] = 0;  // echo reply; identifier, sequence number and data stay
  }
  SetChecksum(answer);
  return answer;
}

int MillisecondsUntil(Clock::time_point due) {
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(due - Clock::now()).count();
  return left < 0 ? 0 : static_cast<int>(left);
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::fprintf(stderr,
                 "usage: %s --delay MS [--duplicate-after MS] [--answer reply|unreachable] "
                 "[--ready-file PATH]\n",
                 argv[0]);
    return 2;
  }
  const Descriptor socket(::socket(AF_INET, SOCK_RAW | SOCK_CLOEXEC, IPPROTO_ICMP));
  if (socket.get() < 0) {
    std::perror("raw ICMP socket");
    return 1;
  }
  if (!options.readyFile.empty()) std::ofstream(options.readyFile) << "ready\n";

  // Replies waiting for their time, earliest first.
  std::multimap<Clock::time_point, Reply> pending;
  for (;;) {
    const int wait = pending.empty() ? -1 : MillisecondsUntil(pending.begin()->first);
    pollfd watched{socket.get(), POLLIN, 0};
    if (poll(&watched, 1, wait) < 0) continue;
    // Sleep off the sub-millisecond rest too, so that a reply is never early.
    while (!pending.empty() &&
           pending.begin()->first <= Clock::now() + std::chrono::milliseconds(1)) {
      while (Clock::now() < pending.begin()->first) {
      }
      const Reply& due = pending.begin()->second;
      sendto(socket.get(), due.packet.data(), due.packet.size(), 0,
             reinterpret_cast<const sockaddr*>(&due.to), sizeof due.to);
      pending.erase(pending.begin());
    }
    if (!(watched.revents & POLLIN)) continue;

    std::uint8_t datagram[2048];
    sockaddr_in from{};
    socklen_t fromSize = sizeof from;
    const ssize_t received = recvfrom(socket.get(), datagram, sizeof datagram, MSG_DONTWAIT,
                                      reinterpret_cast<sockaddr*>(&from), &fromSize);
    if (received <= 0) continue;
    const Clock::time_point arrived = Clock::now();
    std::vector<std::uint8_t> reply =
        AnswerTo(datagram, static_cast<std::size_t>(received), options.unreachable);
    if (reply.empty()) continue;
    if (options.duplicateAfter.count() >= 0) {
      pending.emplace(arrived + options.delay + options.duplicateAfter, Reply{from, reply});
    }
    pending.emplace(arrived + options.delay, Reply{from, std::move(reply)});
  }
}

// Which socket the Linux pinger can open decides how it pings: a ping socket where the group may
// open one, else a raw socket with CAP_NET_RAW, else no echo at all. The kit lets only group 0
// open ping sockets, so taking away group 0 (and then root's capabilities with the effective user)
// walks through the three cases in one process.
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/types.h>
#include <unistd.h>

#include <vector>

#include "kit_check.h"
#include "ping_linux.h"
#include "ping_socket.h"
#include "platform/system.h"

namespace vantrel::platform {
namespace {

constexpr uid_t kNobody = 65534;

// While it lives, the process runs with group nobody and no supplementary groups, and, asked
// to, as user nobody too (which clears its effective capabilities).
class LessPrivilege {
 public:
  explicit LessPrivilege(bool alsoUser) : groups_(getgroups(0, nullptr)) {
    groups_.resize(
        static_cast<std::size_t>(getgroups(static_cast<int>(groups_.size()), groups_.data())));
    ok_ =
        setgroups(0, nullptr) == 0 && setegid(kNobody) == 0 && (!alsoUser || seteuid(kNobody) == 0);
  }
  LessPrivilege(const LessPrivilege&) = delete;
  LessPrivilege& operator=(const LessPrivilege&) = delete;
  ~LessPrivilege() {
    // Back to root first: only root may set the groups again.
    if (seteuid(0) != 0 || setegid(0) != 0 || setgroups(groups_.size(), groups_.data()) != 0) {
      ADD_FAILURE() << "could not take back root's privileges";
    }
  }
  bool ok() const { return ok_; }

 private:
  std::vector<gid_t> groups_;
  bool ok_ = false;
};

class PingPrivilege : public testing::Test {
 protected:
  void SetUp() override {
    const std::string why = netkit::WhyNotInsideKit();
    if (!why.empty()) GTEST_FAIL() << "not inside the network test kit: " << why;
    if (geteuid() != 0) GTEST_FAIL() << "these tests change privileges and need root";
  }
};

TEST_F(PingPrivilege, RootInTheKitGetsAPingSocket) {
  EXPECT_TRUE(IcmpSocket::Open(IcmpSocketKind::kDatagram).has_value());
  EXPECT_EQ(MakeSystemPinger()->PingHost("127.0.0.1", 1000), 0);
}

TEST_F(PingPrivilege, WithoutThePingGroupFallsBackToARawSocket) {
  const LessPrivilege lessPrivilege(false);
  ASSERT_TRUE(lessPrivilege.ok());
  ASSERT_FALSE(IcmpSocket::Open(IcmpSocketKind::kDatagram).has_value());
  ASSERT_TRUE(IcmpSocket::Open(IcmpSocketKind::kRaw).has_value());
  EXPECT_EQ(MakeSystemPinger()->PingHost("127.0.0.1", 1000), 0);
}

TEST_F(PingPrivilege, WithNeitherSocketGivesMinusOneAndAsksAgainLater) {
  const auto pinger = MakeSystemPinger();
  {
    const LessPrivilege lessPrivilege(true);
    ASSERT_TRUE(lessPrivilege.ok());
    ASSERT_FALSE(IcmpSocket::Open(IcmpSocketKind::kRaw).has_value());
    EXPECT_EQ(pinger->PingHost("127.0.0.1", 1000), -1);
  }
  EXPECT_EQ(pinger->PingHost("127.0.0.1", 1000), 0);
}

}  // namespace
}  // namespace vantrel::platform

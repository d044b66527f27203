// PingHost against real hosts: the test network of tests/netkit, built for both platforms, so the
// same table runs natively and, for the Windows build, under Wine.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

#include "kit_check.h"
#include "pingers_under_test.h"
#include "test_hosts.h"

namespace vantrel {
namespace {

using namespace netkit;

// Replies from our responder come after its delay, never before. Above it is slack for a busy
// machine: idle, the time reads the delay itself; with the load at three times the cores it has
// read up to 8 ms more. A reply taken too early (a late one for an earlier echo) reads less.
constexpr int kDelayedLow = kReplyDelayMs;
constexpr int kDelayedHigh = kReplyDelayMs + 15;

const std::string& KitProblem() {
  static const std::string why = WhyNotInsideKit();
  return why;
}

struct PingCase {
  std::string name;
  std::string host;
  int waitMs;
  int lowest;
  int highest;
  // The least of this many echoes is checked: Wine's first echo of a process can read 1 ms.
  int echoes = 1;
};

void PrintTo(const PingCase& ping, std::ostream* out) { *out << ping.name; }

const PingCase kPingCases[] = {
    {"loopback", "127.0.0.1", 1000, 0, 0, 3},
    {"short_dotted_loopback", "127.1", 1000, 0, 0, 3},
    {"localhost_by_name", "localhost", 1000, 0, 0, 3},
    {"answering_host", kAnsweringHost, 1000, 0, 1, 3},
    {"delayed_host", kDelayedHost, 1000, kDelayedLow, kDelayedHigh},
    {"delayed_host_by_name", kDelayedHostName, 1000, kDelayedLow, kDelayedHigh},
    {"wait_shorter_than_the_delay", kDelayedHost, kReplyDelayMs / 4, -1, -1},
    {"silent_host", kSilentHost, 300, -1, -1},
    {"unresolvable_name", kUnresolvableName, 1000, -1, -1},
    {"empty_host", "", 1000, -1, -1},
    {"no_route", kNoRouteHost, 2000, -1, -1},
    {"network_unreachable_error", kUnreachableNetworkHost, 2000, -1, -1},
    {"unreachable_error_from_the_host", kRefusingHost, 2000, -1, -1},
};

class PingTable : public testing::TestWithParam<std::tuple<PingerUnderTest, PingCase>> {
 protected:
  void SetUp() override {
    if (!KitProblem().empty()) GTEST_FAIL() << "not inside the network test kit: " << KitProblem();
  }
};

TEST_P(PingTable, GivesTheRoundTripTimeOrMinusOne) {
  const auto& [pingerUnderTest, ping] = GetParam();
  const auto pinger = pingerUnderTest.make();
  int result = pinger->PingHost(ping.host, ping.waitMs);
  for (int echo = 1; echo < ping.echoes; ++echo) {
    result = std::min(result, pinger->PingHost(ping.host, ping.waitMs));
  }
  EXPECT_GE(result, ping.lowest) << ping.host;
  EXPECT_LE(result, ping.highest < 0 ? ping.highest : ping.highest + EmulationSlackMs())
      << ping.host;
  RecordProperty("result_ms", result);
}

INSTANTIATE_TEST_SUITE_P(Hosts, PingTable,
                         testing::Combine(testing::ValuesIn(PingersUnderTest()),
                                          testing::ValuesIn(kPingCases)),
                         [](const auto& info) {
                           return std::get<0>(info.param).name + "_" + std::get<1>(info.param).name;
                         });

class LateReply : public testing::TestWithParam<PingerUnderTest> {
 protected:
  void SetUp() override {
    if (!KitProblem().empty()) GTEST_FAIL() << "not inside the network test kit: " << KitProblem();
  }
};

// The reply to the echo that gave up arrives in the middle of the next echo's wait.
TEST_P(LateReply, ToAnEchoThatGaveUpIsNotTakenForTheNext) {
  const auto pinger = GetParam().make();
  EXPECT_EQ(pinger->PingHost(kDelayedHost, kReplyDelayMs / 4), -1);
  const int next = pinger->PingHost(kDelayedHost, 1000);
  EXPECT_GE(next, kDelayedLow);
  EXPECT_LE(next, kDelayedHigh);
}

// The duplicate of the first reply arrives kDuplicateAfterMs into the second echo.
TEST_P(LateReply, DuplicateOfTheLastReplyIsNotTakenForTheNext) {
  const auto pinger = GetParam().make();
  for (int echo = 0; echo < 3; ++echo) {
    const int result = pinger->PingHost(kDuplicatingHost, 1000);
    EXPECT_GE(result, kDelayedLow) << "echo " << echo;
    EXPECT_LE(result, kDelayedHigh) << "echo " << echo;
  }
}

INSTANTIATE_TEST_SUITE_P(Pingers, LateReply, testing::ValuesIn(PingersUnderTest()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace vantrel

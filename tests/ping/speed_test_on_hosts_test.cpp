// The whole speed test with the system's pinger and RegExp object against the kit's test hosts:
// real echoes, real extraction, stand-in controls.
#include <gtest/gtest.h>

#include <string>

#include "netkit/kit_check.h"
#include "netkit/test_hosts.h"
#include "platform/system.h"
#include "speedtest/speed_test.h"
#include "support/fake_controls.h"
#include "support/results_page.h"

namespace vantrel {
namespace {

using namespace testing_support;

TEST(SpeedTestOnTestHosts, ListsEachMatchWithItsEchoTime) {
  const std::string problem = netkit::WhyNotInsideKit();
  if (!problem.empty()) GTEST_FAIL() << "not inside the network test kit: " << problem;

  Log log;
  FakeEditBox edit(log, MakeResultsPage({{"1", "127.0.0.1", "a"},
                                         {"2", netkit::kSilentHost, "b"},
                                         {"3", "", "c"},
                                         {"4", netkit::kDelayedHost, "d"},
                                         {"5", "127.0.0.1", "e"},
                                         {"6", netkit::kUnresolvableName, "f"}}));
  FakeAddressList list(log);
  const auto automation = platform::MakeSystemAutomation();
  const auto pinger = platform::MakeSystemPinger();
  RunSpeedTest({edit, list, *automation, *pinger});

  EXPECT_EQ(list.Column(0),
            (std::vector<Text>{"127.0.0.1", netkit::kSilentHost, "", netkit::kDelayedHost,
                               "127.0.0.1", netkit::kUnresolvableName}));
  const std::vector<Text> times = list.Column(1);
  ASSERT_EQ(times.size(), 6u);
  // Loopback answers within a millisecond (Wine's first echo of a process can read 1).
  const auto answeredFromLoopback = [](const Text& time) {
    const int ms = std::stoi(time);
    return ms >= 0 && ms <= 1 + netkit::EmulationSlackMs();
  };
  EXPECT_TRUE(answeredFromLoopback(times[0])) << times[0];
  EXPECT_EQ(times[1], "-1");
  EXPECT_EQ(times[2], "-1");  // an empty cell is never looked up
  // The delayed host answers after its delay: well within the speed test's wait.
  const int delayed = std::stoi(times[3]);
  EXPECT_GE(delayed, netkit::kReplyDelayMs - 1);
  EXPECT_LT(delayed, kSpeedTestPingWaitMs);
  EXPECT_TRUE(answeredFromLoopback(times[4])) << times[4];
  EXPECT_EQ(times[5], "-1");
  EXPECT_EQ(edit.text(), "");
}

}  // namespace
}  // namespace vantrel

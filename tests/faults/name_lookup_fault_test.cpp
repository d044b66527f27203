// Lines whose name lookup fails, amid lines that answer: the system's RegExp object and pinger run
// the whole speed test on stand-in controls. A failed lookup gives -1 for its own line only.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "netkit/kit_check.h"
#include "netkit/test_hosts.h"
#include "platform/system.h"
#include "speedtest/speed_test.h"
#include "support/fake_controls.h"
#include "support/results_page.h"

namespace vantrel {
namespace {

using namespace testing_support;

struct Line {
  const char* what;
  Text address;
  bool answers;
};

std::vector<Line> Lines() {
  return {
      {"loopback", "127.0.0.1", true},
      {"no such name", netkit::kUnresolvableName, false},
      {"localhost by name", "localhost", true},
      {"label of 64 characters", Text(64, 'a') + ".invalid", false},
      {"name of 300 characters", Text(37, 'b') + "." + Text(254, 'c') + ".invalid", false},
      {"name of 20,000 characters", Text(20000, 'd') + ".invalid", false},
      {"markup and spaces", "<b>127.0.0.1</b> x.invalid", false},
      {"code page 936 name", "\xB2\xE2\xCA\xD4.invalid", false},  // 测试.invalid
      {"dots only", "...invalid", false},
      {"loopback again", "127.0.0.2", true},
  };
}

TEST(NameLookupFault, FailedLookupsGiveMinusOneAndLeaveTheOtherLinesAlone) {
  const std::string problem = netkit::WhyNotInsideKit();
  if (!problem.empty()) GTEST_FAIL() << "not inside the network test kit: " << problem;

  const std::vector<Line> lines = Lines();
  std::vector<ResultRow> rows;
  for (const Line& line : lines) rows.push_back({"1", line.address, "place"});
  Log log;
  FakeEditBox edit(log, MakeResultsPage(rows));
  FakeAddressList list(log);
  const auto automation = platform::MakeSystemAutomation();
  const auto pinger = platform::MakeSystemPinger();
  // Twice: a failed lookup leaves nothing behind that spoils a later run.
  for (int run = 0; run < 2; ++run) {
    if (run == 1) edit.SetText(MakeResultsPage(rows));
    RunSpeedTest({edit, list, *automation, *pinger});
    ASSERT_EQ(list.rows().size(), lines.size()) << "run " << run;
    for (size_t i = 0; i < lines.size(); ++i) {
      SCOPED_TRACE(std::string(lines[i].what) + ", run " + std::to_string(run));
      EXPECT_EQ(list.rows()[i][0], lines[i].address);
      const int time = std::stoi(list.rows()[i][1]);
      if (lines[i].answers) {
        EXPECT_GE(time, 0);
        EXPECT_LT(time, kSpeedTestPingWaitMs);
      } else {
        EXPECT_EQ(time, -1);
      }
    }
    EXPECT_EQ(edit.text(), "");
  }
}

}  // namespace
}  // namespace vantrel

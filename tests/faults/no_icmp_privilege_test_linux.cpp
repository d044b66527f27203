// The speed test on the real window without any right to send ICMP: not root, no CAP_NET_RAW and
// no group allowed ping sockets. Every line is still listed, each with -1, and nothing else
// differs from the same run with the right.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "child_process_linux.h"

namespace vantrel::faults {
namespace {

struct Row {
  std::string address;
  std::string time;
};

std::vector<Row> Rows(const ChildOutcome& outcome) {
  std::vector<Row> rows;
  for (const std::string& fields : outcome.Lines("row")) {
    const size_t tab = fields.find('\t');
    rows.push_back({fields.substr(0, tab), tab == std::string::npos ? "" : fields.substr(tab + 1)});
  }
  return rows;
}

ChildOutcome RunDriver(const std::string& mode, const std::vector<std::string>& addresses) {
  std::vector<std::string> argv = {VANTREL_SPEED_TEST_DRIVER, mode};
  argv.insert(argv.end(), addresses.begin(), addresses.end());
  return RunChild(argv);
}

TEST(NoIcmpPrivilege, EveryLineIsListedWithMinusOneAndNothingElseChanges) {
  if (geteuid() != 0) GTEST_FAIL() << "this test makes a network namespace and changes users";
  // Loopback by address and by name, one that does not resolve, an empty cell.
  const std::vector<std::string> addresses = {"127.0.0.1", "localhost", "127.0.0.2",
                                              "",          "x.invalid", "127.0.0.1"};
  const ChildOutcome allowed = RunDriver("--own-network", addresses);
  const ChildOutcome refused = RunDriver("--no-icmp-privilege", addresses);
  ASSERT_TRUE(allowed.exited && allowed.exitCode == 0) << allowed.err;
  ASSERT_TRUE(refused.exited && refused.exitCode == 0) << refused.err;
  // Root there pings through a raw socket; nobody may open either kind.
  EXPECT_EQ(allowed.Lines("icmp"), std::vector<std::string>{"raw"});
  EXPECT_EQ(refused.Lines("icmp"), std::vector<std::string>{"none"});

  const std::vector<Row> withRight = Rows(allowed);
  const std::vector<Row> without = Rows(refused);
  ASSERT_EQ(withRight.size(), addresses.size());
  ASSERT_EQ(without.size(), addresses.size());
  for (size_t i = 0; i < addresses.size(); ++i) {
    SCOPED_TRACE(addresses[i]);
    EXPECT_EQ(withRight[i].address, addresses[i]);
    EXPECT_EQ(without[i].address, addresses[i]);
    EXPECT_EQ(without[i].time, "-1");
    const bool answers = !addresses[i].empty() && addresses[i] != "x.invalid";
    if (answers) {
      EXPECT_GE(std::stoi(withRight[i].time), 0) << "the same line answers with the right";
    } else {
      EXPECT_EQ(withRight[i].time, "-1");
    }
  }
  EXPECT_EQ(allowed.Lines("edit"), std::vector<std::string>{"0"});
  EXPECT_EQ(refused.Lines("edit"), std::vector<std::string>{"0"});
  EXPECT_TRUE(refused.Lines("box").empty());
}

}  // namespace
}  // namespace vantrel::faults

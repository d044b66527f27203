// 1,000 speed tests with the real pinger, inside the network test kit only: echoes to loopback
// and to the kit's refusing and route-less hosts, a name that does not resolve and an empty cell.
// Neither the heap nor the process's open descriptors grow: each echo's socket is closed again.
#include <gtest/gtest.h>

#include <filesystem>

#include "leaks/speed_test_runs.h"
#include "netkit/kit_check.h"
#include "netkit/test_hosts.h"

namespace vantrel::testing_support {
namespace {

size_t OpenDescriptors() {
  size_t count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
    ++count;
  }
  return count;
}

TEST_F(SpeedTestRuns, ThousandRunsWithRealEchoesKeepHeapAndDescriptorsFlat) {
  const std::string problem = netkit::WhyNotInsideKit();
  if (!problem.empty()) GTEST_FAIL() << "not inside the network test kit: " << problem;

  const std::unique_ptr<Pinger> pinger = platform::MakeSystemPinger();
  Start(*pinger);
  const Text page = MakeResultsPage({{"1", "127.0.0.1", "a"},
                                     {"2", netkit::kRefusingHost, "b"},
                                     {"3", "", "c"},
                                     {"4", netkit::kNoRouteHost, "d"},
                                     {"5", netkit::kUnresolvableName, "e"}});
  // The warm-up also opens what the pinger keeps for its life.
  Run(page, kWarmUpRuns);
  const size_t descriptorsBefore = OpenDescriptors();
  const int64_t growth = GrowthOverRuns(page);
  RecordProperty("heap_growth_bytes", std::to_string(growth));
  EXPECT_LE(growth, kAllowedGrowthBytes) << "heap growth over " << kMeasuredRuns << " runs";
  EXPECT_EQ(OpenDescriptors(), descriptorsBefore);

  // The last run listed every line, loopback with a time and the rest with -1.
  EXPECT_EQ(Column(0), (std::vector<Text>{"127.0.0.1", netkit::kRefusingHost, "",
                                          netkit::kNoRouteHost, netkit::kUnresolvableName}));
  const std::vector<Text> times = Column(1);
  ASSERT_EQ(times.size(), 5u);
  EXPECT_NE(times[0], "-1");
  EXPECT_EQ((std::vector<Text>(times.begin() + 1, times.end())),
            (std::vector<Text>{"-1", "-1", "-1", "-1"}));
}

}  // namespace
}  // namespace vantrel::testing_support

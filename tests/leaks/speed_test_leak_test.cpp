// 1,000 speed tests in one process leave the heap where it was: pages with rows (GBK place
// names, an empty address cell, a repeated address, a host name), a page in a layout that gives
// no row and an empty edit box, in turn, through the real window and the real RegExp object.
#include <gtest/gtest.h>

#include <map>

#include "leaks/speed_test_runs.h"

namespace vantrel::testing_support {
namespace {

// Answers from a fixed table and only counts: recording each host would itself grow the heap.
class CountingPinger : public Pinger {
 public:
  int64_t echoes = 0;

 protected:
  int Echo(const Text& host, int) override {
    ++echoes;
    return host == "127.0.0.1" ? 0 : host.size() % 2 == 0 ? 23 : -1;
  }
};

TEST_F(SpeedTestRuns, ThousandRunsKeepTheHeapFlat) {
  CountingPinger pinger;
  Start(pinger);
  const std::vector<ResultRow> rows = {
      {"1", "127.0.0.1", "\xB1\xB1\xBE\xA9"},   // 北京
      {"2", "198.18.2.2", "\xC9\xCF\xBA\xA3"},  // 上海
      {"3", "", "x"},
      {"4", "127.0.0.1", "y"},
      {"5", "host.example.invalid", "z"},
      {"6", "198.19.0.1", "\xB9\xE3\xD6\xDD"},  // 广州
  };
  const Text withRows = MakeResultsPage(rows);
  // A space between each cell's end tag and its line break: no row matches.
  Text wrongLayout = withRows;
  for (size_t at = 0; (at = wrongLayout.find("</td>\r\n", at)) != Text::npos; at += 6) {
    wrongLayout.insert(at + 5, " ");
  }
  const std::vector<Text> pages = {withRows, wrongLayout, Text()};

  // Whole cycles of the three pages, so that both measures follow a run of the empty page and
  // find the same (empty) list.
  const auto runCycles = [&](int cycles) {
    for (int i = 0; i < cycles; ++i) {
      for (const Text& page : pages) Run(page, 1);
    }
  };
  runCycles(kWarmUpRuns / 3);
  const int64_t echoesBefore = pinger.echoes;
  const size_t before = LiveHeapBytes();
  const int cycles = (kMeasuredRuns + 2) / 3;
  runCycles(cycles);
  const int64_t growth = static_cast<int64_t>(LiveHeapBytes()) - static_cast<int64_t>(before);

  // The runs did their work: one echo per non-empty address of every page with rows.
  EXPECT_EQ(pinger.echoes - echoesBefore, cycles * 5);
  RecordProperty("heap_growth_bytes", std::to_string(growth));
  EXPECT_LE(growth, kAllowedGrowthBytes) << "heap growth over " << 3 * cycles << " runs";

  Run(withRows, 1);
  EXPECT_EQ(Column(0), (std::vector<Text>{"127.0.0.1", "198.18.2.2", "", "127.0.0.1",
                                          "host.example.invalid", "198.19.0.1"}));
  EXPECT_EQ(edit().ReadText(), "");
}

}  // namespace
}  // namespace vantrel::testing_support

// The speed test run many times in one process on the real Linux window: real edit box and
// list, the system's automation layer with its VBScript.RegExp, and a pinger the test chooses.
// Memory is measured after a warm-up, so that what Qt and the code page tables take once is not
// counted, and again after the runs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "leaks/live_heap.h"
#include "support/results_page.h"
#include "window_linux/window_fixture.h"

namespace vantrel::testing_support {

// The first few hundred runs fill what Qt keeps once (fonts, layouts, the code page tables).
inline constexpr int kWarmUpRuns = 300;
inline constexpr int kMeasuredRuns = 1000;
// Heap growth allowed over the measured runs. One lost allocation per run leaves at least
// 16,000 bytes (no allocation is smaller than 16 bytes), and a loss of even two bytes a run on
// average shows. Flat runs measure within a few hundred bytes, since the tests run with glibc's
// per-thread cache off (GLIBC_TUNABLES, tests/leaks/CMakeLists.txt): the blocks that cache holds
// count as in use and would add kilobytes of noise.
inline constexpr int64_t kAllowedGrowthBytes = 1024;

class SpeedTestRuns : public WindowTest {
 protected:
  void Start(Pinger& pinger) {
    automation_ = platform::MakeSystemAutomation();
    ASSERT_NE(automation_, nullptr);
    Open(*automation_, pinger);
    start_ = Button(kStartTestCaption);
    ASSERT_NE(start_, nullptr);
  }

  // Pastes `page` and clicks the start button, `runs` times.
  void Run(const Text& page, int runs) {
    for (int i = 0; i < runs; ++i) {
      edit().SetText(page);
      QTest::mouseClick(start_, Qt::LeftButton);
      Settle();
    }
  }

  // Heap growth in bytes over kMeasuredRuns runs of the page.
  int64_t GrowthOverRuns(const Text& page) {
    const size_t before = LiveHeapBytes();
    Run(page, kMeasuredRuns);
    const size_t after = LiveHeapBytes();
    return static_cast<int64_t>(after) - static_cast<int64_t>(before);
  }

  std::vector<Text> Column(int column) {
    std::vector<Text> cells;
    for (int row = 0; row < list().topLevelItemCount(); ++row) {
      cells.push_back(list().GetCellText(row, column));
    }
    return cells;
  }

 private:
  std::unique_ptr<AutomationLayer> automation_;
  QPushButton* start_ = nullptr;
};

}  // namespace vantrel::testing_support

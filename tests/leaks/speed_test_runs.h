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

inline constexpr int kWarmUpRuns = 50;
inline constexpr int kMeasuredRuns = 1000;
// Heap growth allowed over the measured runs. The smallest allocation glibc or the sanitizer
// makes is 16 bytes or more, so one lost allocation per run (1,000 runs) leaves at least
// 16,000 bytes; a few bytes per run on average, lost as a few larger blocks now and then, also
// shows above this.
inline constexpr int64_t kAllowedGrowthBytes = 4096;

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

  // Heap growth in bytes over kMeasuredRuns runs of the page, after the warm-up.
  int64_t GrowthOverRuns(const Text& page) {
    Run(page, kWarmUpRuns);
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

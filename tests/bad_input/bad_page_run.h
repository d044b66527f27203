// Runs the speed test on one page with the platform's real RegExp object and lean stand-ins for
// the controls and the pinger, and checks what a run must leave whatever the page: every matching
// row listed once in page order with its own echo result, no half-filled row, the rows of the
// earlier run gone and the edit box empty.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "lean_controls.h"
#include "platform/system.h"
#include "speedtest/speed_test.h"

namespace vantrel::testing_support {

// Compares long columns without printing a million cells: the count and the first difference.
inline void ExpectSameColumn(const std::vector<Text>& actual, const std::vector<Text>& expected,
                             const char* what) {
  EXPECT_EQ(actual.size(), expected.size()) << what;
  for (size_t i = 0; i < actual.size() && i < expected.size(); ++i) {
    if (actual[i] != expected[i]) {
      ADD_FAILURE() << what << " differs first at row " << i << ": "
                    << testing::PrintToString(actual[i]) << " instead of "
                    << testing::PrintToString(expected[i]);
      return;
    }
  }
}

// Checks a run's list and echoes against the addresses it must list: each non-empty address is
// pinged once, in row order, and its own result (`resultFor` of the echo's number) is listed
// beside it; an empty one gets -1 without an echo.
inline void ExpectListedAndPinged(const std::vector<Text>& firstColumn,
                                  const std::vector<Text>& secondColumn,
                                  const std::vector<Text>& pingedHosts,
                                  const std::vector<Text>& expected,
                                  int (*resultFor)(size_t) = InstantPinger::ResultFor) {
  std::vector<Text> pinged;
  std::vector<Text> times;
  for (const Text& address : expected) {
    if (address.empty()) {
      times.push_back("-1");
      continue;
    }
    times.push_back(DecimalText(resultFor(pinged.size())));
    pinged.push_back(address);
  }
  ExpectSameColumn(firstColumn, expected, "first column");
  ExpectSameColumn(pingedHosts, pinged, "pinged hosts");
  ExpectSameColumn(secondColumn, times, "second column");
}

class BadPageTest : public testing::Test {
 protected:
  // Runs the command on `page` over a list that still holds a row of an earlier run, and checks
  // the result against `expected`, the first column row by row.
  void RunAndExpect(Text page, const std::vector<Text>& expected) {
    StagingEditBox edit(std::move(page));
    list_.InsertRow();
    list_.SetCellText(0, 0, "stale row");
    list_.SetCellText(0, 1, "9");
    RunSpeedTest({edit, list_, *automation_, pinger_});

    EXPECT_EQ(edit.text(), "");
    ExpectListedAndPinged(list_.Column(0), list_.Column(1), pinger_.hosts, expected);
  }

  std::unique_ptr<AutomationLayer> automation_ = platform::MakeSystemAutomation();
  RowList list_;
  InstantPinger pinger_;
};

}  // namespace vantrel::testing_support

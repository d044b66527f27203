// Bad pages pasted into the real Windows window under Wine's null display driver: the page is set
// into the real EDIT control, the start button is clicked, and Wine's vbscript, the EDIT control
// (staging, one EM_REPLACESEL per line) and the list view do the work; only the pinger records
// and answers at once. The full sizes run through the lean stand-ins in large_pages_test: Wine's
// controls in the window cannot take them in CI time. Measured here, in the window:
//  - setting a page of many short lines: 256 KB in 2.2 s, growing with the size (50 MB: minutes);
//  - setting one line without a break (the edit box wraps it): 256 KB in 126 s, growing with the
//    square of the length, so 10 MB would take days;
//  - staging and listing: 2,000 rows 22 s (appends 3.9 ms, list rows 11 ms each), 10,000 rows
//    170 s.
#include <windows.h>
// The common controls' declarations build on those of windows.h.
#include <commctrl.h>

#include <string>
#include <vector>

#include "bad_bytes_cases.h"
#include "bad_page_run.h"
#include "bad_pages.h"
#include "bench/standing_aside.h"
#include "window/page_edit_box_win32.h"
#include "window/wide_text.h"
#include "window_fixture.h"

namespace vantrel::win32::testing {
namespace {

using testing_support::AddressCellsByLines;
using testing_support::BadBytes;
using testing_support::ExpectListedAndPinged;

class WindowBadInputTest : public WindowTest {
 protected:
  std::unique_ptr<AutomationLayer> MakeAutomation() override {
    return platform::MakeSystemAutomation();
  }

  // Pastes `page` over a list that still holds a row of an earlier run, clicks start and checks
  // the list, the echoes and the emptied edit box.
  void RunAndExpect(const Text& page, const std::vector<Text>& expected) {
    AddRow(L"stale row", L"9");
    Win32PageEditBox edit(editBox());
    edit.SetText(page);
    SendMessageW(control(EventBinding::kStartTest), BM_CLICK, 0, 0);
    Pump();
    EXPECT_EQ(edit.ReadText(), "");
    std::vector<Text> first;
    std::vector<Text> second;
    for (int row = 0; row < RowCount(); ++row) {
      first.push_back(TextFromWide(CellText(row, 0)));
      second.push_back(TextFromWide(CellText(row, 1)));
    }
    ExpectListedAndPinged(first, second, pinger_.hosts, expected, RecordingPinger::ResultFor);
  }
};

TEST_F(WindowBadInputTest, MegabytePageOfMostlyOtherContentListsEveryRow) {
  const Text page = testing_support::MostlyFillerPage(1u << 20, 10, 3);
  RunAndExpect(page, AddressCellsByLines(page));
}

TEST_F(WindowBadInputTest, ThreeThousandRowsAreAllListed) {
  const Text page = bench::LoopbackPage(3'000);
  RunAndExpect(page, AddressCellsByLines(page));
}

TEST_F(WindowBadInputTest, LineOfTextListsNothing) {
  RunAndExpect(testing_support::SingleLine(32u << 10,
                                           "\xB2\xE2\xCB\xD9\xBD\xE1\xB9\xFB speed test results "),
               {});
}

TEST_F(WindowBadInputTest, LineOfCellsListsNothing) {
  RunAndExpect(testing_support::SingleLine(32u << 10, "<td>1</td>\t\t\t\t\t<td>127.0.0.1</td>\t"),
               {});
}

class WindowBadBytesTest : public WindowBadInputTest,
                           public ::testing::WithParamInterface<BadBytes> {};

TEST_P(WindowBadBytesTest, ListsWhatTheCoreListsForThem) {
  RunAndExpect(GetParam().page, GetParam().listed);
}

INSTANTIATE_TEST_SUITE_P(NoCodePage936, WindowBadBytesTest,
                         ::testing::ValuesIn(testing_support::BadBytesCases()),
                         [](const auto& info) { return std::string(info.param.what); });

}  // namespace
}  // namespace vantrel::win32::testing

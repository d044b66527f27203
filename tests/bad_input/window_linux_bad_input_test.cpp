// Bad pages pasted into the real Linux window: the page is set into the real edit box, the start
// button is clicked, and the real RegExp object, the real edit box (staging) and the real list
// do the work; only the pinger answers at once. Measured here on Qt offscreen: the 50 MB page
// 11-15 s, each 10 MB line 6-7 s, 100,000 rows 23 s (staging and listing grow with the rows, so a
// million would take minutes: the million rows run through the lean stand-ins in
// large_pages_test).
#include <string>
#include <vector>

#include "bad_bytes_cases.h"
#include "bad_page_run.h"
#include "bad_pages.h"
#include "bench/standing_aside.h"
#include "window_fixture.h"

namespace vantrel::testing_support {
namespace {

// The page as the Linux edit box gives it back: it reads every line break, LF alone included, as
// CR LF, so the filler's table with LF line ends is a table of matching rows here.
Text AsTheEditBoxHoldsIt(const Text& page) {
  Text text;
  text.reserve(page.size() + page.size() / 16);
  for (size_t i = 0; i < page.size(); ++i) {
    if (page[i] == '\n' && (i == 0 || page[i - 1] != '\r')) text += '\r';
    text += page[i];
  }
  return text;
}

class WindowBadInputTest : public WindowTest {
 protected:
  void SetUp() override {
    automation_ = platform::MakeSystemAutomation();
    ASSERT_NE(automation_, nullptr);
    Open(*automation_, instantPinger_);
  }

  // Pastes `page` over a list that still holds a row of an earlier run, clicks start and checks
  // the list, the echoes and the emptied edit box.
  void RunAndExpect(const Text& page, const std::vector<Text>& expected) {
    FillList({{"stale row", "9"}});
    edit().SetText(page);
    QTest::mouseClick(Button(kStartTestCaption), Qt::LeftButton);
    EXPECT_EQ(edit().ReadText(), "");
    std::vector<Text> first;
    std::vector<Text> second;
    for (int row = 0; row < list().topLevelItemCount(); ++row) {
      first.push_back(list().GetCellText(row, 0));
      second.push_back(list().GetCellText(row, 1));
    }
    ExpectListedAndPinged(first, second, instantPinger_.hosts, expected);
  }

  std::unique_ptr<AutomationLayer> automation_;
  InstantPinger instantPinger_;
};

TEST_F(WindowBadInputTest, FiftyMegabytePageListsEveryRow) {
  const Text page = MostlyFillerPage(50u << 20, 10, 3);
  RunAndExpect(page, AddressCellsByLines(AsTheEditBoxHoldsIt(page)));
}

TEST_F(WindowBadInputTest, HundredThousandRowsAreAllListed) {
  const Text page = bench::LoopbackPage(100'000);
  RunAndExpect(page, AddressCellsByLines(page));
}

TEST_F(WindowBadInputTest, TenMegabyteLineOfTextListsNothing) {
  RunAndExpect(SingleLine(10u << 20, "\xB2\xE2\xCB\xD9\xBD\xE1\xB9\xFB speed test results "), {});
}

TEST_F(WindowBadInputTest, TenMegabyteLineOfCellsListsNothing) {
  RunAndExpect(SingleLine(10u << 20, "<td>1</td>\t\t\t\t\t<td>127.0.0.1</td>\t"), {});
}

class WindowBadBytesTest : public WindowBadInputTest,
                           public testing::WithParamInterface<BadBytes> {};

TEST_P(WindowBadBytesTest, ListsWhatTheCoreListsForThem) {
  RunAndExpect(GetParam().page, GetParam().listed);
}

INSTANTIATE_TEST_SUITE_P(NoCodePage936, WindowBadBytesTest, testing::ValuesIn(BadBytesCases()),
                         [](const auto& info) { return std::string(info.param.what); });

}  // namespace
}  // namespace vantrel::testing_support

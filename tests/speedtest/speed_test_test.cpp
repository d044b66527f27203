// The speed test command over stand-in controls and pinger, with the platform's real RegExp
// automation object doing the extraction (COM under Wine, our own layer on Linux).
#include "speedtest/speed_test.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/sample_results_page.h"
#include "platform/system.h"
#include "support/fake_controls.h"
#include "support/results_page.h"

namespace vantrel {
namespace {

using testing_support::AddressCellsByLines;
using testing_support::FakeAddressList;
using testing_support::FakeEditBox;
using testing_support::FakePinger;
using testing_support::Log;
using testing_support::MakeResultsPage;
using testing_support::ResultRow;

class SpeedTest : public testing::Test {
 protected:
  // Runs the command on `page` with the list already holding a row from an earlier run.
  void Run(const Text& page, std::map<Text, int> times = {}) {
    edit_ = std::make_unique<FakeEditBox>(log_, page);
    pinger_ = std::make_unique<FakePinger>(log_, std::move(times));
    list_.InsertRow();
    log_.clear();
    RunSpeedTest({*edit_, list_, *automation_, *pinger_});
  }
  void RunAgain() { RunSpeedTest({*edit_, list_, *automation_, *pinger_}); }

  Log log_;
  std::unique_ptr<AutomationLayer> automation_ = platform::MakeSystemAutomation();
  std::unique_ptr<FakeEditBox> edit_;
  FakeAddressList list_{log_};
  std::unique_ptr<FakePinger> pinger_;
};

TEST_F(SpeedTest, SamplePageGivesItsTenAddressesInPageOrder) {
  const std::vector<Text> expected = AddressCellsByLines(SampleResultsPage());
  ASSERT_EQ(expected.size(), 10u);
  Run(Text(SampleResultsPage()), {{expected[0], 23}, {expected[1], 0}});

  EXPECT_EQ(list_.Column(0), expected);
  EXPECT_EQ(pinger_->hosts, expected);
  for (int wait : pinger_->waits) EXPECT_EQ(wait, kSpeedTestPingWaitMs);
  EXPECT_EQ(list_.rows()[0][1], "23");
  EXPECT_EQ(list_.rows()[1][1], "0");
  EXPECT_EQ(list_.rows()[2][1], "-1");
  EXPECT_EQ(edit_->text(), "");
}

TEST_F(SpeedTest, StepsRunInOrderAndEachRowIsPingedBeforeTheNext) {
  Run(MakeResultsPage({{"1", "127.0.0.1", "a"}, {"2", "127.0.0.2", "b"}}), {{"127.0.0.1", 5}});
  const Log expected = {
      "edit.read",
      "edit.set:",
      "edit.append:127.0.0.1\r\n",
      "edit.append:127.0.0.2\r\n",
      "edit.read",
      "edit.set:",
      "list.clear",  // the rows of the previous run stay until here
      "list.insert",
      "list.cell:0,0:127.0.0.1",
      "ping:127.0.0.1",
      "list.cell:0,1:5",
      "list.insert",
      "list.cell:1,0:127.0.0.2",
      "ping:127.0.0.2",
      "list.cell:1,1:-1",
  };
  EXPECT_EQ(log_, expected);
}

TEST_F(SpeedTest, OneRowPerMatchWithDuplicatesAndEmptyCells) {
  // The empty cells stand in the middle and at the end: neither adds nor loses a row.
  Run(MakeResultsPage({{"1", "127.0.0.1", "a"},
                       {"2", "", "b"},
                       {"3", "127.0.0.1", "c"},
                       {"4", "localhost", "d"},
                       {"5", "", "e"}}),
      {{"127.0.0.1", 1}, {"localhost", 2}});
  EXPECT_EQ(list_.Column(0), (std::vector<Text>{"127.0.0.1", "", "127.0.0.1", "localhost", ""}));
  EXPECT_EQ(list_.Column(1), (std::vector<Text>{"1", "-1", "1", "2", "-1"}));
  // An empty address is never looked up: it would resolve to this machine.
  EXPECT_EQ(pinger_->hosts, (std::vector<Text>{"127.0.0.1", "127.0.0.1", "localhost"}));
}

TEST_F(SpeedTest, CapitalCellTagsMatchSinceCaseIsIgnored) {
  Run(MakeResultsPage({{"1", "127.0.0.9", "a"}}, "\r\n", "TD"));
  EXPECT_EQ(list_.Column(0), (std::vector<Text>{"127.0.0.9"}));
}

TEST_F(SpeedTest, PageOutOfLayoutGivesNoRowAndStillEmptiesBothControls) {
  const std::vector<ResultRow> rows = {{"1", "127.0.0.1", "a"}};
  // Cells four TABs deep instead of five.
  Text fourTabs = MakeResultsPage(rows);
  for (size_t pos; (pos = fourTabs.find("\t\t\t\t\t<td>")) != std::string::npos;) {
    fourTabs.erase(pos, 1);
  }
  for (const Text& page : {MakeResultsPage(rows, "\n"), fourTabs, Text()}) {
    Run(page);
    EXPECT_TRUE(list_.rows().empty());
    EXPECT_EQ(edit_->text(), "");
    EXPECT_TRUE(pinger_->hosts.empty());
  }
}

TEST_F(SpeedTest, SecondClickFindsTheBoxEmptyAndEmptiesTheList) {
  Run(MakeResultsPage({{"1", "127.0.0.1", "a"}}));
  ASSERT_EQ(list_.rows().size(), 1u);
  RunAgain();
  EXPECT_TRUE(list_.rows().empty());
}

TEST_F(SpeedTest, ChineseTextAroundTheTableDoesNotDisturbTheAddresses) {
  Text page = MakeResultsPage({{"1", "127.0.0.1", "\xD6\xD0\xB9\xFA \xB5\xE7\xD0\xC5"}});
  page.insert(0, "\xB2\xE2\xCB\xD9\xBD\xE1\xB9\xFB\r\n");  // 测速结果
  Run(page);
  EXPECT_EQ(list_.Column(0), (std::vector<Text>{"127.0.0.1"}));
}

// An automation layer that has no objects to give: the matcher can do no work.
class NoAutomation : public AutomationLayer {
 public:
  std::unique_ptr<ThreadInit> InitializeThread() override { return nullptr; }
  ObjectRef CreateObject(std::string_view) override { return nullptr; }
};

TEST(SpeedTestWithoutRegExp, ListsNothingAndEmptiesTheBox) {
  Log log;
  FakeEditBox edit(log, MakeResultsPage({{"1", "127.0.0.1", "a"}}));
  FakeAddressList list(log);
  list.InsertRow();
  FakePinger pinger(log);
  NoAutomation automation;
  RunSpeedTest({edit, list, automation, pinger});
  EXPECT_EQ(edit.text(), "");
  EXPECT_TRUE(list.rows().empty());
}

TEST(DecimalText, AsPercentD) {
  EXPECT_EQ(DecimalText(-1), "-1");
  EXPECT_EQ(DecimalText(0), "0");
  EXPECT_EQ(DecimalText(23), "23");
  EXPECT_EQ(DecimalText(-2147483647 - 1), "-2147483648");
}

}  // namespace
}  // namespace vantrel

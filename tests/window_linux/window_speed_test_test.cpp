// The speed test run from the start button on the real controls, with the system's automation
// layer (the real VBScript.RegExp) and a recording pinger.
#include "app/sample_results_page.h"
#include "support/results_page.h"
#include "window_fixture.h"

namespace vantrel::testing_support {
namespace {

class WindowSpeedTest : public WindowTest {
 protected:
  void SetUp() override {
    automation_ = platform::MakeSystemAutomation();
    ASSERT_NE(automation_, nullptr);
    Open(*automation_, timedPinger_);
  }
  void ClickStart() { QTest::mouseClick(Button(kStartTestCaption), Qt::LeftButton); }
  std::vector<Text> Column(int column) {
    std::vector<Text> cells;
    for (int row = 0; row < list().topLevelItemCount(); ++row) {
      cells.push_back(list().GetCellText(row, column));
    }
    return cells;
  }

  const std::vector<Text> sampleAddresses_ = AddressCellsByLines(SampleResultsPage());
  // Answers some of the sample's addresses with a time, everything else with -1.
  FakePinger timedPinger_{
      log_,
      {{sampleAddresses_.at(0), 0}, {sampleAddresses_.at(3), 23}, {sampleAddresses_.at(9), 1500}}};
  std::unique_ptr<AutomationLayer> automation_;
};

TEST_F(WindowSpeedTest, SamplePageGivesTenRowsInPageOrderAndAnEmptyEditBox) {
  const std::vector<Text>& addresses = sampleAddresses_;
  ASSERT_EQ(addresses.size(), 10u);
  ClickStart();
  EXPECT_EQ(Column(0), addresses);
  EXPECT_EQ(timedPinger_.hosts, addresses) << "each address pinged once, in page order";
  const std::vector<Text> times = {"0", "-1", "-1", "23", "-1", "-1", "-1", "-1", "-1", "1500"};
  EXPECT_EQ(Column(1), times);
  EXPECT_EQ(edit().ReadText(), "");
  EXPECT_EQ(list().GetFirstSelectedRow(), -1);

  // A second run finds the edit box empty and empties the list.
  ClickStart();
  EXPECT_EQ(list().topLevelItemCount(), 0);
  EXPECT_EQ(timedPinger_.hosts.size(), 10u);
}

TEST_F(WindowSpeedTest, PageTypedWithLfBreaksIsFoundAsWithCrLf) {
  // What the user pastes on Linux usually breaks its lines with LF alone; the edit box gives it
  // back with CR LF, as the Windows edit box holds a pasted page.
  const Text page =
      MakeResultsPage({{"1", "10.1.1.1", "x"}, {"2", "", "y"}, {"3", "10.1.1.1", "z"}}, "\n");
  edit().SetText(page);
  ClickStart();
  EXPECT_EQ(Column(0), (std::vector<Text>{"10.1.1.1", "", "10.1.1.1"}));
  EXPECT_EQ(Column(1), (std::vector<Text>{"-1", "-1", "-1"}));
  EXPECT_EQ(edit().ReadText(), "");
}

TEST_F(WindowSpeedTest, ThenAClickOnARowCopiesItsAddress) {
  ClickStart();
  ASSERT_EQ(list().topLevelItemCount(), 10);
  ClickCell(4, 1);
  EXPECT_EQ(platform::FromQString(QGuiApplication::clipboard()->text()),
            AddressCellsByLines(SampleResultsPage())[4]);
}

}  // namespace
}  // namespace vantrel::testing_support

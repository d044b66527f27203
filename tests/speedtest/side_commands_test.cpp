#include "speedtest/side_commands.h"

#include <gtest/gtest.h>

#include "app/window_commands.h"
#include "platform/system.h"
#include "support/fake_controls.h"

namespace vantrel {
namespace {

using namespace testing_support;

class WindowCommandsTest : public testing::Test {
 protected:
  Log log_;
  FakeEditBox edit_{log_};
  FakeAddressList list_{log_};
  FakePinger pinger_{log_};
  FakeShell shell_;
  FakeClipboard clipboard_;
  std::unique_ptr<AutomationLayer> automation_ = platform::MakeSystemAutomation();
  WindowCommands commands_{
      edit_, list_, {*automation_, pinger_, shell_, clipboard_, platform::HostsFolderPath()}};
};

TEST_F(WindowCommandsTest, ButtonsOpenTheServicePageAndTheHostsFolder) {
  commands_.Run(EventBinding::kOpenService);
  commands_.Run(EventBinding::kOpenHosts);
  commands_.Run(EventBinding::kOpenHosts);  // each click is a new request
  const std::string hosts = "item:" + std::string(platform::HostsFolderPath());
  EXPECT_EQ(shell_.calls, (std::vector<std::string>{"web:https://www.17e.com/", hosts, hosts}));
}

TEST_F(WindowCommandsTest, ListClickCopiesTheSelectedRowsAddress) {
  for (const char* address : {"127.0.0.1", "", "127.0.0.3"}) {
    const int row = list_.InsertRow();
    list_.SetCellText(row, 0, address);
    list_.SetCellText(row, 1, "7");
  }
  list_.Select(2);
  commands_.Run(EventBinding::kAddressListClick);
  list_.Select(1);  // an empty address cell is still copied, as the empty text
  commands_.Run(EventBinding::kAddressListClick);
  EXPECT_EQ(clipboard_.texts, (std::vector<Text>{"127.0.0.3", ""}));
}

TEST_F(WindowCommandsTest, ListClickWithNoRowSelectedLeavesTheClipboardAlone) {
  commands_.Run(EventBinding::kAddressListClick);  // empty list
  list_.SetCellText(list_.InsertRow(), 0, "127.0.0.1");
  commands_.Run(EventBinding::kAddressListClick);  // a row, none selected
  EXPECT_TRUE(clipboard_.texts.empty());
}

TEST_F(WindowCommandsTest, StartTestRunsTheSpeedTestOnTheWindowsControls) {
  edit_.SetText("no table here");
  list_.InsertRow();
  commands_.Run(EventBinding::kStartTest);
  EXPECT_EQ(edit_.text(), "");
  EXPECT_TRUE(list_.rows().empty());
}

TEST(HostsFolderPath, IsTheConstantOfThisPlatform) {
  const std::string_view path = platform::HostsFolderPath();
  EXPECT_TRUE(path == kWindowsHostsFolderPath || path == kLinuxHostsFolderPath);
  EXPECT_EQ(kWindowsHostsFolderPath, "C:\\Windows\\System32\\drivers\\etc");
}

}  // namespace
}  // namespace vantrel

// The four bound events of the window, raised with real clicks and messages.
#include <windows.h>
// The common controls' declarations build on those of windows.h.
#include <commctrl.h>

#include <thread>

#include "app/sample_results_page.h"
#include "clipboard_contents.h"
#include "speedtest/side_commands.h"
#include "window/wide_text.h"
#include "window_fixture.h"

namespace vantrel::win32::testing {
namespace {

using WindowCommandsTest = WindowTest;

// The page's address cells, read straight from its table: every data row has three cells, the
// address in the second.
std::vector<std::wstring> SampleAddresses() {
  const std::string_view page = SampleResultsPage();
  std::vector<std::wstring> addresses;
  size_t cell = 0;
  for (size_t at = page.find("<td>"); at != std::string_view::npos;
       at = page.find("<td>", at + 1), ++cell) {
    if (cell % 3 != 1) continue;
    const size_t start = at + 4;
    addresses.push_back(WideFromText(page.substr(start, page.find("</td>", start) - start)));
  }
  return addresses;
}

class StartTestWithRegExpTest : public WindowTest {
 protected:
  std::unique_ptr<AutomationLayer> MakeAutomation() override {
    return platform::MakeSystemAutomation();
  }
};

TEST_F(StartTestWithRegExpTest, SamplePageGivesTenRowsInPageOrderAndAnEmptyEditBox) {
  const std::vector<std::wstring> addresses = SampleAddresses();
  ASSERT_EQ(addresses.size(), 10u);
  SendMessageW(control(EventBinding::kStartTest), BM_CLICK, 0, 0);
  Pump();
  ASSERT_EQ(RowCount(), 10);
  ASSERT_EQ(pinger_.hosts.size(), 10u);
  for (int row = 0; row < 10; ++row) {
    SCOPED_TRACE(row);
    EXPECT_EQ(CellText(row, 0), addresses[row]);
    EXPECT_EQ(WideFromText(pinger_.hosts[row]), addresses[row]);
    EXPECT_EQ(CellText(row, 1), std::to_wstring(RecordingPinger::ResultFor(row)));
  }
  EXPECT_EQ(WindowText(editBox()), L"");
  // The page is gone: a second run lists nothing.
  SendMessageW(control(EventBinding::kStartTest), BM_CLICK, 0, 0);
  Pump();
  EXPECT_EQ(RowCount(), 0);
  EXPECT_EQ(pinger_.hosts.size(), 10u);
}

TEST_F(WindowCommandsTest, HostsButtonOpensTheHostsFolder) {
  SendMessageW(control(EventBinding::kOpenHosts), BM_CLICK, 0, 0);
  Pump();
  EXPECT_EQ(shell_.shellItems, std::vector<Text>{"C:\\Windows\\System32\\drivers\\etc"});
  EXPECT_TRUE(shell_.webAddresses.empty());
}

TEST_F(WindowCommandsTest, ServiceButtonOpensTheServicePageEachTime) {
  SendMessageW(control(EventBinding::kOpenService), BM_CLICK, 0, 0);
  SendMessageW(control(EventBinding::kOpenService), BM_CLICK, 0, 0);
  Pump();
  EXPECT_EQ(shell_.webAddresses,
            (std::vector<Text>{"https://www.17e.com/", "https://www.17e.com/"}));
  EXPECT_TRUE(shell_.shellItems.empty());
}

TEST_F(WindowCommandsTest, ClickOnADelayCellCopiesThatRowsAddress) {
  AddRow(L"10.0.0.1", L"5");
  AddRow(L"\x6D4B\x8BD5.example", L"-1");  // 测试.example
  AddRow(L"10.0.0.3", L"7");
  PutClipboardText("before");
  ClickCell(1, 1);
  EXPECT_EQ(SendMessageW(list(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 1);
  EXPECT_EQ(ClipboardText(), TextFromWide(L"\x6D4B\x8BD5.example"));
  ClickCell(2, 0);
  EXPECT_EQ(ClipboardText(), "10.0.0.3");
}

TEST_F(WindowCommandsTest, ClickOnEmptySpaceLeavesTheClipboardAlone) {
  AddRow(L"10.0.0.1", L"5");
  ClickCell(0, 0);
  ASSERT_EQ(ClipboardText(), "10.0.0.1");
  PutClipboardText("keep me");
  RECT client{};
  GetClientRect(list(), &client);
  ClickListAt({client.right / 2, client.bottom - 4});
  EXPECT_EQ(SendMessageW(list(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), -1);
  EXPECT_EQ(ClipboardText(), "keep me");
}

TEST_F(WindowCommandsTest, KeyboardRightClickAndHeaderCopyNothing) {
  AddRow(L"10.0.0.1", L"5");
  AddRow(L"10.0.0.2", L"6");
  ClickCell(0, 0);
  ASSERT_EQ(ClipboardText(), "10.0.0.1");
  PutClipboardText("keep me");

  SetFocus(list());
  PressKey(list(), VK_DOWN);
  EXPECT_EQ(SendMessageW(list(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 1);
  EXPECT_EQ(ClipboardText(), "keep me");

  RECT cell{};
  cell.left = LVIR_BOUNDS;
  SendMessageW(list(), LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&cell));
  const LPARAM where = MAKELPARAM((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
  PostMessageW(list(), WM_RBUTTONDOWN, MK_RBUTTON, where);
  PostMessageW(list(), WM_RBUTTONUP, 0, where);
  Pump();
  EXPECT_EQ(ClipboardText(), "keep me");

  const HWND header = reinterpret_cast<HWND>(SendMessageW(list(), LVM_GETHEADER, 0, 0));
  RECT title{};
  SendMessageW(header, HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&title));
  const LPARAM onTitle = MAKELPARAM((title.left + title.right) / 2, (title.top + title.bottom) / 2);
  PostMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, onTitle);
  PostMessageW(header, WM_LBUTTONUP, 0, onTitle);
  Pump();
  EXPECT_EQ(ClipboardText(), "keep me");
  EXPECT_EQ(CellText(0, 0), L"10.0.0.1");  // the header sorts nothing
}

TEST_F(WindowCommandsTest, LongCellIsCopiedWhole) {
  std::wstring address;
  for (int i = 0; i < 300; ++i) address += (i % 2 ? L"\x5730" : L"a");  // 地a地a...: 450 bytes
  address += std::wstring(200, L'9');
  AddRow(address, L"1");
  ClickCell(0, 1);
  const std::optional<std::string> copied = ClipboardText();
  ASSERT_TRUE(copied.has_value());
  EXPECT_EQ(copied->size(), 650u);
  EXPECT_EQ(*copied, TextFromWide(address));
}

TEST_F(WindowCommandsTest, ClipboardHeldByAnotherThreadIsLeftAsItWas) {
  AddRow(L"10.0.0.1", L"5");
  PutClipboardText("theirs");
  {
    const ClipboardHeldElsewhere held;
    ClickCell(0, 0);
    EXPECT_EQ(SendMessageW(list(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 0);
  }
  EXPECT_EQ(ClipboardText(), "theirs");
}

TEST_F(WindowCommandsTest, EditedAddressIsWhatAClickCopies) {
  AddRow(L"10.0.0.1", L"5");
  SetFocus(list());
  const HWND editor = reinterpret_cast<HWND>(SendMessageW(list(), LVM_EDITLABELW, 0, 0));
  ASSERT_NE(editor, nullptr);
  SetWindowTextW(editor, L"192.0.2.\x4E00");  // 192.0.2.一
  PressKey(editor, VK_RETURN);                // confirms the edit
  EXPECT_FALSE(IsWindow(editor));
  EXPECT_EQ(CellText(0, 0), L"192.0.2.\x4E00");
  ClickCell(0, 1);
  EXPECT_EQ(ClipboardText(), TextFromWide(L"192.0.2.\x4E00"));
  EXPECT_TRUE(IsWindow(main()));
}

}  // namespace
}  // namespace vantrel::win32::testing

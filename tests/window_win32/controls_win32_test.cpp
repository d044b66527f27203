// The edit box and list view operations of the speed test, on the window's real controls.
#include <windows.h>
// The common controls' declarations build on those of windows.h.
#include <commctrl.h>

#include "clipboard_contents.h"
#include "window/address_list_win32.h"
#include "window/page_edit_box_win32.h"
#include "window/wide_text.h"
#include "window_fixture.h"

namespace vantrel::win32::testing {
namespace {

using PageEditBoxTest = WindowTest;
using AddressListTest = WindowTest;

// `count` code page 936 characters mixing one- and two-byte ones, with line breaks.
Text MixedText(size_t count) {
  Text text;
  for (size_t i = 0; text.size() < count; ++i) {
    text += i % 40 == 39 ? "\r\n" : (i % 3 == 0 ? "\xB2\xE2" /* 测 */ : "x");
  }
  return text;
}

TEST_F(PageEditBoxTest, TextsCrossAsCodePage936Bytes) {
  Win32PageEditBox box(editBox());
  const Text text = "\xBF\xAA\xCA\xBC\r\n\t1.2.3.4\r\n";  // 开始 CR LF TAB 1.2.3.4 CR LF
  box.SetText(text);
  EXPECT_EQ(WindowText(editBox()), L"\x5F00\x59CB\r\n\t1.2.3.4\r\n");
  EXPECT_EQ(box.ReadText(), text);
  box.SetText("");
  EXPECT_EQ(box.ReadText(), "");
}

TEST_F(PageEditBoxTest, AppendGoesToTheEndWithoutUndo) {
  Win32PageEditBox box(editBox());
  box.SetText("one\r\n");
  SendMessageW(editBox(), EM_SETSEL, 0, 2);  // wherever the user left the selection
  box.AppendText("\xB6\xFE\r\n");            // 二
  box.AppendText("three\r\n");
  EXPECT_EQ(box.ReadText(), "one\r\n\xB6\xFE\r\nthree\r\n");
  EXPECT_FALSE(SendMessageW(editBox(), EM_CANUNDO, 0, 0));
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(editBox(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, static_cast<DWORD>(GetWindowTextLengthW(editBox())));
  EXPECT_EQ(end, start);
}

TEST_F(PageEditBoxTest, TextsLongerThan32KiBAreKeptWhole) {
  Win32PageEditBox box(editBox());
  const Text half = MixedText(30000);
  box.SetText(half);
  box.AppendText(half);  // past the edit control's default limit of 32,767 characters
  EXPECT_EQ(box.ReadText(), half + half);

  // Pasted by the user.
  const std::wstring pasted = WideFromText(MixedText(50000));
  ASSERT_GT(pasted.size(), 32768u);
  PutClipboardUnicodeText(pasted);
  box.SetText("");
  SendMessageW(editBox(), WM_PASTE, 0, 0);
  EXPECT_EQ(WindowText(editBox()), pasted);
}

TEST_F(AddressListTest, RowsAreInsertedAfterTheLastAndClearedTogether) {
  Win32AddressList addresses(list());
  for (int expected = 0; expected < 3; ++expected) {
    const int row = addresses.InsertRow();
    EXPECT_EQ(row, expected);
    EXPECT_EQ(CellText(row, 0), L"");
    addresses.SetCellText(row, 0, "10.0.0." + std::to_string(row));
    addresses.SetCellText(row, 1, std::to_string(row * 10));
  }
  ASSERT_EQ(RowCount(), 3);
  EXPECT_EQ(CellText(2, 0), L"10.0.0.2");
  EXPECT_EQ(CellText(2, 1), L"20");
  addresses.DeleteAllRows();
  EXPECT_EQ(RowCount(), 0);
  EXPECT_EQ(addresses.InsertRow(), 0);
}

TEST_F(AddressListTest, FirstSelectedRowFollowsTheSelection) {
  Win32AddressList addresses(list());
  EXPECT_EQ(addresses.GetFirstSelectedRow(), -1);
  for (int i = 0; i < 4; ++i) AddRow(L"10.0.0." + std::to_wstring(i), L"0");
  EXPECT_EQ(addresses.GetFirstSelectedRow(), -1);
  for (int row : {2, 0, 3}) {
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED;
    state.state = LVIS_SELECTED;
    SendMessageW(list(), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
    EXPECT_EQ(addresses.GetFirstSelectedRow(), row);  // single selection: the one row
  }
}

TEST_F(AddressListTest, CellTextIsReadWholeWhateverItsLength) {
  Win32AddressList addresses(list());
  // Around the first buffer's 512 units and its doublings, in one- and two-byte characters.
  for (const size_t units : {0, 1, 510, 511, 512, 513, 1023, 1024, 1025, 2047, 5000}) {
    for (const wchar_t unit : {L'7', L'\x5EF6'}) {
      SCOPED_TRACE(std::to_string(units) + (unit == L'7' ? " ascii" : " chinese"));
      std::wstring text(units, unit);
      if (units > 0) text.back() = L'.';
      const int row = AddRow(text, L"\x5EF6\x8FDF");
      EXPECT_EQ(addresses.GetCellText(row, 0), TextFromWide(text));
      EXPECT_EQ(addresses.GetCellText(row, 1), "\xD1\xD3\xB3\xD9");
    }
  }
}

TEST_F(AddressListTest, CellOfAMissingRowIsEmpty) {
  Win32AddressList addresses(list());
  EXPECT_EQ(addresses.GetCellText(-1, 0), "");
  EXPECT_EQ(addresses.GetCellText(0, 0), "");
  AddRow(L"10.0.0.1", L"3");
  EXPECT_EQ(addresses.GetCellText(-1, 0), "");
  EXPECT_EQ(addresses.GetCellText(1, 0), "");
  EXPECT_EQ(addresses.GetCellText(0, 0), "10.0.0.1");
}

}  // namespace
}  // namespace vantrel::win32::testing

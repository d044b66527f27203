#include "window_fixture.h"

#include <commctrl.h>

#include "window/message_loop.h"

namespace vantrel::win32::testing {

void WindowTest::SetUp() {
  INITCOMMONCONTROLSEX commonControls{sizeof commonControls,
                                      ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&commonControls);
  automation_ = MakeAutomation();
  window_ =
      MainWindow::Create(GetModuleHandleW(nullptr), form_,
                         {*automation_, pinger_, shell_, *clipboard_, platform::HostsFolderPath()});
  ASSERT_NE(window_, nullptr);
  Pump();
}

void WindowTest::TearDown() {
  window_.reset();
  Pump();
}

std::unique_ptr<AutomationLayer> WindowTest::MakeAutomation() {
  return std::make_unique<NoAutomation>();
}

void WindowTest::Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      quitPosted_ = true;
      continue;
    }
    if (window_) {
      ProcessMessage(*window_, msg);
    } else {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
}

HWND WindowTest::control(EventBinding binding) const {
  for (size_t i = 0; i < form_.controls.size(); ++i) {
    if (form_.controls[i].binding == binding) return window_->control(i);
  }
  return nullptr;
}

HWND WindowTest::editBox() const {
  for (size_t i = 0; i < form_.controls.size(); ++i) {
    if (form_.controls[i].kind == ControlKind::kEditBox) return window_->control(i);
  }
  return nullptr;
}

void WindowTest::ClickListAt(POINT point) {
  const LPARAM where = MAKELPARAM(point.x, point.y);
  PostMessageW(list(), WM_LBUTTONDOWN, MK_LBUTTON, where);
  PostMessageW(list(), WM_LBUTTONUP, 0, where);
  Pump();
}

void WindowTest::ClickCell(int row, int column) {
  RECT cell{};
  cell.top = column;
  cell.left = column == 0 ? LVIR_LABEL : LVIR_BOUNDS;
  ASSERT_TRUE(SendMessageW(list(), LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(&cell)));
  ClickListAt({(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2});
}

void WindowTest::PressKey(HWND target, WPARAM virtualKey) {
  const UINT scanCode = MapVirtualKeyW(static_cast<UINT>(virtualKey), MAPVK_VK_TO_VSC);
  PostMessageW(target, WM_KEYDOWN, virtualKey, 1 | (static_cast<LPARAM>(scanCode) << 16));
  PostMessageW(target, WM_KEYUP, virtualKey,
               1 | (static_cast<LPARAM>(scanCode) << 16) | (LPARAM{3} << 30));
  Pump();
}

int WindowTest::AddRow(const std::wstring& address, const std::wstring& delay) {
  std::wstring first = address;
  std::wstring second = delay;
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = RowCount();
  item.pszText = first.data();
  const int row =
      static_cast<int>(SendMessageW(list(), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
  LVITEMW sub{};
  sub.iSubItem = 1;
  sub.pszText = second.data();
  SendMessageW(list(), LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&sub));
  return row;
}

std::wstring WindowTest::CellText(int row, int column) const {
  std::wstring buffer(8192, L'\0');
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = buffer.data();
  item.cchTextMax = static_cast<int>(buffer.size());
  const auto length = static_cast<size_t>(
      SendMessageW(list(), LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item)));
  buffer.resize(length);
  return buffer;
}

int WindowTest::RowCount() const {
  return static_cast<int>(SendMessageW(list(), LVM_GETITEMCOUNT, 0, 0));
}

std::wstring WindowTest::WindowText(HWND hwnd) const {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(
      static_cast<size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace vantrel::win32::testing

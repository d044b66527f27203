#include "window_under_test_win32.h"

#include <commctrl.h>

#include "app/form.h"
#include "support/results_page.h"
#include "window/message_loop.h"
#include "window/wide_text.h"

namespace vantrel::faults {

WindowUnderTest::WindowUnderTest(const WindowServices& services) {
  INITCOMMONCONTROLSEX commonControls{sizeof commonControls,
                                      ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&commonControls);
  window_ = win32::MainWindow::Create(GetModuleHandleW(nullptr), MainWindowForm(), services);
  Pump();
}

WindowUnderTest::~WindowUnderTest() {
  window_.reset();
  Pump();
}

HWND WindowUnderTest::ControlOf(bool (*wanted)(const ControlDescription&)) const {
  const FormDescription& form = MainWindowForm();
  for (size_t i = 0; i < form.controls.size(); ++i) {
    if (wanted(form.controls[i])) return window_->control(i);
  }
  return nullptr;
}

HWND WindowUnderTest::editBox() const {
  return ControlOf([](const ControlDescription& c) { return c.kind == ControlKind::kEditBox; });
}

HWND WindowUnderTest::list() const {
  return ControlOf([](const ControlDescription& c) { return c.kind == ControlKind::kListView; });
}

void WindowUnderTest::Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) continue;
    if (window_) {
      win32::ProcessMessage(*window_, msg);
    } else {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
}

void WindowUnderTest::SetPage(const Text& page) {
  SetWindowTextW(editBox(), win32::WideFromText(page).c_str());
}

void WindowUnderTest::ClickStart() {
  const HWND start =
      ControlOf([](const ControlDescription& c) { return c.binding == EventBinding::kStartTest; });
  SendMessageW(start, BM_CLICK, 0, 0);
  Pump();
}

void WindowUnderTest::ClickRow(int row) {
  RECT cell{};
  cell.left = LVIR_LABEL;
  SendMessageW(list(), LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&cell));
  const LPARAM where = MAKELPARAM((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
  PostMessageW(list(), WM_LBUTTONDOWN, MK_LBUTTON, where);
  PostMessageW(list(), WM_LBUTTONUP, 0, where);
  Pump();
}

int WindowUnderTest::RowCount() const {
  return static_cast<int>(SendMessageW(list(), LVM_GETITEMCOUNT, 0, 0));
}

std::vector<Text> WindowUnderTest::Column(int column) const {
  std::vector<Text> cells;
  for (int row = 0; row < RowCount(); ++row) {
    std::wstring buffer(1024, L'\0');
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buffer.data();
    item.cchTextMax = static_cast<int>(buffer.size());
    buffer.resize(static_cast<size_t>(
        SendMessageW(list(), LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item))));
    cells.push_back(win32::TextFromWide(buffer));
  }
  return cells;
}

Text WindowUnderTest::EditText() const {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(editBox())) + 1, L'\0');
  text.resize(
      static_cast<size_t>(GetWindowTextW(editBox(), text.data(), static_cast<int>(text.size()))));
  return win32::TextFromWide(text);
}

Text LoopbackPage(const std::vector<Text>& addresses) {
  std::vector<testing_support::ResultRow> rows;
  for (size_t i = 0; i < addresses.size(); ++i) {
    rows.push_back({std::to_string(i + 1), addresses[i], "place"});
  }
  return testing_support::MakeResultsPage(rows);
}

}  // namespace vantrel::faults

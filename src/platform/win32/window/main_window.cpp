#include "window/main_window.h"

#include <commctrl.h>

#include <new>

#include "resources/resource_ids.h"
#include "window/key_press_win32.h"
#include "window/out_of_memory.h"
#include "window/wide_text.h"

namespace vantrel::win32 {

namespace {

// Fixed frame: a caption bar with the system menu and a minimise button, no sizing border, no
// maximise button.
constexpr DWORD kWindowStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
// No control is a tab stop; each is shown on its own once made.
constexpr DWORD kControlStyle = WS_CHILD | WS_CLIPSIBLINGS;
constexpr DWORD kButtonStyle =
    kControlStyle | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE;
// Long lines wrap at the box's width: no horizontal scrolling.
constexpr DWORD kEditStyle =
    kControlStyle | WS_VSCROLL | ES_LEFT | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
constexpr DWORD kListStyle =
    kControlStyle | WS_CLIPCHILDREN | LVS_REPORT | LVS_SINGLESEL | LVS_EDITLABELS;
constexpr DWORD kListExtendedStyle = LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP | LVS_EX_SUBITEMIMAGES;

HICON LoadAppIcon(HINSTANCE instance, int widthMetric, int heightMetric) {
  // Shared icons belong to the system: nothing to free.
  return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(VANTREL_APP_ICON), IMAGE_ICON,
                                       GetSystemMetrics(widthMetric),
                                       GetSystemMetrics(heightMetric), LR_SHARED));
}

bool RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(instance, MainWindow::kClassName, &existing)) return true;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadAppIcon(instance, SM_CXICON, SM_CYICON);
  windowClass.hIconSm = LoadAppIcon(instance, SM_CXSMICON, SM_CYSMICON);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  windowClass.lpszClassName = MainWindow::kClassName;
  return RegisterClassExW(&windowClass) != 0;
}

const wchar_t* ControlClass(ControlKind kind) {
  switch (kind) {
    case ControlKind::kButton:
      return L"BUTTON";
    case ControlKind::kEditBox:
      return L"EDIT";
    case ControlKind::kListView:
      return WC_LISTVIEWW;
  }
  return L"STATIC";
}

FocusKind FocusKindOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::kButton:
      return FocusKind::kButton;
    case ControlKind::kEditBox:
      return FocusKind::kEditBox;
    case ControlKind::kListView:
      return FocusKind::kListView;
  }
  return FocusKind::kWindow;
}

}  // namespace

MainWindow::MainWindow(const FormDescription& form, const WindowServices& services)
    : form_(form), services_(services) {}

std::unique_ptr<MainWindow> MainWindow::Create(HINSTANCE instance, const FormDescription& form,
                                               const WindowServices& services) {
  std::unique_ptr<MainWindow> window(new MainWindow(form, services));
  if (!window->CreateFrame(instance) || !window->CreateControls(instance)) return nullptr;
  ShowWindow(window->window_, SW_SHOW);
  return window;
}

MainWindow::~MainWindow() {
  if (!window_) return;
  // Detached first: destroying the window from here is no user's close and ends no loop.
  SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  DestroyWindow(window_);
}

bool MainWindow::CreateFrame(HINSTANCE instance) {
  if (!RegisterWindowClass(instance, &MainWindow::WindowProc)) return false;
  const Point at = CenteredPosition(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                    form_.width, form_.height);
  const std::wstring caption = WideFromText(form_.caption);
  // WindowProc keeps the handle as soon as the window exists.
  if (!CreateWindowExW(0, kClassName, caption.c_str(), kWindowStyle, at.x, at.y, form_.width,
                       form_.height, nullptr, nullptr, instance, this)) {
    return false;
  }
  RECT outer{};
  GetWindowRect(window_, &outer);
  if (outer.left != at.x || outer.top != at.y || outer.right - outer.left != form_.width ||
      outer.bottom - outer.top != form_.height) {
    SetWindowPos(window_, nullptr, at.x, at.y, form_.width, form_.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  SendMessageW(window_, WM_SETICON, ICON_BIG,
               reinterpret_cast<LPARAM>(LoadAppIcon(instance, SM_CXICON, SM_CYICON)));
  SendMessageW(window_, WM_SETICON, ICON_SMALL,
               reinterpret_cast<LPARAM>(LoadAppIcon(instance, SM_CXSMICON, SM_CYSMICON)));
  SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               FALSE);
  return true;
}

bool MainWindow::CreateControls(HINSTANCE instance) {
  for (size_t i = 0; i < form_.controls.size(); ++i) {
    const ControlDescription& description = form_.controls[i];
    const HWND control = CreateControl(instance, description, static_cast<int>(i) + 1);
    if (!control) return false;
    controls_.push_back(control);
    fonts_.push_back(CreateControlFont(form_.controlFont));
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(FontOrDefault(fonts_.back())),
                 FALSE);
    if (description.kind == ControlKind::kEditBox) {
      SetUpEditBox(control, description.text);
      editBox_ = std::make_unique<Win32PageEditBox>(control);
    } else if (description.kind == ControlKind::kListView) {
      SetUpListView(control);
      addressList_ = std::make_unique<Win32AddressList>(control);
    }
    ShowWindow(control, SW_SHOWNA);
  }
  if (!editBox_ || !addressList_) return false;
  commands_ = std::make_unique<WindowCommands>(*editBox_, *addressList_, services_);
  return true;
}

HWND MainWindow::CreateControl(HINSTANCE instance, const ControlDescription& description, int id) {
  DWORD style = kButtonStyle;
  DWORD extendedStyle = 0;
  std::wstring text;
  switch (description.kind) {
    case ControlKind::kButton:
      text = WideFromText(description.text);
      break;
    case ControlKind::kEditBox:
      style = kEditStyle;
      extendedStyle = WS_EX_CLIENTEDGE;
      break;  // the text comes once the length limit is lifted
    case ControlKind::kListView:
      style = kListStyle;
      extendedStyle = WS_EX_CLIENTEDGE;
      break;
  }
  const Rect& r = description.rect;
  return CreateWindowExW(extendedStyle, ControlClass(description.kind), text.c_str(), style, r.left,
                         r.top, r.width, r.height, window_,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

void MainWindow::SetUpEditBox(HWND edit, const Text& text) {
  SendMessageW(edit, EM_LIMITTEXT, 0, 0);  // no length limit
  SetWindowTextW(edit, WideFromText(text).c_str());
  // Show the start of the page, the caret before its first character.
  SendMessageW(edit, EM_SETSEL, 0, 0);
  SendMessageW(edit, EM_SCROLLCARET, 0, 0);
}

void MainWindow::SetUpListView(HWND list) {
  // A mask of 0 sets exactly these extended styles and clears every other one.
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, kListExtendedStyle);
  for (size_t i = 0; i < form_.listColumns.size(); ++i) {
    const ColumnDescription& description = form_.listColumns[i];
    std::wstring title = WideFromText(description.title);
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = LVCFMT_LEFT;
    column.cx = description.width;
    column.pszText = title.data();
    column.iSubItem = static_cast<int>(i);
    SendMessageW(list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
  }
}

LRESULT CALLBACK MainWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self =
        static_cast<MainWindow*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  try {
    return self->HandleMessage(message, wParam, lParam);
  } catch (const std::bad_alloc&) {
    EndForLackOfMemory();
  }
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      const int index = IndexOf(reinterpret_cast<HWND>(lParam));
      if (index >= 0 && HIWORD(wParam) == BN_CLICKED &&
          form_.controls[index].kind == ControlKind::kButton) {
        commands_->Run(form_.controls[index].binding);
        return 0;
      }
      break;
    }
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<const NMHDR*>(lParam), lParam);
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        RememberFocus();
        return 0;
      }
      if (HIWORD(wParam) == 0 && RestoreFocus()) return 0;  // not while minimised
      break;
    case WM_SETFOCUS:
      RestoreFocus();
      return 0;
    case WM_SETFONT:
      windowFont_ = reinterpret_cast<HFONT>(wParam);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(windowFont_);
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY: {
      const HWND hwnd = window_;
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      window_ = nullptr;
      lastFocus_ = nullptr;
      return DefWindowProcW(hwnd, message, wParam, lParam);
    }
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT MainWindow::OnNotify(const NMHDR& header, LPARAM lParam) {
  const int index = IndexOf(header.hwndFrom);
  if (index < 0 || form_.controls[index].kind != ControlKind::kListView) {
    return DefWindowProcW(window_, WM_NOTIFY, 0, lParam);
  }
  switch (header.code) {
    case NM_CLICK:
      // Only the left click is bound: keyboard selection, right clicks, header clicks and
      // label edits run nothing.
      commands_->Run(form_.controls[index].binding);
      return 0;
    case LVN_ENDLABELEDITW:
      // A label the user confirmed replaces the cell's text; a cancelled edit gives no text.
      return reinterpret_cast<const NMLVDISPINFOW*>(lParam)->item.pszText != nullptr;
    case LVN_ENDLABELEDITA:
      return reinterpret_cast<const NMLVDISPINFOA*>(lParam)->item.pszText != nullptr;
  }
  return 0;
}

int MainWindow::IndexOf(HWND control) const {
  if (!control) return -1;
  for (size_t i = 0; i < controls_.size(); ++i) {
    if (controls_[i] == control) return static_cast<int>(i);
  }
  return -1;
}

FocusKind MainWindow::FocusKindOf(HWND focus) const {
  // A control's own children (the list view's label editor) count as the control.
  for (HWND h = focus; h && h != window_; h = GetParent(h)) {
    const int index = IndexOf(h);
    if (index >= 0) return win32::FocusKindOf(form_.controls[index].kind);
  }
  return FocusKind::kWindow;
}

bool MainWindow::PreTranslateKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  if (!window_ || (msg.hwnd != window_ && !IsChild(window_, msg.hwnd))) return false;
  switch (DecideKey(KeyPressOf(msg), FocusKindOf(GetFocus()))) {
    case KeyOutcome::kCloseWindow:
      SendMessageW(window_, WM_CLOSE, 0, 0);
      return true;
    case KeyOutcome::kSwallow:
      return true;  // a dropped Tab key-down is never translated into a TAB character
    case KeyOutcome::kToControl:
      return false;
  }
  return false;
}

void MainWindow::RememberFocus() {
  const HWND focus = GetFocus();
  if (focus && IsChild(window_, focus)) lastFocus_ = focus;
}

bool MainWindow::RestoreFocus() {
  if (!lastFocus_ || !IsWindow(lastFocus_) || !IsChild(window_, lastFocus_)) return false;
  SetFocus(lastFocus_);
  return true;
}

}  // namespace vantrel::win32

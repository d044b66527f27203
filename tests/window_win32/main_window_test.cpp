// The window as it stands after start-up: geometry, styles, fonts, icons and initial content.
#include <windows.h>
// The common controls' declarations build on those of windows.h.
#include <commctrl.h>

#include "app/sample_results_page.h"
#include "window/wide_text.h"
#include "window_fixture.h"

namespace vantrel::win32::testing {
namespace {

using MainWindowStartTest = WindowTest;

TEST_F(MainWindowStartTest, OuterRectangleIsTheFormSizeCentredOnTheScreen) {
  RECT outer{};
  ASSERT_TRUE(GetWindowRect(main(), &outer));
  EXPECT_EQ(outer.right - outer.left, 477);
  EXPECT_EQ(outer.bottom - outer.top, 237);
  const Point centred =
      CenteredPosition(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), 477, 237);
  EXPECT_EQ(outer.left, centred.x);
  EXPECT_EQ(outer.top, centred.y);
  EXPECT_EQ(WindowText(main()), L"Vantrel");
  EXPECT_TRUE(IsWindowVisible(main()));
  EXPECT_EQ(GetParent(main()), nullptr);
  EXPECT_EQ(GetWindow(main(), GW_OWNER), nullptr);
  EXPECT_EQ(GetMenu(main()), nullptr);
}

TEST_F(MainWindowStartTest, WindowHasAFixedFrameWithMinimiseButtonOnly) {
  const auto style = static_cast<DWORD>(GetWindowLongW(main(), GWL_STYLE));
  // The system adds WS_CLIPSIBLINGS to every top-level window.
  EXPECT_EQ(style & ~WS_CLIPSIBLINGS,
            WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN | WS_VISIBLE);
  // A caption brings the window edge with it; no other extended style is set.
  const auto extended = static_cast<DWORD>(GetWindowLongW(main(), GWL_EXSTYLE));
  EXPECT_EQ(extended & ~WS_EX_WINDOWEDGE, 0u);
  EXPECT_EQ(GetClassLongPtrW(main(), GCLP_HBRBACKGROUND), COLOR_BTNFACE + 1);
}

TEST_F(MainWindowStartTest, WindowCarriesTheProgramIconAndTheDefaultGuiFont) {
  EXPECT_NE(SendMessageW(main(), WM_GETICON, ICON_BIG, 0), 0);
  EXPECT_NE(SendMessageW(main(), WM_GETICON, ICON_SMALL, 0), 0);
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageW(main(), WM_GETFONT, 0, 0)),
            GetStockObject(DEFAULT_GUI_FONT));
}

TEST_F(MainWindowStartTest, ControlsStandWhereTheFormPutsThemWithTheirStyles) {
  constexpr DWORD kCommon = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
  struct Expected {
    const wchar_t* className;
    DWORD style;
    DWORD extendedStyle;
  };
  const auto expectedFor = [&](ControlKind kind) -> Expected {
    switch (kind) {
      case ControlKind::kButton:
        return {L"Button", kCommon | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE, 0};
      case ControlKind::kEditBox:
        return {L"Edit", kCommon | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
                WS_EX_CLIENTEDGE};
      case ControlKind::kListView:
        return {L"SysListView32",
                kCommon | WS_CLIPCHILDREN | LVS_REPORT | LVS_SINGLESEL | LVS_EDITLABELS,
                WS_EX_CLIENTEDGE};
    }
    return {};
  };
  ASSERT_EQ(form_.controls.size(), 5u);
  HWND previous = nullptr;
  for (size_t i = 0; i < form_.controls.size(); ++i) {
    const ControlDescription& description = form_.controls[i];
    SCOPED_TRACE(i);
    const HWND control = window_->control(i);
    ASSERT_TRUE(IsWindow(control));
    EXPECT_EQ(GetParent(control), main());
    // Children come in the form's order.
    EXPECT_EQ(GetWindow(control, GW_HWNDPREV), previous);
    previous = control;
    const Expected expected = expectedFor(description.kind);
    wchar_t className[64] = {};
    GetClassNameW(control, className, 64);
    EXPECT_EQ(_wcsicmp(className, expected.className), 0) << className;
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE)), expected.style);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(control, GWL_EXSTYLE)), expected.extendedStyle);
    EXPECT_TRUE(IsWindowEnabled(control));
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, main(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, description.rect.left);
    EXPECT_EQ(r.top, description.rect.top);
    EXPECT_EQ(r.right - r.left, description.rect.width);
    EXPECT_EQ(r.bottom - r.top, description.rect.height);
    if (description.kind == ControlKind::kButton) {
      EXPECT_EQ(TextFromWide(WindowText(control)), description.text);
    }
  }
}

TEST_F(MainWindowStartTest, EveryControlHasItsOwnYaHeiFont) {
  HFONT seen = nullptr;
  for (size_t i = 0; i < form_.controls.size(); ++i) {
    SCOPED_TRACE(i);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(window_->control(i), WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr);
    EXPECT_NE(font, seen);
    seen = font;
    LOGFONTW description{};
    ASSERT_EQ(GetObjectW(font, sizeof description, &description), int{sizeof description});
    EXPECT_STREQ(description.lfFaceName, L"\x5FAE\x8F6F\x96C5\x9ED1");  // 微软雅黑
    EXPECT_EQ(description.lfHeight, -12);
    EXPECT_EQ(description.lfWidth, 0);
    EXPECT_EQ(description.lfWeight, 400);
    EXPECT_FALSE(description.lfItalic || description.lfUnderline || description.lfStrikeOut);
    EXPECT_EQ(description.lfCharSet, DEFAULT_CHARSET);
    EXPECT_EQ(description.lfQuality, PROOF_QUALITY);
    EXPECT_EQ(description.lfOutPrecision, OUT_DEFAULT_PRECIS);
    EXPECT_EQ(description.lfClipPrecision, CLIP_DEFAULT_PRECIS);
  }
}

TEST_F(MainWindowStartTest, EditBoxHoldsTheSamplePageWithTheCaretAtItsStart) {
  EXPECT_EQ(TextFromWide(WindowText(editBox())), SampleResultsPage());
  DWORD start = 99;
  DWORD end = 99;
  SendMessageW(editBox(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 0u);
  EXPECT_EQ(SendMessageW(editBox(), EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  // No length limit: the largest the control allows.
  EXPECT_GE(static_cast<DWORD>(SendMessageW(editBox(), EM_GETLIMITTEXT, 0, 0)), 0x7FFFFFFEu);
}

TEST_F(MainWindowStartTest, ListIsEmptyWithItsTwoColumns) {
  EXPECT_EQ(RowCount(), 0);
  EXPECT_EQ(SendMessageW(list(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), -1);
  EXPECT_EQ(static_cast<DWORD>(SendMessageW(list(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0)),
            static_cast<DWORD>(LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP | LVS_EX_SUBITEMIMAGES));
  const HWND header = reinterpret_cast<HWND>(SendMessageW(list(), LVM_GETHEADER, 0, 0));
  ASSERT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 2);
  ASSERT_EQ(form_.listColumns.size(), 2u);
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(i);
    wchar_t title[32] = {};
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    column.pszText = title;
    column.cchTextMax = 32;
    ASSERT_TRUE(SendMessageW(list(), LVM_GETCOLUMNW, i, reinterpret_cast<LPARAM>(&column)));
    EXPECT_EQ(TextFromWide(title), form_.listColumns[i].title);
    EXPECT_EQ(column.cx, form_.listColumns[i].width);
    EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_LEFT);
  }
  EXPECT_EQ(TextFromWide(L"\x5EF6\x8FDF"), form_.listColumns[1].title);  // 延迟
}

TEST_F(MainWindowStartTest, NoControlHasTheFocus) {
  const HWND focus = GetFocus();
  for (size_t i = 0; i < form_.controls.size(); ++i) {
    EXPECT_NE(focus, window_->control(i));
  }
  EXPECT_EQ(focus, main());
}

}  // namespace
}  // namespace vantrel::win32::testing

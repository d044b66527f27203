// The window's keyboard rules on real key messages, through the program's own message handling.
#include <windows.h>
// The common controls' declarations build on those of windows.h.
#include <commctrl.h>

#include "window_fixture.h"

namespace vantrel::win32::testing {
namespace {

using WindowKeyboardTest = WindowTest;

enum class FocusOn { kWindow, kEditBox, kButton, kList };

class EscapeTest : public WindowTest, public ::testing::WithParamInterface<FocusOn> {
 protected:
  HWND Focused() {
    switch (GetParam()) {
      case FocusOn::kWindow:
        return main();
      case FocusOn::kEditBox:
        return editBox();
      case FocusOn::kButton:
        return control(EventBinding::kStartTest);
      case FocusOn::kList:
        return list();
    }
    return nullptr;
  }
};

TEST_P(EscapeTest, EscClosesTheWindowAndEndsTheLoop) {
  const HWND target = Focused();
  SetFocus(target);
  ASSERT_EQ(GetFocus(), target);
  const HWND window = main();
  PressKey(target, VK_ESCAPE);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(window_->handle(), nullptr);
  EXPECT_TRUE(quitPosted_);
}

INSTANTIATE_TEST_SUITE_P(WhereverTheFocusIs, EscapeTest,
                         ::testing::Values(FocusOn::kWindow, FocusOn::kEditBox, FocusOn::kButton,
                                           FocusOn::kList));

TEST_F(WindowKeyboardTest, EscWithAModifierDoesNotClose) {
  SetFocus(editBox());
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_SHIFT] = keys[VK_LSHIFT] = 0x80;
  SetKeyboardState(keys);
  PressKey(editBox(), VK_ESCAPE);
  keys[VK_SHIFT] = keys[VK_LSHIFT] = 0;
  SetKeyboardState(keys);
  EXPECT_TRUE(IsWindow(main()));
  EXPECT_FALSE(quitPosted_);
}

TEST_F(WindowKeyboardTest, TabAndShiftTabNeitherTypeNorMoveTheFocus) {
  SetWindowTextW(editBox(), L"ab");
  for (const bool shift : {false, true}) {
    SCOPED_TRACE(shift ? "Shift+Tab" : "Tab");
    for (const HWND target : {editBox(), control(EventBinding::kStartTest), list()}) {
      SetFocus(target);
      SendMessageW(editBox(), EM_SETSEL, 1, 1);
      BYTE keys[256] = {};
      GetKeyboardState(keys);
      keys[VK_SHIFT] = keys[VK_LSHIFT] = shift ? 0x80 : 0;
      SetKeyboardState(keys);
      PressKey(target, VK_TAB);
      keys[VK_SHIFT] = keys[VK_LSHIFT] = 0;
      SetKeyboardState(keys);
      EXPECT_EQ(GetFocus(), target);
      EXPECT_EQ(WindowText(editBox()), L"ab");
    }
  }
}

TEST_F(WindowKeyboardTest, EnterInTheEditBoxBreaksTheLine) {
  SetWindowTextW(editBox(), L"ab");
  SetFocus(editBox());
  SendMessageW(editBox(), EM_SETSEL, 1, 1);
  PressKey(editBox(), VK_RETURN);
  EXPECT_EQ(WindowText(editBox()), L"a\r\nb");
  EXPECT_TRUE(IsWindow(main()));
}

TEST_F(WindowKeyboardTest, EnterOnAButtonClicksNothing) {
  SetFocus(control(EventBinding::kOpenHosts));
  PressKey(control(EventBinding::kOpenHosts), VK_RETURN);
  EXPECT_TRUE(shell_.shellItems.empty());
  EXPECT_EQ(GetFocus(), control(EventBinding::kOpenHosts));
}

TEST_F(WindowKeyboardTest, FocusComesBackToTheLastControlWhenTheWindowIsActivatedAgain) {
  SetFocus(editBox());
  ASSERT_EQ(GetFocus(), editBox());
  const HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                     100, 100, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(other, nullptr);
  SetActiveWindow(other);
  Pump();
  ASSERT_EQ(GetActiveWindow(), other);
  SetFocus(other);
  EXPECT_NE(GetFocus(), editBox());
  SetActiveWindow(main());
  Pump();
  EXPECT_EQ(GetActiveWindow(), main());
  EXPECT_EQ(GetFocus(), editBox());
  DestroyWindow(other);
  Pump();
}

}  // namespace
}  // namespace vantrel::win32::testing

#include "app/keyboard.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(Keyboard, RulesForEveryFocus) {
  const FocusKind all[] = {FocusKind::kWindow, FocusKind::kButton, FocusKind::kEditBox,
                           FocusKind::kListView};
  for (FocusKind focus : all) {
    SCOPED_TRACE(static_cast<int>(focus));
    EXPECT_EQ(DecideKey({Key::kEscape}, focus), KeyOutcome::kCloseWindow);
    EXPECT_EQ(DecideKey({Key::kTab}, focus), KeyOutcome::kSwallow);
    EXPECT_EQ(DecideKey({Key::kTab, false, true}, focus), KeyOutcome::kSwallow);  // Shift+Tab
    EXPECT_EQ(DecideKey({Key::kF1}, focus), KeyOutcome::kSwallow);
    EXPECT_EQ(DecideKey({Key::kOther}, focus), KeyOutcome::kToControl);
    // Esc with a modifier is an ordinary key.
    EXPECT_EQ(DecideKey({Key::kEscape, true}, focus), KeyOutcome::kToControl);
    // Enter goes on to the focused control; only the edit box does anything with it.
    EXPECT_EQ(DecideKey({Key::kEnter}, focus), KeyOutcome::kToControl);
  }
}

}  // namespace
}  // namespace vantrel

// The window's keys on the real controls: Esc closes from anywhere, Tab does nothing, Enter
// breaks the line only in the edit box.
#include <QSignalSpy>

#include "platform/linux/window/window_key_filter.h"
#include "window_fixture.h"

namespace vantrel::testing_support {
namespace {

using WindowKeyboardTest = WindowTest;

// Gives the control the focus as the user does, by clicking it.
void Focus(QWidget& control) {
  QWidget* target = control.focusProxy() ? control.focusProxy() : &control;
  control.setFocus(Qt::MouseFocusReason);
  EXPECT_EQ(QApplication::focusWidget(), target);
}

TEST_F(WindowKeyboardTest, EscClosesTheWindowFromEveryControlAndTheWindowItself) {
  // The edit box, the list, two buttons, and the window itself with no control focused.
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    Open(noAutomation_);
    QWidget* targets[] = {&edit(), &list(), Button(kStartTestCaption), Button(kOpenServiceCaption),
                          &window()};
    QWidget* control = targets[i];
    if (control != &window()) Focus(*control);
    QTest::keyClick(control, Qt::Key_Escape);
    EXPECT_FALSE(window().isVisible());
  }
  // The edit box's text goes with the window: nothing asked, nothing kept.
  EXPECT_TRUE(shell_.calls.empty());
}

TEST_F(WindowKeyboardTest, EscWithAModifierDoesNotClose) {
  Focus(edit());
  QTest::keyClick(&edit(), Qt::Key_Escape, Qt::ShiftModifier);
  QTest::keyClick(&edit(), Qt::Key_Escape, Qt::ControlModifier);
  EXPECT_TRUE(window().isVisible());
}

TEST_F(WindowKeyboardTest, TabAndShiftTabMoveNothingAndTypeNothing) {
  edit().SetText("ab");
  Focus(edit());
  edit().moveCursor(QTextCursor::End);
  QTest::keyClick(&edit(), Qt::Key_Tab);
  QTest::keyClick(&edit(), Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(edit().ReadText(), "ab");
  EXPECT_EQ(QApplication::focusWidget(), &edit());

  for (QWidget* control :
       {static_cast<QWidget*>(&list()), static_cast<QWidget*>(Button(kOpenHostsCaption))}) {
    Focus(*control);
    QTest::keyClick(control, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), control);
    QTest::keyClick(control, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), control);
  }
  EXPECT_TRUE(window().isVisible());
}

TEST_F(WindowKeyboardTest, EnterBreaksTheLineInTheEditBoxOnly) {
  edit().SetText("ab");
  Focus(edit());
  QTextCursor cursor = edit().textCursor();
  cursor.setPosition(1);
  edit().setTextCursor(cursor);
  QTest::keyClick(&edit(), Qt::Key_Return);
  QTest::keyClick(&edit(), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(edit().ReadText(), "a\r\n\r\nb");

  // Elsewhere Enter clicks nothing and moves nothing.
  QPushButton* start = Button(kStartTestCaption);
  QSignalSpy clicks(start, &QPushButton::clicked);
  Focus(*start);
  QTest::keyClick(start, Qt::Key_Return);
  EXPECT_EQ(clicks.count(), 0);
  EXPECT_EQ(QApplication::focusWidget(), start);
  EXPECT_EQ(edit().ReadText(), "a\r\n\r\nb") << "the start button's command did not run";
  // Space on a focused button clicks it.
  QTest::keyClick(start, Qt::Key_Space);
  EXPECT_EQ(clicks.count(), 1);
}

TEST(WindowKeyPress, QtKeysMapToTheSharedKeys) {
  using platform::ToKeyPress;
  EXPECT_EQ(ToKeyPress(Qt::Key_Escape, {}).key, Key::kEscape);
  EXPECT_EQ(ToKeyPress(Qt::Key_Enter, Qt::KeypadModifier).key, Key::kEnter);
  const KeyPress backtab = ToKeyPress(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(backtab.key, Key::kTab);
  EXPECT_TRUE(backtab.shift);
  const KeyPress ctrlAlt = ToKeyPress(Qt::Key_A, Qt::ControlModifier | Qt::AltModifier);
  EXPECT_EQ(ctrlAlt.key, Key::kOther);
  EXPECT_TRUE(ctrlAlt.ctrl && ctrlAlt.alt && !ctrlAlt.shift);
}

}  // namespace
}  // namespace vantrel::testing_support

// The window as the form describes it: geometry, caption bar, controls, start state.
#include <QHeaderView>
#include <QScreen>
#include <QScrollBar>

#include "app/sample_results_page.h"
#include "window_fixture.h"

namespace vantrel::testing_support {
namespace {

using MainWindowTest = WindowTest;

TEST_F(MainWindowTest, IsFixedAtTheWindowsClientSizeAndCentredOnThePrimaryScreen) {
  // 477 x 237 outside, less a 3-pixel frame on each side and a 23-pixel caption bar.
  EXPECT_EQ(window().size(), QSize(471, 208));
  EXPECT_EQ(window().minimumSize(), QSize(471, 208));
  EXPECT_EQ(window().maximumSize(), QSize(471, 208));
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  // The outer 477 x 237 centred by integer division; negative on a screen that is too small.
  const QPoint expected(screen.left() + (screen.width() - 477) / 2,
                        screen.top() + (screen.height() - 237) / 2);
  EXPECT_EQ(window().pos(), expected) << "screen " << screen.width() << "x" << screen.height();
  if (screen.width() < 477) {
    EXPECT_LT(window().pos().x(), 0);
  }
}

TEST_F(MainWindowTest, CaptionBarHasTitleCloseAndMinimiseButNoMaximise) {
  EXPECT_EQ(window().windowTitle(), QStringLiteral("Vantrel"));
  const Qt::WindowFlags flags = window().windowFlags();
  EXPECT_TRUE(window().isWindow());
  EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowSystemMenuHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowStaysOnTopHint));
  // A resize request changes nothing.
  window().resize(600, 400);
  EXPECT_EQ(window().size(), QSize(471, 208));
}

TEST_F(MainWindowTest, ControlsStandAtTheirFormPlacesInFormOrder) {
  struct Expected {
    const char* name;
    QRect rect;
    QString text;
  };
  const Expected controls[] = {
      {"\xB0\xB4\xC5\xA5"
       "2",
       {288, 165, 80, 35},
       QString::fromUtf8("打开HOSTS")},
      {"\xB0\xB4\xC5\xA5"
       "1",
       {384, 165, 80, 35},
       QString::fromUtf8("打开17E")},
      {"\xB0\xB4\xC5\xA5"
       "3",
       {192, 165, 80, 35},
       QString::fromUtf8("开始测速")},
      {"\xB1\xE0\xBC\xAD\xBF\xF2"
       "1",
       {192, 8, 272, 151},
       {}},
      {"\xB3\xAC\xBC\xB6\xC1\xD0\xB1\xED\xBF\xF2"
       "1",
       {8, 8, 176, 192},
       {}},
  };
  // Qt keeps children in creation order.
  QList<QWidget*> children = window().findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  ASSERT_EQ(children.size(), 5);
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    QWidget* control = children[i];
    EXPECT_EQ(control->objectName(), platform::ToQString(controls[i].name));
    EXPECT_EQ(control->geometry(), controls[i].rect);
    EXPECT_TRUE(control->isVisible());
    EXPECT_TRUE(control->isEnabled());
    EXPECT_EQ(control->focusPolicy(), Qt::ClickFocus) << "no control is a tab stop";
    EXPECT_EQ(control->font().pixelSize(), 12);
    EXPECT_EQ(control->font().family(), QString::fromUtf8("微软雅黑"));
    EXPECT_EQ(control->font().weight(), QFont::Normal);
    if (auto* button = qobject_cast<QPushButton*>(control)) {
      EXPECT_EQ(button->text(), controls[i].text);
      EXPECT_FALSE(button->isDefault());
      EXPECT_FALSE(button->autoDefault());
    }
  }
  EXPECT_NE(qobject_cast<QPlainTextEdit*>(children[3]), nullptr);
  EXPECT_NE(qobject_cast<QTreeWidget*>(children[4]), nullptr);
}

TEST_F(MainWindowTest, ListHasTwoLeftAlignedColumnsAndNoRows) {
  QTreeWidget* tree = Control<QTreeWidget>(
      "\xB3\xAC\xBC\xB6\xC1\xD0\xB1\xED\xBF\xF2"
      "1");
  ASSERT_NE(tree, nullptr);
  ASSERT_EQ(tree->columnCount(), 2);
  EXPECT_EQ(tree->headerItem()->text(0), QStringLiteral("IP"));
  EXPECT_EQ(tree->headerItem()->text(1), platform::ToQString(kDelayTitle));
  EXPECT_EQ(tree->columnWidth(0), 120);
  EXPECT_EQ(tree->columnWidth(1), 50);
  EXPECT_FALSE(tree->header()->isHidden());
  EXPECT_TRUE(tree->header()->sectionsClickable());
  EXPECT_FALSE(tree->header()->sectionsMovable());
  EXPECT_TRUE(tree->header()->defaultAlignment().testFlag(Qt::AlignLeft));
  EXPECT_EQ(tree->topLevelItemCount(), 0);
  EXPECT_EQ(list().GetFirstSelectedRow(), -1);
  EXPECT_EQ(tree->selectionMode(), QAbstractItemView::SingleSelection);
  EXPECT_EQ(tree->selectionBehavior(), QAbstractItemView::SelectRows);
}

TEST_F(MainWindowTest, StartsWithTheSamplePageCaretAtItsStartAndNoControlFocused) {
  EXPECT_EQ(edit().ReadText(), SampleResultsPage());
  EXPECT_EQ(edit().textCursor().position(), 0);
  EXPECT_FALSE(edit().textCursor().hasSelection());
  EXPECT_EQ(edit().verticalScrollBar()->value(), 0);
  EXPECT_TRUE(window().isActiveWindow());
  QWidget* focused = QApplication::focusWidget();
  EXPECT_TRUE(focused == nullptr || focused == &window())
      << "focus on " << focused->objectName().toStdString();
}

TEST_F(MainWindowTest, ClickingAControlGivesItTheFocus) {
  QTest::mouseClick(edit().viewport(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(QApplication::focusWidget(), &edit());
  QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, QPoint(5, 100));
  EXPECT_EQ(QApplication::focusWidget(), &list());
}

}  // namespace
}  // namespace vantrel::testing_support

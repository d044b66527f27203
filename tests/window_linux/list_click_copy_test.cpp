// A left click in the list copies the selected row's address to the system clipboard; nothing
// else in the list copies.
#include <QHeaderView>
#include <QLineEdit>

#include "window_fixture.h"

namespace vantrel::testing_support {
namespace {

class ListClickCopyTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    QGuiApplication::clipboard()->setText(kBefore);
    FillList({{"1.1.1.1", "12"}, {"2.2.2.2", "-1"}, {"", "-1"}});
  }
  static QString ClipboardText() { return QGuiApplication::clipboard()->text(); }

  const QString kBefore = QStringLiteral("copied before");
};

TEST_F(ListClickCopyTest, LeftClickOnEitherCellCopiesTheRowsAddress) {
  ClickCell(1, 1);  // the "延迟" cell
  EXPECT_EQ(ClipboardText(), QStringLiteral("2.2.2.2"));
  ClickCell(0, 0);
  EXPECT_EQ(ClipboardText(), QStringLiteral("1.1.1.1"));
  ClickCell(0, 1);  // a click on the row already selected copies again
  QGuiApplication::clipboard()->setText(kBefore);
  ClickCell(0, 1);
  EXPECT_EQ(ClipboardText(), QStringLiteral("1.1.1.1"));
}

TEST_F(ListClickCopyTest, RowWithAnEmptyAddressCopiesTheEmptyText) {
  ClickCell(2, 1);
  EXPECT_EQ(ClipboardText(), QString());
}

TEST_F(ListClickCopyTest, CodePage936AddressArrivesAsUnicode) {
  list().SetCellText(0, 0, "\xB5\xE7\xD0\xC5.example");  // 电信.example
  ClickCell(0, 1);
  EXPECT_EQ(ClipboardText(), QString::fromUtf8("电信.example"));
}

TEST_F(ListClickCopyTest, CellLongerThan511BytesIsCopiedWhole) {
  Text longAddress;
  for (int i = 0; longAddress.size() < 2000; ++i) longAddress += "\xB5\xE7" + std::to_string(i);
  list().SetCellText(1, 0, longAddress);
  ClickCell(1, 1);
  EXPECT_EQ(platform::FromQString(ClipboardText()), longAddress);
}

TEST_F(ListClickCopyTest, KeyboardRightClickAndHeaderCopyNothing) {
  list().setFocus(Qt::MouseFocusReason);
  QTest::keyClick(&list(), Qt::Key_Down);
  QTest::keyClick(&list(), Qt::Key_Down);
  EXPECT_NE(list().GetFirstSelectedRow(), -1) << "the keys moved the selection";
  ClickCell(0, 0, Qt::RightButton);
  ClickCell(1, 0, Qt::MiddleButton);
  QHeaderView* header = list().header();
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(10, header->height() / 2));
  EXPECT_EQ(ClipboardText(), kBefore);
}

TEST_F(ListClickCopyTest, ClickWithNoRowSelectedLeavesTheClipboardAsItWas) {
  // On empty space of a list with rows, then on an empty list.
  QTest::mouseClick(list().viewport(), Qt::LeftButton, {},
                    QPoint(10, list().viewport()->height() - 5));
  EXPECT_EQ(list().GetFirstSelectedRow(), -1);
  EXPECT_EQ(ClipboardText(), kBefore);
  list().DeleteAllRows();
  QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(ClipboardText(), kBefore);
}

TEST_F(ListClickCopyTest, EditedAddressIsWhatALaterClickCopies) {
  DoubleClickCell(0, 0);
  QLineEdit* editor = OpenEditor();
  ASSERT_NE(editor, nullptr);
  editor->selectAll();
  QTest::keyClicks(editor, QStringLiteral("edited.example.invalid"));
  QTest::keyClick(editor, Qt::Key_Return);
  Settle();
  QGuiApplication::clipboard()->setText(kBefore);
  ClickCell(0, 1);
  EXPECT_EQ(ClipboardText(), QStringLiteral("edited.example.invalid"));
}

}  // namespace
}  // namespace vantrel::testing_support

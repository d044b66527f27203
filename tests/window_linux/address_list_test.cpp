// The address list: rows in insertion order, cells read whole, one selected row, in-place
// editing of the first cell, a header that sorts nothing.
#include <QHeaderView>
#include <QLineEdit>
#include <QPointer>
#include <functional>

#include "window_fixture.h"

namespace vantrel::testing_support {
namespace {

using AddressListTest = WindowTest;

TEST_F(AddressListTest, RowsKeepInsertionOrderAndCellsReadBackWhole) {
  EXPECT_EQ(list().InsertRow(), 0);
  EXPECT_EQ(list().InsertRow(), 1);
  EXPECT_EQ(list().InsertRow(), 2);
  list().SetCellText(0, 0, "9.9.9.9");
  list().SetCellText(0, 1, "-1");
  list().SetCellText(1, 0, "1.1.1.1");
  list().SetCellText(2, 1, "\xB5\xE7\xD0\xC5");  // 电信
  const Text longCell(3000, 'x');
  list().SetCellText(2, 0, longCell);
  struct Cell {
    int row, column;
    Text text;
  };
  const Cell cells[] = {
      {0, 0, "9.9.9.9"},
      {0, 1, "-1"},
      {1, 0, "1.1.1.1"},
      {1, 1, ""},
      {2, 0, longCell},
      {2, 1, "\xB5\xE7\xD0\xC5"},
      // Rows and columns that do not exist read as empty.
      {-1, 0, ""},
      {3, 0, ""},
      {0, 2, ""},
      {0, -1, ""},
  };
  for (const Cell& c : cells) {
    EXPECT_EQ(list().GetCellText(c.row, c.column), c.text) << c.row << "," << c.column;
  }
  // Writing to a row that does not exist changes nothing.
  list().SetCellText(7, 0, "nowhere");
  EXPECT_EQ(list().topLevelItemCount(), 3);

  list().DeleteAllRows();
  EXPECT_EQ(list().topLevelItemCount(), 0);
  EXPECT_EQ(list().GetCellText(0, 0), "");
  EXPECT_EQ(list().InsertRow(), 0);
}

TEST_F(AddressListTest, AtMostOneRowIsSelectedAndItStaysSelectedWithoutFocus) {
  FillList({{"1.1.1.1", "1"}, {"2.2.2.2", "2"}, {"3.3.3.3", "3"}});
  EXPECT_EQ(list().GetFirstSelectedRow(), -1);
  ClickCell(2, 0);
  EXPECT_EQ(list().GetFirstSelectedRow(), 2);
  QTest::mouseClick(list().viewport(), Qt::LeftButton, Qt::ControlModifier,
                    list().visualRect(list().model()->index(0, 1)).center());
  EXPECT_EQ(list().selectedItems().size(), 1);
  list().selectAll();
  EXPECT_LE(list().selectedItems().size(), 1);
  ClickCell(1, 1);
  EXPECT_EQ(list().GetFirstSelectedRow(), 1);
  EXPECT_EQ(list().selectedItems().size(), 1);
  // The whole row is selected, whichever cell was clicked.
  EXPECT_TRUE(list().selectionModel()->isRowSelected(1, QModelIndex()));

  QTest::mouseClick(edit().viewport(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(QApplication::focusWidget(), &edit());
  EXPECT_EQ(list().GetFirstSelectedRow(), 1);
  // ... but its highlight is not drawn while another control has the focus.
  EXPECT_EQ(list().palette().color(QPalette::Active, QPalette::Highlight),
            list().palette().color(QPalette::Active, QPalette::Base));
  ClickCell(1, 0);
  EXPECT_NE(list().palette().color(QPalette::Active, QPalette::Highlight),
            list().palette().color(QPalette::Active, QPalette::Base));
}

TEST_F(AddressListTest, ClickOnEmptySpaceLeavesNoRowSelected) {
  FillList({{"1.1.1.1", "1"}});
  ClickCell(0, 0);
  ASSERT_EQ(list().GetFirstSelectedRow(), 0);
  QTest::mouseClick(list().viewport(), Qt::LeftButton, {},
                    QPoint(10, list().viewport()->height() - 5));
  EXPECT_EQ(list().GetFirstSelectedRow(), -1);
}

class InPlaceEditTest : public AddressListTest {
 protected:
  // Edits the first cell of `row` in place, once `start` has opened the editor: replaces its
  // text with `typed` and ends with `finish` (Enter confirms, Esc cancels).
  void EditFirstCell(int row, const std::function<void()>& start, const QString& typed,
                     Qt::Key finish) {
    start();
    QLineEdit* editor = OpenEditor();
    ASSERT_NE(editor, nullptr) << "no editor opened";
    EXPECT_EQ(editor->geometry().top(), list().visualRect(list().model()->index(row, 0)).top());
    editor->selectAll();
    QTest::keyClicks(editor, typed);
    QTest::keyClick(editor, finish);
    Settle();
    EXPECT_EQ(OpenEditor(), nullptr);
  }
};

TEST_F(InPlaceEditTest, FirstCellIsEditedAndTheEditStays) {
  FillList({{"1.1.1.1", "5"}, {"2.2.2.2", "7"}});
  const QString host = QStringLiteral("www.example.invalid");

  // Double click on the "延迟" cell edits the address cell, not the time.
  EditFirstCell(
      0, [&] { DoubleClickCell(0, 1); }, host, Qt::Key_Return);
  EXPECT_EQ(list().GetCellText(0, 0), platform::FromQString(host));
  EXPECT_EQ(list().GetCellText(0, 1), "5");

  // F2 edits the current row; Esc cancels, keeps the old text and leaves the window open.
  ClickCell(1, 1);
  EditFirstCell(
      1, [&] { QTest::keyClick(&list(), Qt::Key_F2); }, "gone", Qt::Key_Escape);
  EXPECT_EQ(list().GetCellText(1, 0), "2.2.2.2");
  EXPECT_TRUE(window().isVisible()) << "Esc in the editor only ends the edit";
  EXPECT_EQ(list().GetCellText(0, 0), platform::FromQString(host));
}

TEST_F(InPlaceEditTest, TabInTheEditorNeitherMovesNorEndsTheEdit) {
  FillList({{"1.1.1.1", "5"}, {"2.2.2.2", "7"}});
  ClickCell(0, 0);
  QTest::keyClick(&list(), Qt::Key_F2);
  QPointer<QLineEdit> editor = OpenEditor();
  ASSERT_NE(editor, nullptr);
  QTest::keyClick(editor, Qt::Key_Tab);
  QTest::keyClick(editor, Qt::Key_Backtab, Qt::ShiftModifier);
  Settle();
  ASSERT_EQ(OpenEditor(), editor.data());
  EXPECT_EQ(editor->text(), QStringLiteral("1.1.1.1"));
  QTest::keyClick(editor, Qt::Key_Return);
  Settle();
  EXPECT_EQ(list().GetCellText(0, 0), "1.1.1.1");
  EXPECT_EQ(list().GetCellText(1, 0), "2.2.2.2");
}

TEST_F(InPlaceEditTest, EditorLosingTheFocusKeepsTheEdit) {
  FillList({{"1.1.1.1", "5"}});
  DoubleClickCell(0, 0);
  QLineEdit* editor = OpenEditor();
  ASSERT_NE(editor, nullptr);
  editor->setText(QStringLiteral("kept.invalid"));
  QTest::mouseClick(edit().viewport(), Qt::LeftButton, {}, QPoint(5, 5));
  Settle();
  EXPECT_EQ(list().GetCellText(0, 0), "kept.invalid");
}

TEST_F(AddressListTest, HeaderClickSortsNothing) {
  FillList({{"9.9.9.9", "30"}, {"1.1.1.1", "-1"}, {"5.5.5.5", "2"}});
  QHeaderView* header = list().header();
  for (int column : {0, 1, 0, 1}) {
    const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
  }
  EXPECT_EQ(list().GetCellText(0, 0), "9.9.9.9");
  EXPECT_EQ(list().GetCellText(1, 0), "1.1.1.1");
  EXPECT_EQ(list().GetCellText(2, 0), "5.5.5.5");
  EXPECT_EQ(list().GetCellText(2, 1), "2");
  EXPECT_EQ(list().GetFirstSelectedRow(), -1);
  EXPECT_EQ(list().columnWidth(0), 120);
}

}  // namespace
}  // namespace vantrel::testing_support

// The page edit box: line breaks read back as CR LF, appending at the end, no length limit.
#include <QInputMethodEvent>
#include <QScrollBar>

#include "window_fixture.h"

namespace vantrel::testing_support {
namespace {

using PageEditBoxTest = WindowTest;

TEST_F(PageEditBoxTest, ReadsEveryLineBreakBackAsCrLf) {
  struct Case {
    Text set;
    Text read;
  };
  const Case cases[] = {
      {"", ""},
      {"a\r\nb", "a\r\nb"},
      {"a\nb\n", "a\r\nb\r\n"},
      {"\r\n\r\nx\r\n", "\r\n\r\nx\r\n"},
      {"a\r\n\nb", "a\r\n\r\nb"},
      // GBK characters and TABs survive unchanged; the text ends at a NUL.
      {"\t\t<td>\xC9\xCF\xBA\xA3 \xB5\xE7\xD0\xC5</td>\r\n",
       "\t\t<td>\xC9\xCF\xBA\xA3 \xB5\xE7\xD0\xC5</td>\r\n"},
      {"cut\0here", "cut"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.set);
    edit().SetText(c.set);
    EXPECT_EQ(edit().ReadText(), c.read);
  }
}

TEST_F(PageEditBoxTest, AppendPutsTheTextAtTheEndWhereverTheCaretWas) {
  edit().SetText("1.1.1.1\r\n");
  QTextCursor cursor = edit().textCursor();
  cursor.setPosition(2);
  cursor.setPosition(4, QTextCursor::KeepAnchor);  // a selection that must not be replaced
  edit().setTextCursor(cursor);
  edit().AppendText("2.2.2.2\r\n");
  edit().AppendText("\r\n");
  edit().AppendText("3.3.3.3\n");
  EXPECT_EQ(edit().ReadText(), "1.1.1.1\r\n2.2.2.2\r\n\r\n3.3.3.3\r\n");
  EXPECT_EQ(edit().textCursor().position(), edit().document()->characterCount() - 1);
  // The insertions cannot be undone.
  EXPECT_FALSE(edit().document()->isUndoAvailable());
}

TEST_F(PageEditBoxTest, AppendScrollsTheEndIntoView) {
  edit().SetText("");
  for (int i = 0; i < 200; ++i) edit().AppendText("10.0.0." + std::to_string(i) + "\r\n");
  QScrollBar* bar = edit().verticalScrollBar();
  EXPECT_GT(bar->maximum(), 0);
  EXPECT_EQ(bar->value(), bar->maximum());
}

TEST_F(PageEditBoxTest, HoldsTextFarLongerThan32KilobytesWhole) {
  Text page;
  for (int i = 0; page.size() < 200'000; ++i) {
    page +=
        "\t\t\t\t\t<td>" + std::to_string(i) + "</td>\r\n\t\t\t\t\t<td>\xB5\xE7\xD0\xC5</td>\r\n";
  }
  edit().SetText(page);
  EXPECT_EQ(edit().ReadText(), page);
  edit().SetText("");
  edit().AppendText(page);
  edit().AppendText("end");
  EXPECT_EQ(edit().ReadText(), page + "end");
}

TEST_F(PageEditBoxTest, PastedTextArrivesWholeWithCrLfBreaks) {
  Text pasted;
  for (int i = 0; pasted.size() < 40'000; ++i) pasted += "line " + std::to_string(i) + "\n";
  QGuiApplication::clipboard()->setText(platform::ToQString(pasted));
  edit().SetText("");
  QTest::mouseClick(edit().viewport(), Qt::LeftButton, {}, QPoint(5, 5));
  QTest::keyClick(&edit(), Qt::Key_V, Qt::ControlModifier);
  Text expected;
  for (size_t start = 0, end; (end = pasted.find('\n', start)) != Text::npos; start = end + 1) {
    expected += pasted.substr(start, end - start) + "\r\n";
  }
  EXPECT_EQ(edit().ReadText(), expected);
}

TEST_F(PageEditBoxTest, TypedTextIsReadBackInCodePage936) {
  edit().SetText("");
  QTest::mouseClick(edit().viewport(), Qt::LeftButton, {}, QPoint(5, 5));
  QInputMethodEvent typed;  // as an input method commits Chinese text
  typed.setCommitString(QString::fromUtf8("电信"));
  QApplication::sendEvent(&edit(), &typed);
  QTest::keyClicks(&edit(), QStringLiteral(" 1.2.3.4"));
  EXPECT_EQ(edit().ReadText(), "\xB5\xE7\xD0\xC5 1.2.3.4");
}

}  // namespace
}  // namespace vantrel::testing_support

#include "platform/linux/window/page_edit_widget.h"

#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>

#include "platform/linux/window/focus_highlight.h"
#include "platform/linux/window/qt_text.h"

namespace vantrel::platform {

namespace {

// The document splits its text at "\r\n" and "\n" alike (and Shift+Enter adds a line
// separator); all of them come back as CR LF. The raw text keeps non-breaking spaces, which
// toPlainText() would turn into blanks.
Text DocumentText(const QTextDocument& document) {
  QString raw = document.toRawText();
  raw.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
  raw.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
  return FromQString(raw);
}

}  // namespace

PageEditWidget::PageEditWidget(QWidget* parent) : QPlainTextEdit(parent) {
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  ShowSelectionHighlight(*this, false);
}

Text PageEditWidget::ReadText() { return DocumentText(*document()); }

void PageEditWidget::SetText(const Text& text) { setPlainText(ToQString(text)); }

void PageEditWidget::AppendText(const Text& text) {
  QTextCursor cursor = textCursor();
  cursor.movePosition(QTextCursor::End);
  setTextCursor(cursor);
  ensureCursorVisible();
  // Turning undo off for the insertion also forgets earlier steps, as a replacement that
  // cannot be undone does in the Windows edit box.
  document()->setUndoRedoEnabled(false);
  cursor.insertText(ToQString(text));
  document()->setUndoRedoEnabled(true);
  setTextCursor(cursor);
}

void PageEditWidget::focusInEvent(QFocusEvent* event) {
  ShowSelectionHighlight(*this, true);
  QPlainTextEdit::focusInEvent(event);
}

void PageEditWidget::focusOutEvent(QFocusEvent* event) {
  ShowSelectionHighlight(*this, false);
  QPlainTextEdit::focusOutEvent(event);
}

}  // namespace vantrel::platform

// The page edit box (编辑框1) over a QPlainTextEdit.
//
// QPlainTextEdit keeps paragraphs, not line-break characters: every break it holds is read back
// as CR LF, the convention of the Windows multi-line edit box, so a page pasted here gives the
// pattern the same text as on Windows. Texts set or appended may break lines with CR LF or LF.
#pragma once

#include <QPlainTextEdit>

#include "speedtest/controls.h"

namespace vantrel::platform {

class PageEditWidget : public QPlainTextEdit, public PageEditBox {
 public:
  explicit PageEditWidget(QWidget* parent);

  Text ReadText() override;
  void SetText(const Text& text) override;
  void AppendText(const Text& text) override;

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace vantrel::platform

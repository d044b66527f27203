#include "platform/linux/window/focus_highlight.h"

#include <QApplication>
#include <QPalette>

namespace vantrel::platform {

void ShowSelectionHighlight(QWidget& widget, bool focused) {
  QPalette palette = widget.palette();
  const QPalette standard = QApplication::palette(&widget);
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    palette.setColor(group, QPalette::Highlight,
                     standard.color(group, focused ? QPalette::Highlight : QPalette::Base));
    palette.setColor(group, QPalette::HighlightedText,
                     standard.color(group, focused ? QPalette::HighlightedText : QPalette::Text));
  }
  widget.setPalette(palette);
}

}  // namespace vantrel::platform

// Selections that show only while their control has the keyboard focus, as the Windows edit box
// and list view draw them when they lack the styles that keep a selection visible.
#pragma once

#include <QWidget>

namespace vantrel::platform {

// Draws the widget's selection with its ordinary colours when `focused`, else invisibly (in the
// colours of unselected text); the selection itself is kept.
void ShowSelectionHighlight(QWidget& widget, bool focused);

}  // namespace vantrel::platform

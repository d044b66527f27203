// The window's keyboard rules applied to Qt key presses: every key press that reaches the window
// or one of its controls is first put to DecideKey, with the kind of control that receives it.
#pragma once

#include <QHash>
#include <QObject>
#include <QWidget>

#include "app/keyboard.h"

namespace vantrel::platform {

class WindowKeyFilter : public QObject {
 public:
  // Closes `window` when a key press calls for it.
  explicit WindowKeyFilter(QWidget& window);

  // Starts examining the key presses sent to `widget`, a control of the given kind or the window.
  void Watch(QWidget& widget, FocusKind kind);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& window_;
  QHash<QObject*, FocusKind> kinds_;
};

// The key press as the shared rules see it: which key, with which modifiers.
KeyPress ToKeyPress(int qtKey, Qt::KeyboardModifiers modifiers);

}  // namespace vantrel::platform

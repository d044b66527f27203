#include "platform/linux/window/window_key_filter.h"

#include <QKeyEvent>

namespace vantrel::platform {

KeyPress ToKeyPress(int qtKey, Qt::KeyboardModifiers modifiers) {
  KeyPress press{Key::kOther};
  switch (qtKey) {
    case Qt::Key_Escape:
      press.key = Key::kEscape;
      break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:  // Shift+Tab arrives as its own key, with Shift held
      press.key = Key::kTab;
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:  // the keypad's
      press.key = Key::kEnter;
      break;
    case Qt::Key_F1:
      press.key = Key::kF1;
      break;
    default:
      break;
  }
  press.ctrl = modifiers.testFlag(Qt::ControlModifier);
  press.shift = modifiers.testFlag(Qt::ShiftModifier);
  press.alt = modifiers.testFlag(Qt::AltModifier);
  return press;
}

WindowKeyFilter::WindowKeyFilter(QWidget& window) : QObject(&window), window_(window) {}

void WindowKeyFilter::Watch(QWidget& widget, FocusKind kind) {
  kinds_.insert(&widget, kind);
  widget.installEventFilter(this);
}

bool WindowKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  const bool press = event->type() == QEvent::KeyPress;
  // The shortcut override is asked before the press itself: accepting it for a key we take
  // keeps any shortcut from acting on that key first, and brings the press here.
  if (!press && event->type() != QEvent::ShortcutOverride) return false;
  const auto kind = kinds_.constFind(watched);
  if (kind == kinds_.constEnd()) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  const KeyOutcome outcome = DecideKey(ToKeyPress(key->key(), key->modifiers()), *kind);
  if (outcome == KeyOutcome::kToControl) return false;
  if (!press) {
    key->accept();
    return true;
  }
  if (outcome == KeyOutcome::kCloseWindow) window_.close();
  return true;
}

}  // namespace vantrel::platform

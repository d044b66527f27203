#include "app/keyboard.h"

namespace vantrel {

KeyOutcome DecideKey(const KeyPress& press, FocusKind focus) {
  const bool noModifiers = !press.ctrl && !press.shift && !press.alt;
  // Only the multi-line edit box claims a key: Enter, to break the line.
  if (press.key == Key::kEnter && noModifiers && focus == FocusKind::kEditBox) {
    return KeyOutcome::kToControl;
  }
  if (press.key == Key::kEscape && noModifiers) return KeyOutcome::kCloseWindow;
  // No control is a tab stop, so focus traversal has nowhere to go; the key never types a TAB.
  if (press.key == Key::kTab && !press.ctrl && !press.alt) return KeyOutcome::kSwallow;
  if (press.key == Key::kF1) return KeyOutcome::kSwallow;  // no help to open
  return KeyOutcome::kToControl;
}

}  // namespace vantrel

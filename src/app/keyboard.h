// The window's keyboard rules, shared by both platforms: Esc closes the window from anywhere,
// Tab moves nothing and types nothing, Enter breaks a line only in the edit box.
#pragma once

namespace vantrel {

enum class Key { kEscape, kTab, kEnter, kF1, kOther };

struct KeyPress {
  Key key;
  bool ctrl = false;
  bool shift = false;
  bool alt = false;
};

// What holds the keyboard focus: the window itself, or one of its controls.
enum class FocusKind { kWindow, kButton, kEditBox, kListView };

enum class KeyOutcome {
  kToControl,    // the key goes on to the focused control as usual
  kCloseWindow,  // the window is sent a close request; the key goes no further
  kSwallow,      // the key goes no further
};

KeyOutcome DecideKey(const KeyPress& press, FocusKind focus);

}  // namespace vantrel

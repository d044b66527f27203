#include "window/key_press_win32.h"

namespace vantrel::win32 {

namespace {

Key KeyOf(WPARAM virtualKey) {
  switch (virtualKey) {
    case VK_ESCAPE:
      return Key::kEscape;
    case VK_TAB:
      return Key::kTab;
    case VK_RETURN:
      return Key::kEnter;
    case VK_F1:
      return Key::kF1;
    default:
      return Key::kOther;
  }
}

bool IsDown(int virtualKey) { return (GetKeyState(virtualKey) & 0x8000) != 0; }

}  // namespace

KeyPress KeyPressOf(const MSG& msg) {
  // A system key-down carries Alt in its context bit even when the key state has not caught up.
  constexpr LPARAM kAltContext = LPARAM{1} << 29;
  const bool altContext = msg.message == WM_SYSKEYDOWN && (msg.lParam & kAltContext) != 0;
  return KeyPress{KeyOf(msg.wParam), IsDown(VK_CONTROL), IsDown(VK_SHIFT),
                  altContext || IsDown(VK_MENU)};
}

}  // namespace vantrel::win32

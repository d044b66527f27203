// A key-down message as the window's keyboard rules see it: the key and the modifiers held.
#pragma once

#include <windows.h>

#include "app/keyboard.h"

namespace vantrel::win32 {

// Only for WM_KEYDOWN and WM_SYSKEYDOWN.
KeyPress KeyPressOf(const MSG& msg);

}  // namespace vantrel::win32

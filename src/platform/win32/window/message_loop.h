// The program's message loop: every message passes the window's keyboard rules before it is
// translated and dispatched.
#pragma once

#include <windows.h>

#include "window/main_window.h"

namespace vantrel::win32 {

// One message taken from the queue: dropped by the keyboard rules, or translated and dispatched.
void ProcessMessage(MainWindow& window, const MSG& msg);

// Runs until WM_QUIT is taken from the queue.
void RunMessageLoop(MainWindow& window);

}  // namespace vantrel::win32

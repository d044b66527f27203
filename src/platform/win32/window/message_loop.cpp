#include "window/message_loop.h"

namespace vantrel::win32 {

void ProcessMessage(MainWindow& window, const MSG& msg) {
  if (window.PreTranslateKey(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

void RunMessageLoop(MainWindow& window) {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) ProcessMessage(window, msg);
}

}  // namespace vantrel::win32

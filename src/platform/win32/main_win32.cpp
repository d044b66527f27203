// The program's entry routine: OLE for the window's thread, the system's services, the main
// window and its message loop; then the end sequence.
#include <ole2.h>
#include <windows.h>
// The common controls' declarations build on those of windows.h.
#include <commctrl.h>

#include <memory>
#include <new>

#include "app/form.h"
#include "platform/system.h"
#include "window/main_window.h"
#include "window/message_loop.h"
#include "window/out_of_memory.h"

namespace {

// OLE on this thread for the program's whole life, before any window exists; released last.
class OleSession {
 public:
  OleSession() : initialized_(SUCCEEDED(OleInitialize(nullptr))) {}
  ~OleSession() {
    if (initialized_) OleUninitialize();
  }
  OleSession(const OleSession&) = delete;
  OleSession& operator=(const OleSession&) = delete;

 private:
  bool initialized_;
};

// The end-of-program step. The program keeps no program-wide state of its own, so it does
// nothing; it runs first in the end sequence, before the services let go of what they took up.
void EndOfProgramStep() {}

int RunProgram() {
  using namespace vantrel;
  const OleSession ole;
  const std::unique_ptr<AutomationLayer> automation = platform::MakeSystemAutomation();
  // Holds WinSock and icmp.dll from its first ping until it is destroyed.
  std::unique_ptr<Pinger> pinger = platform::MakeSystemPinger();
  const std::unique_ptr<Shell> shell = platform::MakeSystemShell();
  const std::unique_ptr<Clipboard> clipboard = platform::MakeSystemClipboard();

  INITCOMMONCONTROLSEX commonControls{sizeof commonControls,
                                      ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&commonControls);
  {
    const std::unique_ptr<win32::MainWindow> window = win32::MainWindow::Create(
        GetModuleHandleW(nullptr), MainWindowForm(),
        {*automation, *pinger, *shell, *clipboard, platform::HostsFolderPath()});
    if (!window) {
      MessageBoxW(nullptr,
                  L"\x65E0\x6CD5\x521B\x5EFA\x4E3B\x7A97\x53E3\x3002" /* 无法创建主窗口。 */,
                  L"Vantrel", MB_OK | MB_ICONERROR);
      return -1;
    }
    win32::RunMessageLoop(*window);
  }
  EndOfProgramStep();
  pinger.reset();  // frees icmp.dll and ends WinSock while OLE is still there
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  try {
    return RunProgram();
  } catch (const std::bad_alloc&) {
    vantrel::win32::EndForLackOfMemory();
  }
}

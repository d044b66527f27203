// The program's entry routine on Linux: the application, the system's parts, the main window
// and the event loop, all on this one thread.
#include <QApplication>
#include <QMessageBox>
#include <memory>
#include <new>

#include "platform/linux/window/main_window.h"
#include "platform/linux/window/out_of_memory.h"
#include "platform/system.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  using namespace vantrel::platform;
  std::unique_ptr<vantrel::AutomationLayer> automation;
  std::unique_ptr<vantrel::Pinger> pinger;
  std::unique_ptr<vantrel::Shell> shell;
  std::unique_ptr<vantrel::Clipboard> clipboard;
  std::unique_ptr<MainWindow> window;  // last: it works on the parts above
  try {
    automation = MakeSystemAutomation();
    pinger = MakeSystemPinger();
    shell = MakeSystemShell();
    clipboard = MakeSystemClipboard();
    if (!automation || !pinger || !shell || !clipboard) throw std::bad_alloc();
    window = std::make_unique<MainWindow>(
        vantrel::WindowServices{*automation, *pinger, *shell, *clipboard, HostsFolderPath()});
  } catch (const std::bad_alloc&) {
    QMessageBox::critical(nullptr, QStringLiteral("Vantrel"),
                          QStringLiteral("The main window could not be created."));
    return -1;
  }
  window->show();
  // The commands end the program themselves when memory runs out; this is for what Qt's own event
  // handling lets through.
  RunOrEndForLackOfMemory([&] { application.exec(); });
  return 0;
}

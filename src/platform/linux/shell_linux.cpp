// The shell on Linux: xdg-open opens web addresses in the user's browser and folders in the file
// manager. It is started detached and never waited for; what it does is not examined.
#include <QProcess>
#include <QStringList>

#include "platform/linux/window/qt_text.h"
#include "platform/system.h"

namespace vantrel::platform {

namespace {

void OpenWithXdgOpen(const Text& item) {
  QProcess::startDetached(QStringLiteral("xdg-open"), QStringList{ToQString(item)});
}

class XdgOpenShell : public Shell {
 public:
  void OpenWebAddress(const Text& address) override { OpenWithXdgOpen(address); }
  void OpenShellItem(const Text& path) override { OpenWithXdgOpen(path); }
};

}  // namespace

std::unique_ptr<Shell> MakeSystemShell() { return std::make_unique<XdgOpenShell>(); }

}  // namespace vantrel::platform

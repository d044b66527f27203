// The clipboard on Linux: the application's clipboard (the X selection "CLIPBOARD" under X11),
// given the text as Unicode.
#include <QClipboard>
#include <QGuiApplication>

#include "platform/linux/window/qt_text.h"
#include "platform/system.h"

namespace vantrel::platform {

namespace {

class QtClipboard : public Clipboard {
 public:
  bool SetClipboardText(const Text& text) override {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) return false;
    clipboard->setText(ToQString(text), QClipboard::Clipboard);
    return true;
  }
};

}  // namespace

std::unique_ptr<Clipboard> MakeSystemClipboard() { return std::make_unique<QtClipboard>(); }

}  // namespace vantrel::platform

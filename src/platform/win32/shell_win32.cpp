#include "shell_win32.h"

#include <shellapi.h>

#include "platform/system.h"

namespace vantrel::win32 {

namespace {
// A running Internet Explorer window, when there is one, owns the request for the web page.
constexpr const char* kBrowserWindowTitle = "Microsoft Internet Explorer";
}  // namespace

ShellCalls SystemShellCalls() { return {::FindWindowExA, ::ShellExecuteA}; }

void Win32Shell::OpenWebAddress(const Text& address) {
  const HWND owner = calls_.findWindowEx(nullptr, nullptr, nullptr, kBrowserWindowTitle);
  calls_.shellExecute(owner, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void Win32Shell::OpenShellItem(const Text& path) {
  // No verb: the shell applies the item's default action.
  calls_.shellExecute(nullptr, nullptr, path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace vantrel::win32

namespace vantrel::platform {

std::unique_ptr<Shell> MakeSystemShell() {
  return std::make_unique<win32::Win32Shell>(win32::SystemShellCalls());
}

}  // namespace vantrel::platform

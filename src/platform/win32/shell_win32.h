// The shell commands over ShellExecuteA. The two system calls are reached through ShellCalls so
// that a test can see the exact arguments without starting a browser or a file manager.
#pragma once

#include <windows.h>

#include <functional>

#include "speedtest/side_commands.h"

namespace vantrel::win32 {

struct ShellCalls {
  std::function<HWND(HWND parent, HWND after, LPCSTR className, LPCSTR title)> findWindowEx;
  std::function<HINSTANCE(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory,
                          INT show)>
      shellExecute;
};

// FindWindowExA and ShellExecuteA themselves.
ShellCalls SystemShellCalls();

// The texts go to the ANSI calls as they are: code page 936 bytes.
class Win32Shell final : public Shell {
 public:
  explicit Win32Shell(ShellCalls calls) : calls_(std::move(calls)) {}

  void OpenWebAddress(const Text& address) override;
  void OpenShellItem(const Text& path) override;

 private:
  ShellCalls calls_;
};

}  // namespace vantrel::win32

// The clipboard as CF_TEXT: the code page 936 bytes are handed over unchanged, so the system
// reads them in its own ANSI code page when another program asks for Unicode text.
#pragma once

#include <windows.h>

#include <functional>

#include "speedtest/side_commands.h"

namespace vantrel::win32 {

// GlobalAlloc, or a stand-in through which a test makes the allocation fail.
using GlobalAllocCall = std::function<HGLOBAL(UINT flags, SIZE_T bytes)>;

class Win32Clipboard final : public Clipboard {
 public:
  explicit Win32Clipboard(GlobalAllocCall allocate) : allocate_(std::move(allocate)) {}

  // The block is allocated before the clipboard is emptied: a failed allocation leaves the
  // user's clipboard as it was.
  bool SetClipboardText(const Text& text) override;

 private:
  GlobalAllocCall allocate_;
};

}  // namespace vantrel::win32

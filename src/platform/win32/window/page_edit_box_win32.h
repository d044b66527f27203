// The page edit box (编辑框1) over a multi-line Win32 EDIT control.
#pragma once

#include <windows.h>

#include "speedtest/controls.h"

namespace vantrel::win32 {

class Win32PageEditBox final : public PageEditBox {
 public:
  explicit Win32PageEditBox(HWND edit) : edit_(edit) {}

  Text ReadText() override;
  void SetText(const Text& text) override;
  void AppendText(const Text& text) override;

 private:
  HWND edit_;  // owned by the main window
};

}  // namespace vantrel::win32

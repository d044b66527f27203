// The address list (超级列表框1) over a report-view SysListView32.
#pragma once

#include <windows.h>

#include "speedtest/controls.h"

namespace vantrel::win32 {

class Win32AddressList final : public AddressList {
 public:
  explicit Win32AddressList(HWND listView) : list_(listView) {}

  void DeleteAllRows() override;
  int InsertRow() override;
  void SetCellText(int row, int column, const Text& text) override;
  int GetFirstSelectedRow() override;
  Text GetCellText(int row, int column) override;

 private:
  HWND list_;  // owned by the main window
};

}  // namespace vantrel::win32

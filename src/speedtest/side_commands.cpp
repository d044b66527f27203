#include "speedtest/side_commands.h"

namespace vantrel {

void OpenServicePage(Shell& shell) { shell.OpenWebAddress(Text(kServiceHomeUrl)); }

void OpenHostsFolder(Shell& shell, std::string_view hostsFolderPath) {
  shell.OpenShellItem(Text(hostsFolderPath));
}

void CopySelectedAddress(AddressList& list, Clipboard& clipboard) {
  const int row = list.GetFirstSelectedRow();
  if (row < 0) return;
  clipboard.SetClipboardText(list.GetCellText(row, 0));
}

}  // namespace vantrel

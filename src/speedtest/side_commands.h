// The side commands: open the service's home page, open the hosts folder, copy a listed address.
//
// The shell and the clipboard are the platform's; the commands see them through these narrow
// interfaces and examine no result of theirs.
#pragma once

#include <string_view>

#include "pattern/text.h"
#include "speedtest/controls.h"

namespace vantrel {

inline constexpr std::string_view kServiceHomeUrl = "https://www.17e.com/";
// Where the hosts file lives on each platform; the Windows path is not derived from the
// system's actual Windows folder.
inline constexpr std::string_view kWindowsHostsFolderPath = "C:\\Windows\\System32\\drivers\\etc";
inline constexpr std::string_view kLinuxHostsFolderPath = "/etc";

class Shell {
 public:
  virtual ~Shell() = default;
  // Opens a web address in the web browser ("open" action).
  virtual void OpenWebAddress(const Text& address) = 0;
  // Opens a file or folder with its default action.
  virtual void OpenShellItem(const Text& path) = 0;
};

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // Replaces the clipboard's content with `text`; true once the text has been handed over.
  // The content is left as it was when the clipboard cannot be had or filled.
  virtual bool SetClipboardText(const Text& text) = 0;
};

void OpenServicePage(Shell& shell);
void OpenHostsFolder(Shell& shell, std::string_view hostsFolderPath);
// Copies the "IP" cell of the selected row. With no row selected the clipboard is left alone:
// emptying it would only destroy what the user had copied.
void CopySelectedAddress(AddressList& list, Clipboard& clipboard);

}  // namespace vantrel

// The four commands the main window's events run, bound by the form description.
//
// The window of each platform owns its controls and hands them here; an event then runs its
// command to the end on the window's thread before the next message is taken.
#pragma once

#include <string_view>

#include "app/form.h"
#include "pattern/automation.h"
#include "speedtest/controls.h"
#include "speedtest/pinger.h"
#include "speedtest/side_commands.h"

namespace vantrel {

// What the commands work with beside the window's own controls.
struct WindowServices {
  AutomationLayer& automation;
  Pinger& pinger;
  Shell& shell;
  Clipboard& clipboard;
  std::string_view hostsFolderPath;
};

class WindowCommands {
 public:
  // `editBox` is 编辑框1 and `addressList` 超级列表框1.
  WindowCommands(PageEditBox& editBox, AddressList& addressList, const WindowServices& services)
      : editBox_(editBox), addressList_(addressList), services_(services) {}

  void OnStartTestClicked();    // 按钮3 "开始测速"
  void OnOpenHostsClicked();    // 按钮2 "打开HOSTS"
  void OnOpenServiceClicked();  // 按钮1 "打开17E"
  void OnAddressListClicked();  // a left click in 超级列表框1

  // Runs the command an event is bound to; kNone runs nothing.
  void Run(EventBinding binding);

 private:
  PageEditBox& editBox_;
  AddressList& addressList_;
  WindowServices services_;
};

}  // namespace vantrel

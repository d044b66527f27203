#include "app/window_commands.h"

#include "speedtest/speed_test.h"

namespace vantrel {

void WindowCommands::OnStartTestClicked() {
  RunSpeedTest({parts_.editBox, parts_.addressList, parts_.automation, parts_.pinger});
}

void WindowCommands::OnOpenHostsClicked() { OpenHostsFolder(parts_.shell, parts_.hostsFolderPath); }

void WindowCommands::OnOpenServiceClicked() { OpenServicePage(parts_.shell); }

void WindowCommands::OnAddressListClicked() {
  CopySelectedAddress(parts_.addressList, parts_.clipboard);
}

void WindowCommands::Run(EventBinding binding) {
  switch (binding) {
    case EventBinding::kStartTest:
      OnStartTestClicked();
      break;
    case EventBinding::kOpenHosts:
      OnOpenHostsClicked();
      break;
    case EventBinding::kOpenService:
      OnOpenServiceClicked();
      break;
    case EventBinding::kAddressListClick:
      OnAddressListClicked();
      break;
    case EventBinding::kNone:
      break;
  }
}

}  // namespace vantrel

#include "app/window_commands.h"

#include "speedtest/speed_test.h"

namespace vantrel {

void WindowCommands::OnStartTestClicked() {
  RunSpeedTest({editBox_, addressList_, services_.automation, services_.pinger});
}

void WindowCommands::OnOpenHostsClicked() {
  OpenHostsFolder(services_.shell, services_.hostsFolderPath);
}

void WindowCommands::OnOpenServiceClicked() { OpenServicePage(services_.shell); }

void WindowCommands::OnAddressListClicked() {
  CopySelectedAddress(addressList_, services_.clipboard);
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

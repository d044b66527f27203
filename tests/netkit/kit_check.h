// Whether a test runs inside the network test kit: without this check a ping test outside it
// would wait, fail in confusing ways, or send its echoes to the machine's real network.
#pragma once

#include <string>

namespace vantrel::netkit {

// Empty inside the kit; otherwise why not. On Windows this asks the system's network layer, which
// under Wine runs in the wineserver's services: it shows whether those were started in the kit.
std::string WhyNotInsideKit();

// What each platform's network layer tells: whether there is a default route, and whether an
// interface holds kKitLinkAddress.
bool HasDefaultRoute();
bool HasKitLinkAddress();

}  // namespace vantrel::netkit

#include "platform/system.h"

namespace vantrel::platform {

std::string_view HostsFolderPath() { return kWindowsHostsFolderPath; }

}  // namespace vantrel::platform

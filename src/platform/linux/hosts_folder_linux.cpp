#include "platform/system.h"

namespace vantrel::platform {

std::string_view HostsFolderPath() { return kLinuxHostsFolderPath; }

}  // namespace vantrel::platform

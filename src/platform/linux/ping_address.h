// Where an echo goes: a dotted address as inet_addr reads it, else the first IPv4 address of the
// name.
#pragma once

#include <netinet/in.h>

#include <optional>

#include "pattern/text.h"

namespace vantrel::platform {

std::optional<in_addr> ResolvePingAddress(const Text& host);

}  // namespace vantrel::platform

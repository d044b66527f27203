// Crossing between the system's code page 936 texts and Qt's UTF-16 strings.
#pragma once

#include <QString>
#include <string_view>

#include "pattern/text.h"

namespace vantrel::platform {

// The text up to its first NUL, decoded from code page 936.
QString ToQString(std::string_view text);
// The string encoded to code page 936, as the Windows converter would.
Text FromQString(const QString& string);

}  // namespace vantrel::platform

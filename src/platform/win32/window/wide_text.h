// The window speaks UTF-16 to the system and code page 936 to the core: texts cross here, so the
// program behaves the same whatever the system's ANSI code page is.
#pragma once

#include <string>
#include <string_view>

#include "pattern/text.h"
#include "pattern/text_conversions.h"

namespace vantrel::win32 {

inline std::wstring WideFromText(std::string_view text) {
  const std::u16string units = TextToUtf16(text);
  return std::wstring(units.begin(), units.end());
}

inline Text TextFromWide(std::wstring_view wide) {
  return Utf16ToText(std::u16string(wide.begin(), wide.end()));
}

}  // namespace vantrel::win32

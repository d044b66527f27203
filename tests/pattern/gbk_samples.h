// Chinese characters in code page 936, spelled as bytes so a test reads the same on any machine.
#pragma once

#include <string>

namespace vantrel::testing_support {

inline const std::string kZhong = "\xD6\xD0";                 // 中 U+4E2D
inline const std::string kWen = "\xCE\xC4";                   // 文 U+6587
inline const std::string kCe = "\xB2\xE2";                    // 测 U+6D4B
inline const std::string kSu = "\xCB\xD9";                    // 速 U+901F
inline const std::string kQuoteMarker = "#\xD2\xFD\xBA\xC5";  // #引号

}  // namespace vantrel::testing_support

// The platform's code page 936 converter, with the rules of the Windows converter.
//
// Windows implements these with MultiByteToWideChar / WideCharToMultiByte; Linux with ICU's
// "windows-936-2000" table plus the Windows rules where ICU differs. Both builds must give the
// same units and bytes for every input: a test compares them sequence by sequence.
#pragma once

#include <string>
#include <string_view>

namespace vantrel::platform {

// MultiByteToWideChar(936, 0, ...) over all of `bytes` (NULs included, converted to U+0000).
// Every valid character of the code page becomes exactly one code unit.
std::u16string Cp936ToUtf16(std::string_view bytes);

// WideCharToMultiByte(936, WC_COMPOSITECHECK, ..., no default character) over all of `units`.
// A unit the code page cannot represent becomes its default character "?" (best-fit mappings
// apply first, as on Windows).
std::string Utf16ToCp936(std::u16string_view units);

}  // namespace vantrel::platform

// Arguments coerced to the type a member wants, as COM's VariantChangeType does for the values
// this system passes. Nothing when the value cannot become that type (DISP_E_TYPEMISMATCH).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "pattern/automation.h"

namespace vantrel::platform {

// A string as it is; a byte array as the string whose code units are its bytes taken in pairs,
// low byte first (an odd last byte takes no part); a number in decimal; a boolean as "True" or
// "False"; an empty variant as the empty string.
std::optional<std::u16string> ArgumentAsString(const Variant& value);

// A boolean; a number, true when not zero; "True"/"False" in any case; the empty variant false.
std::optional<bool> ArgumentAsBool(const Variant& value);

// An integer; a double rounded half to even as VariantChangeType rounds; a boolean as -1 or 0;
// the empty variant 0.
std::optional<int32_t> ArgumentAsInt(const Variant& value);

}  // namespace vantrel::platform

// SplitText: cuts a code page 936 text into pieces at a delimiter.
//
// The scan walks whole characters, so a delimiter is found only where a character begins, never
// inside a two-byte character. A delimiter at the very end adds no empty piece.
#pragma once

#include <string_view>
#include <vector>

#include "pattern/text.h"

namespace vantrel {

// The pieces in order; element 0 here is the text array's element 1.
std::vector<Text> SplitText(std::string_view text, std::string_view delimiter);

}  // namespace vantrel

// VBScript's Replace: the subject with each match replaced by an expanded replacement string.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "automation/regexp_search.h"

namespace vantrel::platform {

// `replacement` for one match: $1..$99 the group's text ($nn only where that many groups exist,
// else $n and a literal digit), $& the match, $` the text before it, $' the text after it,
// $$ one $. Any other $ stays as it is; a group that took no part gives nothing.
std::u16string ExpandReplacement(std::u16string_view replacement, std::u16string_view subject,
                                 const MatchSpan& match);

// `subject` with every match of `matches` (left to right, not overlapping) replaced.
std::u16string ReplaceMatches(std::u16string_view subject, const std::vector<MatchSpan>& matches,
                              std::u16string_view replacement);

}  // namespace vantrel::platform

// VBScript pattern syntax to PCRE2's, where the two differ for the options we compile with.
#pragma once

#include <string>
#include <string_view>

namespace vantrel::platform {

// With `multiline`, VBScript's ^ and $ also hold next to a CR, which PCRE2 with LF newlines does
// not see as a line break: each ^ and $ outside escapes and character classes becomes
// "(?:^|(?<=\r))" and "(?:$|(?=\r))". Without it the pattern is unchanged.
std::u16string ToPcre2Pattern(std::u16string_view pattern, bool multiline);

}  // namespace vantrel::platform

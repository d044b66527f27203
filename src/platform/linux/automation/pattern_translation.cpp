#include "automation/pattern_translation.h"

namespace vantrel::platform {

std::u16string ToPcre2Pattern(std::u16string_view pattern, bool multiline) {
  if (!multiline) return std::u16string(pattern);
  std::u16string out;
  out.reserve(pattern.size() + 16);
  bool inClass = false;
  for (size_t i = 0; i < pattern.size(); ++i) {
    const char16_t c = pattern[i];
    if (c == u'\\') {
      // The escaped unit is never an anchor, inside a class or out.
      out.push_back(c);
      if (i + 1 < pattern.size()) out.push_back(pattern[++i]);
    } else if (inClass) {
      // With empty classes allowed, the first ] always closes, as in VBScript: "[]" and "[^]".
      if (c == u']') inClass = false;
      out.push_back(c);
    } else if (c == u'[') {
      inClass = true;
      out.push_back(c);
      if (i + 1 < pattern.size() && pattern[i + 1] == u'^') out.push_back(pattern[++i]);
    } else if (c == u'^') {
      out += u"(?:^|(?<=\\r))";
    } else if (c == u'$') {
      out += u"(?:$|(?=\\r))";
    } else {
      out.push_back(c);
    }
  }
  return out;
}

}  // namespace vantrel::platform

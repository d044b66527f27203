// The pattern matcher's start positions on random patterns and code page 936 subjects: every
// position a query gives is the failure value -2 or a byte offset inside the subject text, where
// the bytes equal the text the query gave; for a match of its own (GetMatchText) the position is
// exactly that match's offset, the bytes of the subject's first FirstIndex characters.
//
// Input: a flags byte (bit 0 case-sensitive, bit 1 multiline, bit 2 global), the pattern's
// length, the pattern's bytes, then the subject's bytes, both code page 936.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "pattern/pattern_matcher.h"
#include "pattern/text_conversions.h"
#include "platform/system.h"

namespace {

using vantrel::Text;

void Require(bool condition) {
  if (!condition) std::abort();
}

// The subject as the matcher reads it back: through UTF-16 and back, up to its first NUL.
Text SubjectText(std::string_view subject) {
  return vantrel::Utf16BytesToText(vantrel::TextToUtf16Bytes(subject));
}

// A position is -2 or an offset where the subject holds `found`.
void RequireFoundAt(int32_t position, const Text& subject, const Text& found) {
  if (position == -2) return;
  Require(position >= 0 && static_cast<size_t>(position) <= subject.size());
  Require(subject.compare(static_cast<size_t>(position), found.size(), found) == 0);
}

// The byte offset of the match that starts `firstIndex` code units into the subject.
size_t ByteOffsetOf(std::string_view subject, int32_t firstIndex) {
  const std::u16string units = vantrel::TextToUtf16(subject);
  return vantrel::Utf16ToText(std::u16string_view(units).substr(0, firstIndex)).size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const uint8_t flags = data[0];
  const size_t patternLength = std::min<size_t>(data[1], size - 2);
  const std::string_view pattern(reinterpret_cast<const char*>(data) + 2, patternLength);
  const std::string_view subject(reinterpret_cast<const char*>(data) + 2 + patternLength,
                                 size - 2 - patternLength);

  static const std::unique_ptr<vantrel::AutomationLayer> automation =
      vantrel::platform::MakeSystemAutomation();
  vantrel::PatternMatcher matcher(*automation);
  const bool caseSensitive = flags & 1, multiline = flags & 2, global = flags & 4;
  matcher.Create(pattern, subject, caseSensitive, multiline, global);

  // A second object on the same settings, for each match's FirstIndex.
  const vantrel::ObjectRef regExp = automation->CreateObject("VBScript.RegExp");
  vantrel::PutProperty(regExp, "IgnoreCase", vantrel::Variant::Bool(!caseSensitive));
  vantrel::PutProperty(regExp, "Multiline", vantrel::Variant::Bool(multiline));
  vantrel::PutProperty(regExp, "Global", vantrel::Variant::Bool(global));
  vantrel::PutProperty(regExp, "Pattern", vantrel::Variant::String(vantrel::TextToUtf16(pattern)));
  const vantrel::ByteBuffer units = vantrel::TextToUtf16Bytes(subject);
  const vantrel::Variant found =
      vantrel::CallMethod(regExp, "Execute", {vantrel::Variant::Bytes(*units.bytes())});
  const vantrel::ObjectRef* collection = found.get<vantrel::ObjectRef>();

  const Text subjectText = SubjectText(subject);
  const int32_t count = matcher.GetMatchCount();
  Require(count ==
          (collection ? vantrel::VariantAsDouble(vantrel::GetProperty(*collection, "Count")) : 0));
  const int32_t groupCount = matcher.GetSubMatchCount();
  for (int32_t m = 0; m <= count + 1; ++m) {
    int32_t position = 12345;
    const Text text = matcher.GetMatchText(m, &position);
    RequireFoundAt(position, subjectText, text);
    if (m >= 1 && m <= count) {
      const vantrel::ObjectRef match =
          vantrel::GetObjectProperty(*collection, "Item", {vantrel::Variant::Int(m - 1)});
      const auto firstIndex =
          static_cast<int32_t>(vantrel::VariantAsDouble(vantrel::GetProperty(match, "FirstIndex")));
      Require(position == static_cast<int32_t>(ByteOffsetOf(subject, firstIndex)));
    } else {
      // No such match: an empty text, searched for from the subject's first byte.
      Require(text.empty());
      Require(position == (subjectText.empty() ? -2 : 0));
    }
    for (int32_t g = 0; g <= groupCount + 1; ++g) {
      int32_t groupPosition = 12345;
      const Text groupText = matcher.GetSubMatchText(m, g, &groupPosition);
      RequireFoundAt(groupPosition, subjectText, groupText);
    }
  }
  return 0;
}

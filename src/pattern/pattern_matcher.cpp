#include "pattern/pattern_matcher.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "pattern/text_conversions.h"

namespace vantrel {

namespace {

constexpr std::string_view kRegExpProgId = "VBScript.RegExp";
// "#引号" in code page 936.
constexpr std::string_view kQuoteMarker = "#\xD2\xFD\xBA\xC5";

int32_t Truncate(double value) {
  if (!(std::fabs(value) < 2147483648.0)) return 0;
  return static_cast<int32_t>(value);
}

// Byte offset in the subject text of the character that starts `units` code units into the
// subject: the length of what those units convert to. Counting two bytes for every byte of 0x80 or
// above would run past it, since 0x80 and 0xFF are characters of one byte.
size_t UnitsToByteOffset(const ByteBuffer& subjectUnits, int32_t units, size_t textSize) {
  const int64_t byteCount = std::min<int64_t>(subjectUnits.size(), int64_t{units} * 2);
  if (byteCount <= 0) return 0;
  const std::vector<uint8_t> prefix(subjectUnits.data(), subjectUnits.data() + byteCount);
  return std::min(Utf16BytesToText(ByteBuffer::FromBytes(prefix)).size(), textSize);
}

}  // namespace

Text ExpandQuoteMarker(std::string_view pattern) {
  Text out;
  out.reserve(pattern.size());
  size_t pos = 0;
  while (pos < pattern.size()) {
    if (pattern.compare(pos, kQuoteMarker.size(), kQuoteMarker) == 0) {
      out.push_back('"');
      pos += kQuoteMarker.size();
    } else {
      out.push_back(pattern[pos++]);
    }
  }
  return out;
}

PatternMatcher::PatternMatcher(AutomationLayer& layer)
    : layer_(layer), threadInit_(layer.InitializeThread()) {}

PatternMatcher::~PatternMatcher() { Destroy(); }

void PatternMatcher::Destroy() {
  regExp_.reset();
  matches_.reset();
  subject_.Clear();
  threadInit_.reset();
}

std::unique_ptr<PatternMatcher> PatternMatcher::Copy() const {
  auto copy = std::make_unique<PatternMatcher>(layer_);
  copy->regExp_ = regExp_;
  copy->matches_ = matches_;
  copy->subject_ = subject_;
  return copy;
}

bool PatternMatcher::Create(std::string_view pattern, std::string_view subject, bool caseSensitive,
                            bool multiline, bool global, bool expandQuoteMarker) {
  regExp_.reset();
  matches_.reset();
  regExp_ = layer_.CreateObject(kRegExpProgId);
  PutProperty(regExp_, "IgnoreCase", Variant::Bool(!caseSensitive));
  PutProperty(regExp_, "Multiline", Variant::Bool(multiline));
  // The object has no such member; the write is refused and "." keeps excluding LF.
  PutProperty(regExp_, "Singleline", Variant::Bool(true));
  PutProperty(regExp_, "Global", Variant::Bool(global));
  const Text patternText = expandQuoteMarker ? ExpandQuoteMarker(pattern) : Text(pattern);
  PutProperty(regExp_, "Pattern", Variant::String(TextToUtf16(patternText)));

  const ByteBuffer units = TextToUtf16Bytes(subject);
  subject_ = Variant::Bytes(units.present() ? *units.bytes() : std::vector<uint8_t>());

  const Variant result = CallMethod(regExp_, "Execute", {subject_});
  const ObjectRef* collection = result.get<ObjectRef>();
  matches_ = collection ? *collection : nullptr;
  return matches_ != nullptr;
}

void PatternMatcher::Noop() {}

Text PatternMatcher::GetPattern() const {
  if (!regExp_) return Text();
  return VariantAsText(GetProperty(regExp_, "Pattern"));
}

Text PatternMatcher::ReplaceMatches(std::string_view replacement) const {
  if (!regExp_) return Text();
  return VariantAsText(
      CallMethod(regExp_, "Replace", {subject_, Variant::String(TextToUtf16(replacement))}));
}

int32_t PatternMatcher::GetMatchCount() const {
  if (!matches_) return 0;
  return Truncate(VariantAsDouble(GetProperty(matches_, "Count")));
}

int32_t PatternMatcher::GetSubMatchCount() const {
  const ObjectRef first = Match(1);
  const ObjectRef groups = GetObjectProperty(first, "SubMatches");
  return Truncate(VariantAsDouble(GetProperty(groups, "Count")));
}

ObjectRef PatternMatcher::Match(int32_t matchIndex) const {
  return GetObjectProperty(matches_, "Item",
                           {Variant::Double(static_cast<double>(matchIndex) - 1.0)});
}

Text PatternMatcher::GetMatchText(int32_t matchIndex, int32_t* startPosition) const {
  const ObjectRef match = Match(matchIndex);
  const Text text = Utf16BytesToText(VariantAsBytes(GetProperty(match, "Value")));
  if (startPosition) *startPosition = StartPosition(match, text);
  return text;
}

Text PatternMatcher::GetSubMatchText(int32_t matchIndex, int32_t groupIndex,
                                     int32_t* startPosition) const {
  const ObjectRef match = Match(matchIndex);
  const ObjectRef groups = GetObjectProperty(match, "SubMatches");
  const Text text = VariantAsText(
      GetProperty(groups, "Item", {Variant::Double(static_cast<double>(groupIndex) - 1.0)}));
  if (startPosition) *startPosition = StartPosition(match, text);
  return text;
}

// The byte offset of `found` in the subject text, searched from the match's own start, one
// character at a time and byte for byte; -2 when it is not there. Without a match, the search
// starts at the subject's first byte.
int32_t PatternMatcher::StartPosition(const ObjectRef& match, std::string_view found) const {
  const ByteBuffer subjectUnits = VariantAsBytes(subject_);
  const Text subject = Utf16BytesToText(subjectUnits);
  const int32_t firstIndex = Truncate(VariantAsDouble(GetProperty(match, "FirstIndex")));
  size_t pos = UnitsToByteOffset(subjectUnits, firstIndex < 0 ? 0 : firstIndex, subject.size());
  if (found.empty()) {
    // An empty match of its own stands at its offset, even at the very end of the subject.
    const bool there = pos < subject.size() || (match && pos == subject.size());
    return there ? static_cast<int32_t>(pos) : -2;
  }
  while (pos + found.size() <= subject.size()) {
    if (std::memcmp(subject.data() + pos, found.data(), found.size()) == 0) {
      return static_cast<int32_t>(pos);
    }
    pos += CharLengthAt(subject, pos);
  }
  return -2;
}

}  // namespace vantrel

#include "automation/replacement.h"

namespace vantrel::platform {

namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

std::u16string_view Cut(std::u16string_view subject, const Span& span) {
  return subject.substr(span.start, span.length);
}

}  // namespace

std::u16string ExpandReplacement(std::u16string_view replacement, std::u16string_view subject,
                                 const MatchSpan& match) {
  const size_t groupCount = match.groups.size();
  const auto group = [&](size_t number) {
    const std::optional<Span>& span = match.groups[number - 1];
    return span ? Cut(subject, *span) : std::u16string_view();
  };
  std::u16string out;
  for (size_t i = 0; i < replacement.size(); ++i) {
    const char16_t c = replacement[i];
    if (c != u'$' || i + 1 == replacement.size()) {
      out.push_back(c);
      continue;
    }
    const char16_t next = replacement[i + 1];
    if (next == u'$') {
      out.push_back(u'$');
      ++i;
    } else if (next == u'&') {
      out += Cut(subject, match.whole);
      ++i;
    } else if (next == u'`') {
      out += subject.substr(0, match.whole.start);
      ++i;
    } else if (next == u'\'') {
      out += subject.substr(match.whole.start + match.whole.length);
      ++i;
    } else if (IsDigit(next)) {
      const size_t one = static_cast<size_t>(next - u'0');
      const bool hasSecond = i + 2 < replacement.size() && IsDigit(replacement[i + 2]);
      const size_t two = hasSecond ? one * 10 + static_cast<size_t>(replacement[i + 2] - u'0') : 0;
      if (hasSecond && two >= 1 && two <= groupCount) {
        out += group(two);
        i += 2;
      } else if (one >= 1 && one <= groupCount) {
        out += group(one);
        i += 1;
      } else {
        out.push_back(c);
      }
    } else {
      out.push_back(c);
    }
  }
  return out;
}

std::u16string ReplaceMatches(std::u16string_view subject, const std::vector<MatchSpan>& matches,
                              std::u16string_view replacement) {
  std::u16string out;
  size_t copied = 0;
  for (const MatchSpan& match : matches) {
    out += subject.substr(copied, match.whole.start - copied);
    out += ExpandReplacement(replacement, subject, match);
    copied = match.whole.start + match.whole.length;
  }
  out += subject.substr(copied);
  return out;
}

}  // namespace vantrel::platform

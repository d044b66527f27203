// VBScript regular-expression matching over PCRE2's 16-bit library with JIT.
//
// The subject is UTF-16 without UTF mode, so every position is a code unit and lone surrogates
// are plain units. Matches are found left to right without overlap; after an empty match the
// next search starts one unit further on, as VBScript does.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::platform {

struct RegExpSettings {
  std::u16string pattern;
  bool ignoreCase = false;
  bool multiline = false;
  bool global = false;
};

// A run of code units of the subject.
struct Span {
  size_t start = 0;
  size_t length = 0;
  friend bool operator==(const Span&, const Span&) = default;
};

struct MatchSpan {
  Span whole;
  // One entry per capturing group, group 1 first; none for a group that took no part.
  std::vector<std::optional<Span>> groups;
};

// The matches of `settings` in `subject`: all of them when `settings.global`, else at most the
// first. Nothing when the pattern does not compile or a search runs past the match limit.
std::optional<std::vector<MatchSpan>> FindMatches(const RegExpSettings& settings,
                                                  std::u16string_view subject);

// How much one search may backtrack before it gives up, as a base plus an allowance per code
// unit of the subject: a lazy ".*?" across a long line spends about one unit of the limit per
// code unit, while a pattern that backtracks catastrophically spends it all within a fraction
// of a second (about 40 ms for the base under JIT) and fails instead of hanging the window.
inline constexpr uint32_t kMatchLimitBase = 20'000'000;
inline constexpr uint32_t kMatchLimitPerUnit = 4;
uint32_t MatchLimitFor(size_t subjectUnits);
// Nesting of backtracking frames for the interpreter, used where JIT is not available.
inline constexpr uint32_t kDepthLimit = 1'000'000;
// JIT stack: it grows on demand up to the maximum; running out fails the search.
inline constexpr size_t kJitStackStart = 32 * 1024;
inline constexpr size_t kJitStackMax = 32 * 1024 * 1024;

}  // namespace vantrel::platform

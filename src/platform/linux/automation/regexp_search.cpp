#include "automation/regexp_search.h"

#include <new>

#include "automation/pattern_translation.h"
#include "automation/pcre2_handles.h"

namespace vantrel::platform {

namespace {

// ALT_BSUX: \xHH and \uHHHH as in VBScript, other \u and \x literal. MATCH_UNSET_BACKREF: a
// reference to a group that took no part matches the empty string. ALLOW_EMPTY_CLASS: "[]"
// matches nothing and "[^]" any unit. ALT_CIRCUMFLEX: a multiline ^ also holds after a line
// break that ends the subject. NEVER_UTF/NEVER_UCP keep \w \d \s \b ASCII and positions in
// code units whatever verbs the pattern starts with.
constexpr uint32_t kCompileOptions = PCRE2_ALT_BSUX | PCRE2_MATCH_UNSET_BACKREF |
                                     PCRE2_ALLOW_EMPTY_CLASS | PCRE2_ALT_CIRCUMFLEX |
                                     PCRE2_NEVER_UTF | PCRE2_NEVER_UCP;

Pcre2Code Compile(const RegExpSettings& settings) {
  Pcre2CompileContext context(pcre2_compile_context_create(nullptr));
  if (!context) throw std::bad_alloc();
  // With LF as the only newline, "." matches everything but LF (CR included).
  pcre2_set_newline(context.get(), PCRE2_NEWLINE_LF);
  uint32_t options = kCompileOptions;
  if (settings.ignoreCase) options |= PCRE2_CASELESS;
  // VBScript's $ without Multiline holds only at the very end, not before a final LF.
  options |= settings.multiline ? PCRE2_MULTILINE : PCRE2_DOLLAR_ENDONLY;
  const std::u16string pattern = ToPcre2Pattern(settings.pattern, settings.multiline);
  int error = 0;
  PCRE2_SIZE errorOffset = 0;
  Pcre2Code code(pcre2_compile(AsPcre2(pattern.data()), pattern.size(), options, &error,
                               &errorOffset, context.get()));
  if (!code && error == PCRE2_ERROR_HEAP_FAILED) throw std::bad_alloc();
  // Without JIT the interpreter runs the same pattern, under the depth limit.
  if (code) pcre2_jit_compile(code.get(), PCRE2_JIT_COMPLETE);
  return code;
}

}  // namespace

uint32_t MatchLimitFor(size_t subjectUnits) {
  const uint64_t limit = kMatchLimitBase + uint64_t{kMatchLimitPerUnit} * subjectUnits;
  return limit > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(limit);
}

std::optional<std::vector<MatchSpan>> FindMatches(const RegExpSettings& settings,
                                                  std::u16string_view subject) {
  const Pcre2Code code = Compile(settings);
  if (!code) return std::nullopt;
  const Pcre2MatchData matchData(pcre2_match_data_create_from_pattern(code.get(), nullptr));
  const Pcre2MatchContext context(pcre2_match_context_create(nullptr));
  const Pcre2JitStack jitStack(pcre2_jit_stack_create(kJitStackStart, kJitStackMax, nullptr));
  // Running out of memory ends the program here as anywhere else; it is no failed search.
  if (!matchData || !context || !jitStack) throw std::bad_alloc();
  pcre2_set_match_limit(context.get(), MatchLimitFor(subject.size()));
  pcre2_set_depth_limit(context.get(), kDepthLimit);
  pcre2_jit_stack_assign(context.get(), nullptr, jitStack.get());

  uint32_t groupCount = 0;
  pcre2_pattern_info(code.get(), PCRE2_INFO_CAPTURECOUNT, &groupCount);

  std::vector<MatchSpan> matches;
  const PCRE2_SPTR units = AsPcre2(subject.data());
  size_t start = 0;
  while (start <= subject.size()) {
    const int rc =
        pcre2_match(code.get(), units, subject.size(), start, 0, matchData.get(), context.get());
    if (rc == PCRE2_ERROR_NOMATCH) break;
    if (rc == PCRE2_ERROR_NOMEMORY) throw std::bad_alloc();
    // A limit reached, the JIT stack exhausted: the whole search fails.
    if (rc < 0) return std::nullopt;
    const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(matchData.get());
    // \K inside a lookahead can end a match before its start; VBScript has no such match.
    if (ovector[0] > ovector[1]) return std::nullopt;
    MatchSpan match{{ovector[0], ovector[1] - ovector[0]}, {}};
    match.groups.reserve(groupCount);
    for (uint32_t g = 1; g <= groupCount; ++g) {
      const PCRE2_SIZE from = ovector[2 * g];
      const PCRE2_SIZE to = ovector[2 * g + 1];
      if (from == PCRE2_UNSET || from > to) {
        match.groups.emplace_back();
      } else {
        match.groups.emplace_back(Span{from, to - from});
      }
    }
    matches.push_back(std::move(match));
    if (!settings.global) break;
    // An empty match moves the search on by one unit, so it cannot repeat at the same place.
    start = ovector[1] > ovector[0] ? ovector[1] : ovector[1] + 1;
  }
  return matches;
}

}  // namespace vantrel::platform

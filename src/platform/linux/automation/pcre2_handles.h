// Owners for PCRE2's 16-bit objects: compiled code, compile and match contexts, match data and JIT
// stack.
#pragma once

#ifndef PCRE2_CODE_UNIT_WIDTH
#define PCRE2_CODE_UNIT_WIDTH 16
#endif
#include <pcre2.h>

#include <memory>

namespace vantrel::platform {

struct Pcre2Deleter {
  void operator()(pcre2_code* p) const { pcre2_code_free(p); }
  void operator()(pcre2_compile_context* p) const { pcre2_compile_context_free(p); }
  void operator()(pcre2_match_data* p) const { pcre2_match_data_free(p); }
  void operator()(pcre2_match_context* p) const { pcre2_match_context_free(p); }
  void operator()(pcre2_jit_stack* p) const { pcre2_jit_stack_free(p); }
};

using Pcre2Code = std::unique_ptr<pcre2_code, Pcre2Deleter>;
using Pcre2CompileContext = std::unique_ptr<pcre2_compile_context, Pcre2Deleter>;
using Pcre2MatchData = std::unique_ptr<pcre2_match_data, Pcre2Deleter>;
using Pcre2MatchContext = std::unique_ptr<pcre2_match_context, Pcre2Deleter>;
using Pcre2JitStack = std::unique_ptr<pcre2_jit_stack, Pcre2Deleter>;

inline PCRE2_SPTR AsPcre2(const char16_t* units) { return reinterpret_cast<PCRE2_SPTR>(units); }

}  // namespace vantrel::platform

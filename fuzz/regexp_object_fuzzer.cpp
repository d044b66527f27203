// The Linux VBScript.RegExp object on random patterns and subjects, driven by member name as the
// pattern matcher drives it. Whatever the input: no crash, every match and group lies inside the
// subject and reads back as its own units, matches run left to right without overlap, and a
// search gives up at its match limit instead of hanging (the fuzzer's -timeout catches a hang).
// Where the object's syntax is PCRE2's unchanged (no ^ or $ under Multiline, which the object
// rewrites), its matches equal those of PCRE2 called directly with the same options.
//
// Input: a flags byte, the pattern's length, the pattern, the replacement's length, the
// replacement, then the subject. Pattern and replacement bytes are code units 0-255; the subject
// is the same, or UTF-16LE units when flag 0x10 is set.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "automation/pcre2_handles.h"
#include "automation/regexp_search.h"
#include "pattern/automation.h"
#include "pattern/utf16le.h"
#include "platform/system.h"

namespace {

using vantrel::InvokeKind;
using vantrel::ObjectRef;
using vantrel::Variant;
namespace platform = vantrel::platform;

void Require(bool condition) {
  if (!condition) std::abort();
}

struct Input {
  bool ignoreCase, multiline, global, subjectAsBytes;
  std::u16string pattern, replacement, subject;
};

// Takes a length byte and that many bytes (fewer at the end of the input) as units 0-255.
std::u16string TakeCounted(const uint8_t*& data, const uint8_t* end) {
  if (data == end) return {};
  const size_t wanted = *data++;
  const size_t length = std::min<size_t>(wanted, static_cast<size_t>(end - data));
  std::u16string units(data, data + length);
  data += length;
  return units;
}

std::optional<Input> Parse(const uint8_t* data, size_t size) {
  if (size == 0) return std::nullopt;
  const uint8_t* const end = data + size;
  const uint8_t flags = *data++;
  Input in{(flags & 1) != 0, (flags & 2) != 0, (flags & 4) != 0, (flags & 8) != 0, {}, {}, {}};
  in.pattern = TakeCounted(data, end);
  in.replacement = TakeCounted(data, end);
  in.subject = (flags & 0x10) ? vantrel::Utf16LeUnits(data, static_cast<size_t>(end - data))
                              : std::u16string(data, end);
  return in;
}

struct Found {
  size_t start, length;
  std::vector<std::optional<std::u16string>> groups;
  friend bool operator==(const Found&, const Found&) = default;
};

const std::u16string* String(const Variant& v) { return v.get<std::u16string>(); }

int32_t Int(const Variant& v) {
  const int32_t* i = v.get<int32_t>();
  Require(i != nullptr);
  return *i;
}

// Reads a match collection back member by member, checking what each member must hold.
std::vector<Found> ReadCollection(const ObjectRef& collection, const Input& in) {
  const int32_t count = Int(vantrel::GetProperty(collection, "Count"));
  Require(count >= 0);
  Require(in.global || count <= 1);
  // Out-of-range items are refused.
  Require(!vantrel::GetObjectProperty(collection, "Item", {Variant::Int(count)}));
  Require(!vantrel::GetObjectProperty(collection, "Item", {Variant::Int(-1)}));

  std::vector<Found> found;
  int32_t groupCount = -1;
  for (int32_t i = 0; i < count; ++i) {
    const ObjectRef match =
        vantrel::GetObjectProperty(collection, "Item", {Variant::Double(static_cast<double>(i))});
    Require(match != nullptr);
    const int32_t start = Int(vantrel::GetProperty(match, "FirstIndex"));
    const int32_t length = Int(vantrel::GetProperty(match, "Length"));
    Require(start >= 0 && length >= 0);
    Require(static_cast<size_t>(start) + static_cast<size_t>(length) <= in.subject.size());
    const Variant value = vantrel::GetProperty(match, "Value");
    Require(String(value) && *String(value) == in.subject.substr(start, length));
    if (!found.empty()) {
      // Left to right without overlap; after an empty match the next starts further on.
      const Found& last = found.back();
      Require(static_cast<size_t>(start) >= last.start + last.length);
      Require(static_cast<size_t>(start) > last.start);
    }

    const ObjectRef groups = vantrel::GetObjectProperty(match, "SubMatches");
    Require(groups != nullptr);
    const int32_t groupsHere = Int(vantrel::GetProperty(groups, "Count"));
    Require(groupCount < 0 || groupsHere == groupCount);
    groupCount = groupsHere;
    Found entry{static_cast<size_t>(start), static_cast<size_t>(length), {}};
    for (int32_t g = 0; g < groupsHere; ++g) {
      const Variant item = vantrel::GetProperty(groups, "Item", {Variant::Int(g)});
      if (item.empty()) {
        entry.groups.emplace_back();
      } else {
        const std::u16string* text = String(item);
        Require(text && text->size() <= in.subject.size());
        Require(in.subject.find(*text) != std::u16string::npos);
        entry.groups.emplace_back(*text);
      }
    }
    Require(vantrel::GetProperty(groups, "Item", {Variant::Int(groupsHere)}).empty());
    found.push_back(std::move(entry));
  }
  return found;
}

// PCRE2 called directly: the options the object compiles with, its limits, and VBScript's way of
// going on after an empty match. Nothing when the pattern does not compile or a search fails.
struct Direct {
  bool compiles = false;
  std::optional<std::vector<Found>> matches;
};

Direct MatchDirectly(const Input& in) {
  using namespace platform;
  Direct direct;
  Pcre2CompileContext compileContext(pcre2_compile_context_create(nullptr));
  pcre2_set_newline(compileContext.get(), PCRE2_NEWLINE_LF);
  uint32_t options = PCRE2_ALT_BSUX | PCRE2_MATCH_UNSET_BACKREF | PCRE2_ALLOW_EMPTY_CLASS |
                     PCRE2_ALT_CIRCUMFLEX | PCRE2_NEVER_UTF | PCRE2_NEVER_UCP;
  if (in.ignoreCase) options |= PCRE2_CASELESS;
  options |= in.multiline ? PCRE2_MULTILINE : PCRE2_DOLLAR_ENDONLY;
  int error = 0;
  PCRE2_SIZE errorOffset = 0;
  Pcre2Code code(pcre2_compile(AsPcre2(in.pattern.data()), in.pattern.size(), options, &error,
                               &errorOffset, compileContext.get()));
  if (!code) return direct;
  direct.compiles = true;
  pcre2_jit_compile(code.get(), PCRE2_JIT_COMPLETE);
  Pcre2MatchData matchData(pcre2_match_data_create_from_pattern(code.get(), nullptr));
  Pcre2MatchContext context(pcre2_match_context_create(nullptr));
  Pcre2JitStack stack(pcre2_jit_stack_create(kJitStackStart, kJitStackMax, nullptr));
  pcre2_set_match_limit(context.get(), MatchLimitFor(in.subject.size()));
  pcre2_set_depth_limit(context.get(), kDepthLimit);
  pcre2_jit_stack_assign(context.get(), nullptr, stack.get());

  std::vector<Found> matches;
  for (size_t from = 0; from <= in.subject.size();) {
    const int rc = pcre2_match(code.get(), AsPcre2(in.subject.data()), in.subject.size(), from, 0,
                               matchData.get(), context.get());
    if (rc == PCRE2_ERROR_NOMATCH) break;
    if (rc < 0) return direct;
    const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(matchData.get());
    if (ovector[0] > ovector[1]) return direct;  // \K past the end: no VBScript match
    Found found{ovector[0], ovector[1] - ovector[0], {}};
    for (uint32_t g = 1; g < pcre2_get_ovector_count(matchData.get()); ++g) {
      const PCRE2_SIZE a = ovector[2 * g], b = ovector[2 * g + 1];
      if (a == PCRE2_UNSET || a > b) {
        found.groups.emplace_back();
      } else {
        found.groups.emplace_back(in.subject.substr(a, b - a));
      }
    }
    matches.push_back(std::move(found));
    if (!in.global) break;
    from = ovector[1] == ovector[0] ? ovector[1] + 1 : ovector[1];
  }
  direct.matches = std::move(matches);
  return direct;
}

bool RewrittenByTheObject(const Input& in) {
  return in.multiline && in.pattern.find_first_of(u"^$") != std::u16string::npos;
}

// The subject with each match replaced by `replacement` as it stands (it holds no '$').
std::u16string ReplacedLiterally(const Input& in, const std::vector<Found>& matches) {
  std::u16string out;
  size_t copied = 0;
  for (const Found& m : matches) {
    out += in.subject.substr(copied, m.start - copied) + in.replacement;
    copied = m.start + m.length;
  }
  return out + in.subject.substr(copied);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::optional<Input> in = Parse(data, size);
  if (!in) return 0;
  static const std::unique_ptr<vantrel::AutomationLayer> automation =
      platform::MakeSystemAutomation();
  const ObjectRef regExp = automation->CreateObject("VBScript.RegExp");
  Require(regExp != nullptr);
  Require(vantrel::PutProperty(regExp, "IgnoreCase", Variant::Bool(in->ignoreCase)));
  Require(vantrel::PutProperty(regExp, "Multiline", Variant::Bool(in->multiline)));
  Require(!vantrel::PutProperty(regExp, "Singleline", Variant::Bool(true)));
  Require(vantrel::PutProperty(regExp, "Global", Variant::Bool(in->global)));
  Require(vantrel::PutProperty(regExp, "Pattern", Variant::String(in->pattern)));
  const Variant pattern = vantrel::GetProperty(regExp, "Pattern");
  Require(String(pattern) && *String(pattern) == in->pattern);

  // The pattern matcher hands the subject over as a byte array with a terminating U+0000; a
  // string is the other way in. Both give the same matches.
  std::u16string subject = in->subject;
  if (in->subjectAsBytes) subject.push_back(u'\0');
  Input seen = *in;
  seen.subject = subject;
  const Variant argument = in->subjectAsBytes ? Variant::Bytes(vantrel::Utf16LeBytes(subject))
                                              : Variant::String(subject);
  const Variant result = vantrel::CallMethod(regExp, "Execute", {argument});
  const ObjectRef* collection = result.get<ObjectRef>();
  Require(result.empty() || collection != nullptr);
  std::optional<std::vector<Found>> matches;
  if (collection) matches = ReadCollection(*collection, seen);

  if (!RewrittenByTheObject(*in)) {
    const Direct direct = MatchDirectly(seen);
    if (!direct.compiles) Require(!matches);
    // The two may differ only where PCRE2 itself gave up (a limit) or had no VBScript answer.
    if (direct.matches) Require(matches == direct.matches);
  }

  const Variant test = vantrel::CallMethod(regExp, "Test", {argument});
  if (const bool* any = test.get<bool>(); any && matches) Require(*any == !matches->empty());

  const Variant replaced =
      vantrel::CallMethod(regExp, "Replace", {argument, Variant::String(in->replacement)});
  if (matches && in->replacement.find(u'$') == std::u16string::npos) {
    const std::u16string* text = String(replaced);
    if (text) Require(*text == ReplacedLiterally(seen, *matches));
  }
  return 0;
}

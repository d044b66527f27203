// Our VBScript.RegExp object on Linux: late binding, argument coercion and the VBScript
// semantics that the pattern matcher's table does not reach.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "automation/regexp_search.h"
#include "platform/system.h"

namespace vantrel {
namespace {

struct Found {
  std::u16string value;
  int32_t firstIndex;
  friend bool operator==(const Found&, const Found&) = default;
  friend void PrintTo(const Found& f, std::ostream* os) {
    *os << "[";
    for (char16_t c : f.value) *os << (c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?');
    *os << "]@" << f.firstIndex;
  }
};

std::u16string Str(const Variant& v) {
  const auto* s = v.get<std::u16string>();
  return s ? *s : u"<not a string>";
}

class RegExpTest : public testing::Test {
 protected:
  std::optional<Variant> Get(const ObjectRef& o, std::string_view member,
                             std::vector<Variant> args = {}) {
    return o->Invoke(member, InvokeKind::kPropertyGet, args);
  }
  bool Put(std::string_view member, Variant value) {
    return regExp_->Invoke(member, InvokeKind::kPropertyPut, {std::move(value)}).has_value();
  }
  std::optional<Variant> Call(std::string_view member, std::vector<Variant> args) {
    return regExp_->Invoke(member, InvokeKind::kMethod, args);
  }
  void Configure(std::u16string pattern, bool global = true, bool multiline = false,
                 bool ignoreCase = false) {
    ASSERT_TRUE(Put("Pattern", Variant::String(std::move(pattern))));
    ASSERT_TRUE(Put("Global", Variant::Bool(global)));
    ASSERT_TRUE(Put("Multiline", Variant::Bool(multiline)));
    ASSERT_TRUE(Put("IgnoreCase", Variant::Bool(ignoreCase)));
  }
  // The matches Execute gives, or nothing when it fails.
  std::optional<std::vector<Found>> Execute(const Variant& subject) {
    const std::optional<Variant> result = Call("Execute", {subject});
    if (!result) return std::nullopt;
    const ObjectRef collection = *result->get<ObjectRef>();
    std::vector<Found> found;
    const int32_t count = *Get(collection, "Count")->get<int32_t>();
    for (int32_t i = 0; i < count; ++i) {
      const ObjectRef match = *Get(collection, "Item", {Variant::Int(i)})->get<ObjectRef>();
      found.push_back({Str(*Get(match, "Value")), *Get(match, "FirstIndex")->get<int32_t>()});
      EXPECT_EQ(*Get(match, "Length")->get<int32_t>(),
                static_cast<int32_t>(found.back().value.size()));
    }
    return found;
  }
  std::optional<std::vector<Found>> Execute(std::u16string subject) {
    return Execute(Variant::String(std::move(subject)));
  }

  std::unique_ptr<AutomationLayer> layer_ = platform::MakeSystemAutomation();
  ObjectRef regExp_ = layer_->CreateObject("VBScript.RegExp");
};

// --- Late binding ---

TEST(SystemAutomation, CreatesByProgIdInAnyCase) {
  const auto layer = platform::MakeSystemAutomation();
  EXPECT_TRUE(layer->InitializeThread());
  EXPECT_TRUE(layer->CreateObject("VBScript.RegExp"));
  EXPECT_TRUE(layer->CreateObject("vbscript.REGEXP"));
  for (const char* unknown : {"", "VBScript", "VBScript.RegExp2", "Scripting.Dictionary"}) {
    EXPECT_FALSE(layer->CreateObject(unknown)) << unknown;
  }
  // Each call makes a new object with its own settings.
  const ObjectRef a = layer->CreateObject("VBScript.RegExp");
  const ObjectRef b = layer->CreateObject("VBScript.RegExp");
  ASSERT_TRUE(a->Invoke("Global", InvokeKind::kPropertyPut, {Variant::Bool(true)}));
  EXPECT_EQ(*b->Invoke("Global", InvokeKind::kPropertyGet, {})->get<bool>(), false);
}

TEST_F(RegExpTest, NewObjectDefaults) {
  EXPECT_EQ(*Get(regExp_, "IgnoreCase")->get<bool>(), false);
  EXPECT_EQ(*Get(regExp_, "Global")->get<bool>(), false);
  EXPECT_EQ(*Get(regExp_, "Multiline")->get<bool>(), false);
  EXPECT_EQ(Str(*Get(regExp_, "Pattern")), u"");
}

TEST_F(RegExpTest, MembersResolveByNameInAnyCase) {
  EXPECT_TRUE(Put("iGNORECASE", Variant::Bool(true)));
  EXPECT_EQ(*Get(regExp_, "IgnoreCase")->get<bool>(), true);
  EXPECT_TRUE(Put("pattern", Variant::String(u"B")));
  EXPECT_EQ(*Call("TEST", {Variant::String(u"abc")})->get<bool>(), true);
}

TEST_F(RegExpTest, RefusedCallsGiveNothingAndChangeNothing) {
  ASSERT_TRUE(Put("Pattern", Variant::String(u"a")));
  struct Refused {
    const char* what;
    std::string_view member;
    InvokeKind kind;
    std::vector<Variant> args;
  };
  const std::vector<Refused> refused = {
      {"unknown member", "Singleline", InvokeKind::kPropertyPut, {Variant::Bool(true)}},
      {"unknown method", "Match", InvokeKind::kMethod, {Variant::String(u"a")}},
      {"method read as property", "Execute", InvokeKind::kPropertyGet, {Variant::String(u"a")}},
      {"property called as method", "Pattern", InvokeKind::kMethod, {}},
      {"too few arguments", "Replace", InvokeKind::kMethod, {Variant::String(u"a")}},
      {"too many arguments", "Test", InvokeKind::kMethod, {Variant::String(u"a"), Variant()}},
      {"put without value", "Global", InvokeKind::kPropertyPut, {}},
      {"object as string", "Pattern", InvokeKind::kPropertyPut, {Variant::Object(regExp_)}},
      {"string as boolean", "Global", InvokeKind::kPropertyPut, {Variant::String(u"yes")}},
  };
  for (const Refused& r : refused) {
    EXPECT_FALSE(regExp_->Invoke(r.member, r.kind, r.args)) << r.what;
  }
  EXPECT_EQ(Str(*Get(regExp_, "Pattern")), u"a");
  EXPECT_EQ(*Get(regExp_, "Global")->get<bool>(), false);
}

TEST_F(RegExpTest, CoercesArgumentsAsCom) {
  // Booleans from numbers and words.
  for (const auto& [value, expected] :
       std::vector<std::pair<Variant, bool>>{{Variant::Int(0), false},
                                             {Variant::Int(2), true},
                                             {Variant::Double(0.5), true},
                                             {Variant::String(u"TRUE"), true},
                                             {Variant::String(u"false"), false},
                                             {Variant(), false}}) {
    ASSERT_TRUE(Put("Global", value));
    EXPECT_EQ(*Get(regExp_, "Global")->get<bool>(), expected);
  }
  // A number where a string is wanted becomes its decimal text.
  ASSERT_TRUE(Put("Pattern", Variant::Int(42)));
  EXPECT_EQ(Str(*Get(regExp_, "Pattern")), u"42");
}

TEST_F(RegExpTest, ByteArraySubjectIsReadAsCodeUnitPairs) {
  Configure(u"\\u4E2D|\\u0000");
  // 中 b U+0000 and an odd byte, which takes no part.
  const Variant subject = Variant::Bytes({0x2D, 0x4E, 0x62, 0x00, 0x00, 0x00, 0x7A});
  EXPECT_EQ(Execute(subject), (std::vector<Found>{{u"中", 0}, {std::u16string(1, u'\0'), 2}}));
}

TEST_F(RegExpTest, ItemTakesIntegerOrDoubleIndexes) {
  Configure(u"\\d");
  const ObjectRef collection = *Call("Execute", {Variant::String(u"0123")})->get<ObjectRef>();
  const auto itemValue = [&](Variant index) -> std::optional<std::u16string> {
    const std::optional<Variant> item = Get(collection, "Item", {std::move(index)});
    if (!item) return std::nullopt;
    return Str(*Get(*item->get<ObjectRef>(), "Value"));
  };
  EXPECT_EQ(itemValue(Variant::Int(3)), u"3");
  EXPECT_EQ(itemValue(Variant::Double(1.0)), u"1");
  EXPECT_EQ(itemValue(Variant::Double(2.5)), u"2");  // half to even, as VariantChangeType
  EXPECT_EQ(itemValue(Variant::Double(1.5)), u"2");
  EXPECT_EQ(itemValue(Variant::Int(4)), std::nullopt);
  EXPECT_EQ(itemValue(Variant::Int(-1)), std::nullopt);
  EXPECT_EQ(itemValue(Variant::Double(-0.7)), std::nullopt);
  EXPECT_EQ(itemValue(Variant::Double(1e300)), std::nullopt);
  EXPECT_EQ(itemValue(Variant::String(u"1")), std::nullopt);
}

TEST_F(RegExpTest, SubMatchesGiveStringsOrEmptyForGroupsThatTookNoPart) {
  Configure(u"(a)|(b)()");
  const ObjectRef collection = *Call("Execute", {Variant::String(u"b")})->get<ObjectRef>();
  const ObjectRef match = *Get(collection, "Item", {Variant::Int(0)})->get<ObjectRef>();
  const ObjectRef groups = *Get(match, "SubMatches")->get<ObjectRef>();
  EXPECT_EQ(*Get(groups, "Count")->get<int32_t>(), 3);
  EXPECT_TRUE(Get(groups, "Item", {Variant::Int(0)})->empty());
  EXPECT_EQ(Str(*Get(groups, "Item", {Variant::Double(1)})), u"b");
  EXPECT_EQ(Str(*Get(groups, "Item", {Variant::Int(2)})), u"");  // took part, matched nothing
  EXPECT_FALSE(Get(groups, "Item", {Variant::Int(3)}));
  EXPECT_FALSE(Get(groups, "Item", {Variant::Int(-1)}));
}

TEST_F(RegExpTest, MatchesOutliveTheNextExecute) {
  Configure(u"x+");
  const ObjectRef first = *Call("Execute", {Variant::String(u"xx x")})->get<ObjectRef>();
  ASSERT_TRUE(Put("Pattern", Variant::String(u"y")));
  ASSERT_TRUE(Call("Execute", {Variant::String(u"y")}));
  EXPECT_EQ(*Get(first, "Count")->get<int32_t>(), 2);
  const ObjectRef second = *Get(first, "Item", {Variant::Int(1)})->get<ObjectRef>();
  EXPECT_EQ(Str(*Get(second, "Value")), u"x");
}

TEST_F(RegExpTest, InvalidPatternIsTakenButEveryMethodFails) {
  for (const char16_t* invalid : {u"(", u"[", u"a**", u"\\", u"(?<n", u"x{3,2}"}) {
    ASSERT_TRUE(Put("Pattern", Variant::String(invalid)));
    EXPECT_EQ(Str(*Get(regExp_, "Pattern")), invalid);
    EXPECT_FALSE(Call("Execute", {Variant::String(u"abc")}));
    EXPECT_FALSE(Call("Test", {Variant::String(u"abc")}));
    EXPECT_FALSE(Call("Replace", {Variant::String(u"abc"), Variant::String(u"x")}));
  }
}

TEST_F(RegExpTest, TestTellsWhetherAnythingMatches) {
  Configure(u"b+", false, false, true);
  EXPECT_EQ(*Call("Test", {Variant::String(u"aBBa")})->get<bool>(), true);
  EXPECT_EQ(*Call("Test", {Variant::String(u"aca")})->get<bool>(), false);
}

// --- Matching ---

struct SearchCase {
  std::string name;
  // Test names in CTest show the case's name, not its bytes.
  friend void PrintTo(const SearchCase& c, std::ostream* os) { *os << c.name; }
  std::u16string pattern;
  std::u16string subject;
  bool multiline;
  bool ignoreCase;
  std::vector<Found> expected;
};

class SearchTable : public RegExpTest, public testing::WithParamInterface<SearchCase> {};

TEST_P(SearchTable, FindsWhatVbscriptFinds) {
  const SearchCase& c = GetParam();
  Configure(c.pattern, true, c.multiline, c.ignoreCase);
  EXPECT_EQ(Execute(c.subject), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Anchors, SearchTable,
    testing::Values(
        SearchCase{"CaretAtCrLfAndCrLf",
                   u"^\\w",
                   u"a\rb\nc\r\nd",
                   true,
                   false,
                   {{u"a", 0}, {u"b", 2}, {u"c", 4}, {u"d", 7}}},
        SearchCase{"DollarAtCrLfAndCrLf",
                   u"\\w$",
                   u"a\rb\nc\r\nd",
                   true,
                   false,
                   {{u"a", 0}, {u"b", 2}, {u"c", 4}, {u"d", 7}}},
        SearchCase{"CaretAfterAFinalLineBreak", u"^", u"a\n", true, false, {{u"", 0}, {u"", 2}}},
        SearchCase{"NoLineAnchorsWithoutMultiline",
                   u"^\\w|\\w$",
                   u"a\rb\nc",
                   false,
                   false,
                   {{u"a", 0}, {u"c", 4}}},
        // $ without Multiline holds only at the very end, not before a final LF.
        SearchCase{"DollarNotBeforeAFinalLf", u"a$", u"a\n", false, false, {}},
        SearchCase{"AnchorCharactersInAClassAreLiteral",
                   u"[$^]",
                   u"^a$",
                   true,
                   false,
                   {{u"^", 0}, {u"$", 2}}},
        SearchCase{"EscapedAnchorsAreLiteral", u"\\$\\^", u"a$^", true, false, {{u"$^", 1}}},
        // "[^]" is any unit; the $ after it is an anchor and holds before the CR.
        SearchCase{"ClosingBracketRightAfterTheOpeningEndsTheClass",
                   u"[^]$",
                   u"a\rb",
                   true,
                   false,
                   {{u"a", 0}, {u"b", 2}}}));

INSTANTIATE_TEST_SUITE_P(
    Characters, SearchTable,
    testing::Values(
        SearchCase{"DotTakesCrButNotLf", u"a.", u"a\ra\na", false, false, {{u"a\r", 0}}},
        SearchCase{"UnicodeAndHexEscapes", u"\\u4E2D\\x41", u"x中A", false, false, {{u"中A", 1}}},
        // \u or \x without enough hex digits stands for the letter itself.
        SearchCase{"ShortEscapesAreLetters",
                   u"\\u12|\\xG",
                   u"u12 xG",
                   false,
                   false,
                   {{u"u12", 0}, {u"xG", 4}}},
        SearchCase{"WordIsAscii", u"\\w+", u"é中ab_1", false, false, {{u"ab_1", 2}}},
        SearchCase{"DigitIsAscii", u"\\d", u"１2٣", false, false, {{u"2", 1}}},
        SearchCase{"SpaceIsAscii", u"\\s", u"\u00A0\u3000\t", false, false, {{u"\t", 2}}},
        SearchCase{
            "WordBoundaryIsAscii", u"\\bb", u"éb ab b", false, false, {{u"b", 1}, {u"b", 6}}},
        SearchCase{
            "IgnoreCaseOnAsciiLetters", u"ab", u"AB aB", false, true, {{u"AB", 0}, {u"aB", 3}}},
        SearchCase{"LoneSurrogatesAreUnits",
                   u"\\uD800.",
                   u"a\xD800\xDC00\xD800",
                   false,
                   false,
                   {{u"\xD800\xDC00", 1}}},
        SearchCase{
            "UnsetBackReferenceMatchesEmpty", u"(a)?b\\1c", u"bc", false, false, {{u"bc", 0}}},
        SearchCase{"EmptyClassMatchesNothing", u"a[]", u"a", false, false, {}}));

INSTANTIATE_TEST_SUITE_P(
    EmptyMatches, SearchTable,
    testing::Values(
        // After an empty match the search moves on one unit, and may then match longer.
        SearchCase{
            "StarOverMixedText", u"a*", u"baa", false, false, {{u"", 0}, {u"aa", 1}, {u"", 3}}},
        SearchCase{"EveryPositionIncludingTheEnd",
                   u"x*",
                   u"ab",
                   false,
                   false,
                   {{u"", 0}, {u"", 1}, {u"", 2}}},
        SearchCase{"LookaheadOnly", u"(?=b)", u"abb", false, false, {{u"", 1}, {u"", 2}}}));

// --- Replace ---

struct ReplaceCase {
  std::string name;
  // Test names in CTest show the case's name, not its bytes.
  friend void PrintTo(const ReplaceCase& c, std::ostream* os) { *os << c.name; }
  std::u16string pattern;
  bool global;
  std::u16string subject;
  std::u16string replacement;
  std::u16string expected;
};

class ReplaceSyntax : public RegExpTest, public testing::WithParamInterface<ReplaceCase> {};

TEST_P(ReplaceSyntax, ExpandsTheReplacement) {
  const ReplaceCase& c = GetParam();
  Configure(c.pattern, c.global);
  const std::optional<Variant> result =
      Call("Replace", {Variant::String(c.subject), Variant::String(c.replacement)});
  ASSERT_TRUE(result);
  EXPECT_EQ(Str(*result), c.expected);
}

const std::u16string kTwelveGroups = u"(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)(k)(l)";

INSTANTIATE_TEST_SUITE_P(
    Replace, ReplaceSyntax,
    testing::Values(
        ReplaceCase{"Groups", u"(\\w)(\\d)", true, u"a1 b2", u"$2$1", u"1a 2b"},
        ReplaceCase{"WholeBeforeAfter", u"b", true, u"abc", u"[$`|$&|$']", u"a[a|b|c]c"},
        ReplaceCase{"Dollar", u"b", true, u"abc", u"$$1", u"a$1c"},
        ReplaceCase{"TwoDigitsWhereTwelveGroupsExist", kTwelveGroups, true, u"abcdefghijkl",
                    u"$12$10", u"lj"},
        ReplaceCase{"OneDigitAndALiteralDigitOtherwise", u"(x)", true, u"x", u"$12", u"x2"},
        ReplaceCase{"LeadingZero", u"(x)", true, u"x", u"$01", u"x"},
        ReplaceCase{"NoSuchGroupIsLiteral", u"(x)", true, u"x", u"$2$0", u"$2$0"},
        ReplaceCase{"OtherDollarsAreLiteral", u"x", true, u"x", u"$a $", u"$a $"},
        ReplaceCase{"GroupThatTookNoPart", u"(a)|b", true, u"ab", u"<$1>", u"<a><>"},
        ReplaceCase{"FirstOnlyWithoutGlobal", u"a", false, u"aaa", u"b", u"baa"},
        ReplaceCase{"EmptyMatchesEverywhere", u"x*", true, u"ab", u"-", u"-a-b-"}),
    [](const testing::TestParamInfo<ReplaceCase>& info) { return info.param.name; });

// --- Limits ---

TEST_F(RegExpTest, CatastrophicBacktrackingFailsQuietly) {
  // Without a match limit each of these runs for longer than anyone would wait (2^60 paths).
  for (const char16_t* pattern : {u"^(a+)+$", u"(a|aa)+$", u"^(\\w+\\s?)+$"}) {
    Configure(pattern);
    const std::u16string subject = std::u16string(60, u'a') + u"!";
    EXPECT_FALSE(Call("Execute", {Variant::String(subject)})) << testing::PrintToString(subject);
    EXPECT_FALSE(Call("Test", {Variant::String(subject)}));
  }
  // The object stays usable.
  Configure(u"a+");
  EXPECT_EQ(Execute(u"baa"), (std::vector<Found>{{u"aa", 1}}));
}

TEST_F(RegExpTest, LongLinesStayWithinTheLimit) {
  // A lazy scan spends about one unit of the limit per code unit: the allowance per unit of the
  // subject keeps a line far longer than the base limit matchable.
  const size_t length = platform::kMatchLimitBase * 2;
  std::u16string subject = u"<td>" + std::u16string(length, u'z') + u"</td>";
  Configure(u"<td>(.*?)</td>");
  const std::optional<std::vector<Found>> found = Execute(std::move(subject));
  ASSERT_TRUE(found);
  ASSERT_EQ(found->size(), 1u);
  EXPECT_EQ((*found)[0].value.size(), length + 9);
}

}  // namespace
}  // namespace vantrel

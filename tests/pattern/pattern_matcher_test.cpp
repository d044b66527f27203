// PatternMatcher over the platform's VBScript.RegExp: one table for every build. Where Wine's
// RegExp departs from Windows, a case states the Windows result and Wine's separately.
#include "pattern/pattern_matcher.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "gbk_samples.h"
#include "platform/system.h"
#include "running_platform.h"

namespace vantrel {
namespace {

using testing_support::kCe;
using testing_support::kQuoteMarker;
using testing_support::kSu;
using testing_support::kWen;
using testing_support::kZhong;

struct Options {
  bool caseSensitive = false;
  bool multiline = true;
  bool global = true;
  bool expandQuoteMarker = false;
};

struct Found {
  std::string text;
  int32_t startPosition;
  friend bool operator==(const Found&, const Found&) = default;
  friend void PrintTo(const Found& f, std::ostream* os) {
    *os << testing::PrintToString(f.text) << "@" << f.startPosition;
  }
};

class MatcherTest : public testing::Test {
 protected:
  std::unique_ptr<AutomationLayer> layer_ = platform::MakeSystemAutomation();
  PatternMatcher matcher_{*layer_};

  bool Create(const std::string& pattern, const std::string& subject, const Options& o = {}) {
    return matcher_.Create(pattern, subject, o.caseSensitive, o.multiline, o.global,
                           o.expandQuoteMarker);
  }
  std::vector<Found> AllMatches() {
    std::vector<Found> found;
    for (int32_t i = 1; i <= matcher_.GetMatchCount(); ++i) {
      int32_t position = -99;
      Text text = matcher_.GetMatchText(i, &position);
      found.push_back({std::move(text), position});
    }
    return found;
  }
};

// --- Which texts match, and where ---

struct MatchCase {
  std::string name;
  // Test names in CTest show the case's name, not its bytes.
  friend void PrintTo(const MatchCase& c, std::ostream* os) { *os << c.name; }
  std::string pattern;
  std::string subject;
  Options options;
  std::vector<Found> expected;
  // Set only where Wine's RegExp is known to differ from Windows: what it gives instead.
  std::optional<std::vector<Found>> underWine = std::nullopt;
  // Wine's RegExp never returns from Execute or Replace once a match is empty.
  bool hangsUnderWine = false;
};

class MatchTable : public MatcherTest, public testing::WithParamInterface<MatchCase> {};

TEST_P(MatchTable, FindsTheMatchesAndTheirByteOffsets) {
  const MatchCase& c = GetParam();
  if (c.hangsUnderWine && testing_support::RunningUnderWine()) GTEST_SKIP() << "hangs in Wine";
  ASSERT_TRUE(Create(c.pattern, c.subject, c.options));
  const bool wine = c.underWine && testing_support::RunningUnderWine();
  EXPECT_EQ(AllMatches(), wine ? *c.underWine : c.expected);
}

const std::string kAbc = "abc";

INSTANTIATE_TEST_SUITE_P(
    PatternMatcher, MatchTable,
    testing::Values(
        // Defaults: case ignored, every match collected, the second at byte 4.
        MatchCase{
            "DefaultsIgnoreCaseAndCollectAll", "abc", "ABC abc", {}, {{"ABC", 0}, {"abc", 4}}},
        MatchCase{"CaseSensitive", "abc", "ABC abc", {.caseSensitive = true}, {{"abc", 4}}},
        MatchCase{"GlobalOffGivesTheFirstOnly", "abc", "abc abc", {.global = false}, {{"abc", 0}}},
        MatchCase{"GlobalOffWithoutMatch", "x", "abc", {.global = false}, {}},
        MatchCase{"NoMatchIsAnEmptyCollection", "xyz", "abc abc", {}, {}},
        MatchCase{"EmptySubject", "a", "", {}, {}},
        // Multiline (the default): ^ and $ also hold at CR and at LF.
        MatchCase{"CaretAfterLf", "^b", "a\nb", {}, {{"b", 2}}},
        MatchCase{"CaretAfterCr", "^b", "a\rb", {}, {{"b", 2}}},
        MatchCase{"DollarBeforeCrLf", "a$", "ba\r\nb", {}, {{"a", 1}}},
        MatchCase{"MultilineOffAnchorsOnlyAtTheEnds", "^b", "a\nb", {.multiline = false}, {}},
        // The subject reaches the object with its terminating U+0000, so $ never holds right
        // after the last character of the text.
        MatchCase{"DollarSeesTheTerminator", "a$", "a", {.multiline = false}, {}},
        MatchCase{"DotExcludesLf", "a.c", "a\nc", {}, {}},
        // Windows' "." takes CR; Wine's RegExp excludes CR as well as LF.
        MatchCase{"DotTakesCr", "a.c", "a\rc", {}, {{"a\rc", 0}}, std::vector<Found>{}},
        MatchCase{"LazyQuantifier", "<(.*?)>", "<a><b>", {}, {{"<a>", 0}, {"<b>", 3}}},
        MatchCase{"BackReference", "(a)\\1", "a aa", {}, {{"aa", 2}}},
        // An empty match moves the search on by one unit; the last one stands after the
        // terminating U+0000 and so reads at the text's end.
        MatchCase{"EmptyMatchesAdvanceOneUnit",
                  "x*",
                  "ab",
                  {},
                  {{"", 0}, {"", 1}, {"", 2}, {"", 2}},
                  std::nullopt,
                  /*hangsUnderWine=*/true},
        MatchCase{"WordIsAscii",
                  "\\w+",
                  "\xA8\xA6"
                  "ab",
                  {},
                  {{"ab", 2}}},  // é then ab
        // U+3000 then TAB: Windows' \s is ASCII white space; Wine's takes any Unicode space.
        MatchCase{"SpaceIsAscii",
                  "\\s",
                  "\xA1\xA1\t",
                  {},
                  {{"\t", 2}},
                  std::vector<Found>{{"\xA1\xA1", 0}, {"\t", 2}}},
        MatchCase{"HexAndUnicodeEscapes", "\\x41\\u4E2D", "A" + kZhong, {}, {{"A" + kZhong, 0}}},
        // FirstIndex counts characters; the start position is the match's own byte offset.
        MatchCase{"ByteOffsetAfterChineseText", "abc", kZhong + kWen + kAbc, {}, {{"abc", 4}}},
        // 0x80 and 0xFF are characters of one byte, though above 0x7F.
        MatchCase{"ByteOffsetAfterOneByteCharactersAbove7F",
                  "abc",
                  "\x80\xFF" + kAbc + "\x80" + kAbc,
                  {},
                  {{"abc", 2}, {"abc", 6}}},
        MatchCase{"ChinesePatternAndSubject",
                  kZhong + "(.)",
                  kWen + kZhong + kWen + kZhong + kCe,
                  {},
                  {{kZhong + kWen, 2}, {kZhong + kCe, 6}}},
        // The marker has no special meaning to the object: unexpanded it matches itself.
        MatchCase{"QuoteMarkerAsWritten",
                  "a" + kQuoteMarker + "b",
                  "a\"b a" + kQuoteMarker + "b",
                  {},
                  {{"a" + kQuoteMarker + "b", 4}}},
        MatchCase{"QuoteMarkerExpanded",
                  "a" + kQuoteMarker + "b",
                  "a\"b a" + kQuoteMarker + "b",
                  {.expandQuoteMarker = true},
                  {{"a\"b", 0}}}),
    [](const testing::TestParamInfo<MatchCase>& info) { return info.param.name; });

// --- Group texts and where they are found ---

struct GroupCase {
  std::string name;
  // Test names in CTest show the case's name, not its bytes.
  friend void PrintTo(const GroupCase& c, std::ostream* os) { *os << c.name; }
  std::string pattern;
  std::string subject;
  int32_t matchIndex;
  int32_t groupIndex;
  Found expected;
};

class GroupTable : public MatcherTest, public testing::WithParamInterface<GroupCase> {};

TEST_P(GroupTable, GivesTheGroupTextAndItsFirstOccurrenceFromTheMatch) {
  const GroupCase& c = GetParam();
  ASSERT_TRUE(Create(c.pattern, c.subject));
  int32_t position = -99;
  const Text text = matcher_.GetSubMatchText(c.matchIndex, c.groupIndex, &position);
  EXPECT_EQ((Found{text, position}), c.expected);
  // Without the out-parameter the text is the same.
  EXPECT_EQ(matcher_.GetSubMatchText(c.matchIndex, c.groupIndex), c.expected.text);
}

INSTANTIATE_TEST_SUITE_P(
    PatternMatcher, GroupTable,
    testing::Values(GroupCase{"GroupOfTheSecondMatch", "(\\d+)-(\\d+)", "1-2 3-4", 2, 2, {"4", 6}},
                    // The search starts at the match, so a group's text seen earlier in it wins.
                    GroupCase{
                        "GroupTextEarlierInTheMatch", "(\\d+)-(\\d+)", "x 12-12", 1, 2, {"12", 2}},
                    GroupCase{"GroupThatTookNoPart", "(a)|(b)", "xb", 1, 1, {"", 1}},
                    GroupCase{"TheOtherAlternative", "(a)|(b)", "xb", 1, 2, {"b", 1}},
                    GroupCase{"GroupIndexZero", "(a)", "ba", 1, 0, {"", 1}},
                    GroupCase{"GroupIndexAboveTheCount", "(a)", "ba", 1, 2, {"", 1}},
                    // No such match: an empty text searched from the subject's start.
                    GroupCase{"MatchIndexZero", "(a)", "ba", 0, 1, {"", 0}},
                    GroupCase{"MatchIndexAboveTheCount", "(a)", "ba", 2, 1, {"", 0}},
                    GroupCase{"NoSuchMatchInAnEmptySubject", "(x)", "", 1, 1, {"", -2}},
                    GroupCase{"ChineseGroup",
                              "<td>(.*?)</td>",
                              "<td>" + kZhong + kWen + "</td><td>" + kCe + kSu + "</td>",
                              2,
                              1,
                              {kCe + kSu, 17}},
                    GroupCase{"ChineseInPatternAndGroup",
                              kCe + "(" + kSu + "+)",
                              kZhong + kCe + kSu + kSu,
                              1,
                              1,
                              {kSu + kSu, 4}}),
    [](const testing::TestParamInfo<GroupCase>& info) { return info.param.name; });

TEST_F(MatcherTest, MatchTextOfNoSuchMatchIsEmpty) {
  ASSERT_TRUE(Create("a", "bab"));
  for (int32_t index : {0, -1, 2}) {
    int32_t position = -99;
    EXPECT_EQ(matcher_.GetMatchText(index, &position), "") << index;
    EXPECT_EQ(position, 0) << index;
  }
}

// --- Group counts ---

struct GroupCountCase {
  std::string pattern;
  std::string subject;
  int32_t expected;
};

class GroupCountTable : public MatcherTest, public testing::WithParamInterface<GroupCountCase> {};

TEST_P(GroupCountTable, CountsThePatternsGroupsWhenThereIsAMatch) {
  const GroupCountCase& c = GetParam();
  ASSERT_TRUE(Create(c.pattern, c.subject));
  EXPECT_EQ(matcher_.GetSubMatchCount(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(PatternMatcher, GroupCountTable,
                         testing::Values(GroupCountCase{"(a)(b)?", "a", 2},
                                         GroupCountCase{"(a)((b)|c)", "ac", 3},
                                         GroupCountCase{"(a)(b)", "x", 0},  // no match
                                         GroupCountCase{"ab", "ab", 0}));

// --- Replacing ---

struct ReplaceCase {
  std::string name;
  // Test names in CTest show the case's name, not its bytes.
  friend void PrintTo(const ReplaceCase& c, std::ostream* os) { *os << c.name; }
  std::string pattern;
  std::string subject;
  Options options;
  std::string replacement;
  std::string expected;
  // Wine's RegExp never returns from Replace once a match is empty.
  bool hangsUnderWine = false;
};

class ReplaceTable : public MatcherTest, public testing::WithParamInterface<ReplaceCase> {};

TEST_P(ReplaceTable, ReplacesWithoutTheTerminator) {
  const ReplaceCase& c = GetParam();
  if (c.hangsUnderWine && testing_support::RunningUnderWine()) GTEST_SKIP() << "hangs in Wine";
  Create(c.pattern, c.subject, c.options);
  // Compared as whole strings: a trailing U+0000 would show as an extra byte.
  EXPECT_EQ(matcher_.ReplaceMatches(c.replacement), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    PatternMatcher, ReplaceTable,
    testing::Values(
        ReplaceCase{"EveryMatch", "b", "abcb", {}, "[$&]", "a[b]c[b]"},
        ReplaceCase{"FirstOnlyWithGlobalOff", "b", "abcb", {.global = false}, "-", "a-cb"},
        ReplaceCase{"Groups", "(\\w+) (\\w+)", "hello world", {}, "$2 $1", "world hello"},
        ReplaceCase{"WholeBeforeDollar", "b", "abc", {}, "[$`|$&|$$]", "a[a|b|$]c"},
        // $' takes the subject's terminating U+0000 along, and the text ends there.
        ReplaceCase{"AfterReachesTheTerminator", "b", "abc", {}, "[$']", "a[c"},
        ReplaceCase{"TwoDigitGroupOnlyWhereItExists", "(a)", "a", {}, "$10", "a0"},
        ReplaceCase{"EmptyMatches", "x*", "ab", {}, "-", "-a-b-", /*hangsUnderWine=*/true},
        ReplaceCase{"NoMatchGivesTheSubject", "x", "abc", {}, "-", "abc"},
        ReplaceCase{"ChineseText", kZhong, kZhong + "a" + kZhong, {}, kWen, kWen + "a" + kWen},
        ReplaceCase{"InvalidPattern", "(", "abc", {}, "-", ""}),
    [](const testing::TestParamInfo<ReplaceCase>& info) { return info.param.name; });

}  // namespace
}  // namespace vantrel

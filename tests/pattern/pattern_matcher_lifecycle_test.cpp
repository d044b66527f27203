// PatternMatcher's life: before Create, after a failed Create, Create again, Copy and Destroy,
// the pattern read back, and the speed test's own pattern over the sample page.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/sample_results_page.h"
#include "gbk_samples.h"
#include "pattern/pattern_matcher.h"
#include "platform/system.h"
#include "speedtest/speed_test.h"

namespace vantrel {
namespace {

using testing_support::kQuoteMarker;
using testing_support::kWen;
using testing_support::kZhong;

class MatcherLife : public testing::Test {
 protected:
  // Every query of a matcher that holds no match collection.
  static void ExpectNoResults(const PatternMatcher& m, int32_t startPositionOfNoMatch) {
    EXPECT_EQ(m.GetMatchCount(), 0);
    EXPECT_EQ(m.GetSubMatchCount(), 0);
    int32_t position = -99;
    EXPECT_EQ(m.GetMatchText(1, &position), "");
    EXPECT_EQ(position, startPositionOfNoMatch);
    position = -99;
    EXPECT_EQ(m.GetSubMatchText(1, 1, &position), "");
    EXPECT_EQ(position, startPositionOfNoMatch);
  }

  std::unique_ptr<AutomationLayer> layer_ = platform::MakeSystemAutomation();
};

TEST_F(MatcherLife, FreshMatcherAnswersEmpty) {
  PatternMatcher m(*layer_);
  ExpectNoResults(m, -2);
  EXPECT_EQ(m.GetPattern(), "");
  EXPECT_EQ(m.ReplaceMatches("x"), "");
  m.Noop();
  ExpectNoResults(m, -2);
}

TEST_F(MatcherLife, InvalidPatternFailsCreateAndDropsEarlierMatches) {
  PatternMatcher m(*layer_);
  ASSERT_TRUE(m.Create("a", "aa"));
  ASSERT_EQ(m.GetMatchCount(), 2);
  for (const char* invalid : {"(", "a)", "[a", "a{2,1}", "*a"}) {
    EXPECT_FALSE(m.Create(invalid, "abc")) << invalid;
    // The object took the pattern; only Execute refused it.
    EXPECT_EQ(m.GetPattern(), invalid);
    ExpectNoResults(m, 0);  // the new subject is there: no match reads offset 0
  }
}

TEST_F(MatcherLife, CreateAgainReplacesEverything) {
  PatternMatcher m(*layer_);
  ASSERT_TRUE(m.Create("a(.)", "a1 a2 a3"));
  ASSERT_EQ(m.GetMatchCount(), 3);
  ASSERT_TRUE(m.Create("b", "xxbx", true, true, true));
  EXPECT_EQ(m.GetMatchCount(), 1);
  EXPECT_EQ(m.GetSubMatchCount(), 0);
  int32_t position = -99;
  EXPECT_EQ(m.GetMatchText(1, &position), "b");
  EXPECT_EQ(position, 2);
  EXPECT_EQ(m.GetMatchText(2), "");
  EXPECT_EQ(m.GetPattern(), "b");
  EXPECT_EQ(m.ReplaceMatches("-"), "xx-x");
}

TEST_F(MatcherLife, PatternReadsBackAsWrittenOrWithTheMarkerExpanded) {
  struct Case {
    std::string pattern;
    bool expand;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"a" + kQuoteMarker + "b", true, "a\"b"},
      {"a" + kQuoteMarker + "b", false, "a" + kQuoteMarker + "b"},
      {kQuoteMarker + kQuoteMarker + "x" + kQuoteMarker, true, "\"\"x\""},
      // A marker split by other bytes stays as it is.
      {"#" + kZhong + kQuoteMarker.substr(1), true, "#" + kZhong + kQuoteMarker.substr(1)},
      {kZhong + "(" + kWen + ")\\d", false, kZhong + "(" + kWen + ")\\d"},
  };
  for (const Case& c : cases) {
    PatternMatcher m(*layer_);
    m.Create(c.pattern, "", false, true, true, c.expand);
    EXPECT_EQ(m.GetPattern(), c.expected) << testing::PrintToString(c.pattern);
  }
}

TEST_F(MatcherLife, CopySharesTheResultsAndKeepsItsOwnSubject) {
  PatternMatcher original(*layer_);
  ASSERT_TRUE(original.Create("(\\d)", kZhong + "1 2"));
  const std::unique_ptr<PatternMatcher> copy = original.Copy();
  ASSERT_TRUE(copy);
  EXPECT_EQ(copy->GetMatchCount(), 2);
  EXPECT_EQ(copy->GetPattern(), "(\\d)");

  // A new Create on the original leaves the copy with the first results and subject.
  ASSERT_TRUE(original.Create("z", "zz z"));
  EXPECT_EQ(original.GetMatchCount(), 3);
  EXPECT_EQ(copy->GetMatchCount(), 2);
  int32_t position = -99;
  EXPECT_EQ(copy->GetSubMatchText(2, 1, &position), "2");
  EXPECT_EQ(position, 4);
  EXPECT_EQ(copy->ReplaceMatches("<$1>"), kZhong + "<1> <2>");

  copy->Destroy();
  ExpectNoResults(*copy, -2);
  EXPECT_EQ(copy->GetPattern(), "");
  // The original does not depend on the copy.
  EXPECT_EQ(original.GetMatchText(3), "z");
  copy->Destroy();  // a second Destroy does nothing
}

TEST_F(MatcherLife, DestroyLeavesNoResults) {
  PatternMatcher m(*layer_);
  ASSERT_TRUE(m.Create("a", "a"));
  m.Destroy();
  ExpectNoResults(m, -2);
  EXPECT_EQ(m.GetPattern(), "");
  EXPECT_EQ(m.ReplaceMatches("b"), "");
}

TEST_F(MatcherLife, SamplePageGivesTheTenAddressesInOrder) {
  const std::vector<std::string> addresses = {
      "198.51.100.23", "203.0.113.8",    "198.51.100.77", "203.0.113.145",  "198.51.100.4",
      "203.0.113.62",  "198.51.100.190", "203.0.113.211", "198.51.100.133", "203.0.113.99"};
  const std::string page(SampleResultsPage());
  PatternMatcher m(*layer_);
  ASSERT_TRUE(m.Create(std::string(kExtractionPattern), page));
  ASSERT_EQ(m.GetMatchCount(), 10);
  EXPECT_EQ(m.GetSubMatchCount(), 2);
  for (int32_t i = 1; i <= 10; ++i) {
    EXPECT_EQ(m.GetSubMatchText(i, 1), std::to_string(i));
    int32_t position = -99;
    EXPECT_EQ(m.GetSubMatchText(i, 2, &position), addresses[i - 1]);
    // The page holds each address once, so the first occurrence is the cell's own.
    EXPECT_EQ(position, static_cast<int32_t>(page.find("<td>" + addresses[i - 1]) + 4));
  }
}

}  // namespace
}  // namespace vantrel

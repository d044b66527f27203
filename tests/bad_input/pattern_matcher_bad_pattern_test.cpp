// PatternMatcher::Create with patterns the RegExp object cannot or should not run: a pattern
// that is no valid expression, and one that backtracks without end over its subject. Either
// way the matcher fails quietly: Create gives false and every query answers as after a failed
// Create. Where the Windows build's RegExp object (Wine's vbscript) does otherwise, the table
// says so.
#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <optional>
#include <string>
#include <thread>

#include "pattern/pattern_matcher.h"
#include "pattern/running_platform.h"
#include "platform/system.h"

namespace vantrel {
namespace {

// What the queries of a matcher answer; the positions are asked for with match and group 1.
struct Answers {
  int32_t matchCount = 0;
  int32_t subMatchCount = 0;
  Text matchText;
  int32_t matchPosition = 0;
  Text subMatchText;
  int32_t subMatchPosition = 0;
  Text replaced;
  friend bool operator==(const Answers&, const Answers&) = default;
  friend void PrintTo(const Answers& a, std::ostream* os) {
    *os << "{count " << a.matchCount << ", groups " << a.subMatchCount << ", match "
        << testing::PrintToString(a.matchText) << "@" << a.matchPosition << ", group "
        << testing::PrintToString(a.subMatchText) << "@" << a.subMatchPosition << ", replaced "
        << testing::PrintToString(a.replaced) << "}";
  }
};

Answers AskEverything(const PatternMatcher& matcher) {
  Answers a;
  a.matchCount = matcher.GetMatchCount();
  a.subMatchCount = matcher.GetSubMatchCount();
  a.matchText = matcher.GetMatchText(1, &a.matchPosition);
  a.subMatchText = matcher.GetSubMatchText(1, 1, &a.subMatchPosition);
  a.replaced = matcher.ReplaceMatches("x");
  return a;
}

// A matcher whose Create failed over a non-empty subject: nothing to count, no texts, and
// nothing replaced. With no match a start position is searched from the subject's first byte
// for the empty text, which is found there.
const Answers kAfterFailedCreate = {0, 0, "", 0, "", 0, ""};

struct BadPattern {
  const char* what;
  std::string pattern;
};

void PrintTo(const BadPattern& p, std::ostream* os) { *os << p.what; }

class InvalidPatternTest : public testing::TestWithParam<BadPattern> {
 protected:
  std::unique_ptr<AutomationLayer> layer_ = platform::MakeSystemAutomation();
};

TEST_P(InvalidPatternTest, CreateFailsQuietlyAndTheMatcherStaysUsable) {
  PatternMatcher matcher(*layer_);
  const std::string subject = "<td>1</td>\r\n\t\t\t\t\t<td>127.0.0.1</td>\r\n";
  // A collection of an earlier Create is gone after the failed one.
  ASSERT_TRUE(matcher.Create("td", subject));
  ASSERT_EQ(matcher.GetMatchCount(), 4);

  EXPECT_FALSE(matcher.Create(GetParam().pattern, subject));
  EXPECT_EQ(AskEverything(matcher), kAfterFailedCreate);
  // The object took the pattern as written; only running it failed.
  EXPECT_EQ(matcher.GetPattern(), GetParam().pattern);

  EXPECT_TRUE(matcher.Create("<td>(.*?)</td>", subject));
  EXPECT_EQ(matcher.GetMatchCount(), 2);
  EXPECT_EQ(matcher.GetSubMatchText(2, 1), "127.0.0.1");
}

INSTANTIATE_TEST_SUITE_P(NoValidExpression, InvalidPatternTest,
                         testing::Values(BadPattern{"UnclosedGroup", "<td>(.*?</td>"},
                                         BadPattern{"UnopenedGroup", "<td>.*?)</td>"},
                                         BadPattern{"UnclosedClass", "<td>[0-9.</td>"},
                                         BadPattern{"QuantifierWithNothingBefore", "*<td>"},
                                         BadPattern{"CountsOutOfOrder", "<td>a{3,1}</td>"},
                                         BadPattern{"BackslashAtTheEnd", "<td>\\"}),
                         [](const auto& info) { return std::string(info.param.what); });

// --- Catastrophic backtracking ---

enum class Ending {
  kNoMatch,       // Create gives true and a collection without a match
  kQuietFailure,  // Create gives false, as for an invalid pattern
  kStillRunning,  // Create has not returned when the bound has passed
};

struct Backtracking {
  const char* what;
  std::string pattern;
  size_t letters;  // the subject: this many "a" and then "!", which no pattern here matches
  Ending linux;
  Ending wine;  // Wine's vbscript sets no bound on backtracking
};

void PrintTo(const Backtracking& b, std::ostream* os) { *os << b.what; }

struct FinishedRun {
  bool created = false;
  Answers answers;
};

// Runs Create and the queries on a thread of their own, so that a RegExp object that backtracks
// without end cannot hold the test up: nothing when they have not finished within `bound`. The
// thread is then left to itself; it ends with the test's process.
std::optional<FinishedRun> CreateWithin(std::chrono::seconds bound, std::string pattern,
                                        std::string subject) {
  auto done = std::make_shared<std::promise<FinishedRun>>();
  std::future<FinishedRun> result = done->get_future();
  std::thread([done, pattern = std::move(pattern), subject = std::move(subject)] {
    const std::unique_ptr<AutomationLayer> layer = platform::MakeSystemAutomation();
    FinishedRun run;
    {
      PatternMatcher matcher(*layer);
      run.created = matcher.Create(pattern, subject);
      run.answers = AskEverything(matcher);
    }
    done->set_value(std::move(run));
  }).detach();
  if (result.wait_for(bound) != std::future_status::ready) return std::nullopt;
  return result.get();
}

class BacktrackingTest : public testing::TestWithParam<Backtracking> {};

// Linux stops a search at its match limit within a fraction of a second; the bound only keeps a
// hang from holding up the run. Under Wine the bound is what a user would wait at most.
TEST_P(BacktrackingTest, CreateEndsQuietlyOrIsBounded) {
  const bool wine = testing_support::RunningUnderWine();
  const Ending expected = wine ? GetParam().wine : GetParam().linux;
  const auto bound = std::chrono::seconds(wine ? 10 : 30);
  const std::string subject = std::string(GetParam().letters, 'a') + "!";

  const std::optional<FinishedRun> run = CreateWithin(bound, GetParam().pattern, subject);
  if (expected == Ending::kStillRunning) {
    EXPECT_FALSE(run.has_value()) << "Create returned within the bound";
    RecordProperty("still_running_after_seconds", static_cast<int>(bound.count()));
    return;
  }
  ASSERT_TRUE(run.has_value()) << "Create has not returned within " << bound.count() << " s";
  if (expected == Ending::kQuietFailure) {
    EXPECT_FALSE(run->created);
    EXPECT_EQ(run->answers, kAfterFailedCreate);
  } else {
    EXPECT_TRUE(run->created);
    EXPECT_EQ(run->answers, (Answers{0, 0, "", 0, "", 0, subject}));
  }
}

INSTANTIATE_TEST_SUITE_P(
    NestedRepeats, BacktrackingTest,
    testing::Values(
        // Short enough for any engine to try every way and find none.
        Backtracking{"ShortSubject", "(a+)+$", 16, Ending::kNoMatch, Ending::kNoMatch},
        Backtracking{"NestedPlus", "(a+)+$", 1000, Ending::kQuietFailure, Ending::kStillRunning},
        Backtracking{"OverlappingAlternatives", "(a|aa)+$", 1000, Ending::kQuietFailure,
                     Ending::kStillRunning},
        Backtracking{"RepeatedLazyGroups", "(.*?a){25}!!", 1000, Ending::kQuietFailure,
                     Ending::kStillRunning}),
    [](const auto& info) { return std::string(info.param.what); });

}  // namespace
}  // namespace vantrel

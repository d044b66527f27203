// The speed test over pages far larger than any results page: 50 MB of mostly other content, a
// million rows, a 10 MB line without a break. The real RegExp object does the extraction (our
// PCRE2 layer on Linux, Wine's vbscript through COM for the Windows build); the controls and the
// pinger are lean stand-ins, so that a million rows cost no million real echoes. The real edit
// boxes take these sizes in the window tests of this folder as far as they can in CI time.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bad_page_run.h"
#include "bad_pages.h"
#include "bench/standing_aside.h"
#include "pattern/running_platform.h"

namespace vantrel::testing_support {
namespace {

// --- Size ---

TEST_F(BadPageTest, FiftyMegabytePageOfMostlyOtherContentListsEveryRow) {
  const Text page = MostlyFillerPage(50u << 20, 10, 3);
  const std::vector<Text> expected = AddressCellsByLines(page);
  ASSERT_GT(expected.size(), 5000u);
  RunAndExpect(page, expected);
}

TEST_F(BadPageTest, MillionRowsAreAllListedInPageOrder) {
  const Text page = bench::LoopbackPage(1'000'000);
  const std::vector<Text> expected = AddressCellsByLines(page);
  ASSERT_EQ(expected.size(), 1'000'000u);
  RunAndExpect(page, expected);
}

// --- One endless line: no line break, so nothing can match, and nothing may hang ---

struct LongLine {
  const char* what;
  std::string_view unit;  // repeated to fill the line
  size_t bytes;
  // Wine's vbscript takes time that grows with the square of the line's length where every
  // "<td>" starts a try that runs to the end of the line: 16 KB took 1.1 s, 32 KB 3.5 s, 64 KB
  // 12 s and 128 KB 44 s here, so 10 MB would take days. Under Wine the line is cut to this.
  size_t wineBytes;
};

void PrintTo(const LongLine& line, std::ostream* os) { *os << line.what; }

class LongLineTest : public BadPageTest, public testing::WithParamInterface<LongLine> {};

TEST_P(LongLineTest, ListsNothingAndEmptiesTheEditBox) {
  const size_t bytes = RunningUnderWine() ? GetParam().wineBytes : GetParam().bytes;
  RunAndExpect(SingleLine(bytes, GetParam().unit), {});
}

INSTANTIATE_TEST_SUITE_P(
    TenMegabytes, LongLineTest,
    testing::Values(
        // 测速结果 and Latin text: the pattern's first "<td>" never occurs.
        LongLine{"text", "\xB2\xE2\xCB\xD9\xBD\xE1\xB9\xFB speed test results ", 10u << 20,
                 10u << 20},
        // Both cells of a row, again and again, with TABs but no line break: every "<td>" starts
        // a try whose lazy group runs to the end of the line.
        LongLine{"cells", "<td>1</td>\t\t\t\t\t<td>127.0.0.1</td>\t", 10u << 20, 64u << 10}),
    [](const auto& info) { return std::string(info.param.what); });

}  // namespace
}  // namespace vantrel::testing_support

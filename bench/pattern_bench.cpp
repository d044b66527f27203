// The extraction pattern over a 10 MB page of result rows, in two ways in one run:
//  - PatternMatcher::Create plus GetSubMatchText(i, 2) for every match, the speed test's path;
//  - raw PCRE2-16 JIT matching of the same pattern over the same page in UTF-16, the floor.
// Both report the page's code page 936 bytes per second.
#include <benchmark/benchmark.h>

#include <string>

#include "automation/pcre2_handles.h"
#include "pattern/pattern_matcher.h"
#include "pattern/text_conversions.h"
#include "platform/system.h"
#include "speedtest/speed_test.h"
#include "standing_aside.h"

namespace vantrel {
namespace {

constexpr size_t kPageBytes = 10 * 1024 * 1024;

// Rows in the sample table's layout: CR LF line ends, cells five TABs deep, a Chinese place.
const std::string& Page() {
  static const std::string page = bench::PageOfSize(kPageBytes);
  return page;
}

void BM_PatternMatcherExtraction(benchmark::State& state) {
  const std::string& page = Page();
  const std::unique_ptr<AutomationLayer> layer = platform::MakeSystemAutomation();
  int32_t count = 0;
  for (auto _ : state) {
    PatternMatcher matcher(*layer);
    if (!matcher.Create(kExtractionPattern, page)) state.SkipWithError("Create failed");
    count = matcher.GetMatchCount();
    size_t addressBytes = 0;
    for (int32_t i = 1; i <= count; ++i) {
      addressBytes += matcher.GetSubMatchText(i, kAddressGroup).size();
    }
    benchmark::DoNotOptimize(addressBytes);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.size()));
  state.counters["matches"] = count;
}
BENCHMARK(BM_PatternMatcherExtraction)->Unit(benchmark::kMillisecond);

void BM_RawPcre2JitExtraction(benchmark::State& state) {
  using namespace platform;
  const std::string& page = Page();
  const std::u16string units = TextToUtf16(page);
  const std::u16string pattern = TextToUtf16(kExtractionPattern);
  int error = 0;
  PCRE2_SIZE errorOffset = 0;
  const Pcre2Code code(pcre2_compile(AsPcre2(pattern.data()), pattern.size(),
                                     PCRE2_CASELESS | PCRE2_MULTILINE, &error, &errorOffset,
                                     nullptr));
  if (!code || pcre2_jit_compile(code.get(), PCRE2_JIT_COMPLETE) != 0) {
    state.SkipWithError("no JIT code");
    return;
  }
  const Pcre2MatchData matchData(pcre2_match_data_create_from_pattern(code.get(), nullptr));
  size_t count = 0;
  for (auto _ : state) {
    count = 0;
    size_t addressUnits = 0;
    size_t start = 0;
    while (pcre2_jit_match(code.get(), AsPcre2(units.data()), units.size(), start, 0,
                           matchData.get(), nullptr) > 0) {
      const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(matchData.get());
      addressUnits += ovector[5] - ovector[4];
      start = ovector[1];
      ++count;
    }
    benchmark::DoNotOptimize(addressUnits);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.size()));
  state.counters["matches"] = static_cast<double>(count);
}
BENCHMARK(BM_RawPcre2JitExtraction)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vantrel

BENCHMARK_MAIN();

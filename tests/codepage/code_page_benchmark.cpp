// Speed of the code page 936 conversions on a large results page and on short match texts,
// beside ICU's own converter opened per call and kept open, the ways the tables replace.
#include <benchmark/benchmark.h>
#include <unicode/ucnv.h>

#include <memory>
#include <string>

#include "platform/code_page.h"

namespace {

// About `size` bytes of result rows: ASCII markup and addresses with GBK place names.
std::string ResultsPage(size_t size) {
  const std::string row_start = "<tr><td>";
  const std::string place = "\xD6\xD0\xCE\xC4 \xB2\xE2\xCB\xD9 \xD1\xD3\xB3\xD9";  // 中文 测速 延迟
  std::string page;
  page.reserve(size + 128);
  for (int i = 1; page.size() < size; ++i) {
    page += row_start + std::to_string(i) + "</td><td>198.51." + std::to_string(i % 256) + "." +
            std::to_string(i * 7 % 256) + "</td><td>" + place + "</td></tr>\r\n";
  }
  return page;
}

const std::string& Page() {
  static const std::string page = ResultsPage(10 << 20);
  return page;
}

const std::string kMatch = "198.51.100.23 \xD6\xD0\xCE\xC4";

void PageToUtf16(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(vantrel::platform::Cp936ToUtf16(Page()));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Page().size()));
}
BENCHMARK(PageToUtf16)->Unit(benchmark::kMillisecond);

void Utf16ToPage(benchmark::State& state) {
  const std::u16string units = vantrel::platform::Cp936ToUtf16(Page());
  for (auto _ : state) benchmark::DoNotOptimize(vantrel::platform::Utf16ToCp936(units));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * units.size() * 2));
}
BENCHMARK(Utf16ToPage)->Unit(benchmark::kMillisecond);

void MatchTextRoundTrip(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        vantrel::platform::Utf16ToCp936(vantrel::platform::Cp936ToUtf16(kMatch)));
  }
}
BENCHMARK(MatchTextRoundTrip);

struct ConverterCloser {
  void operator()(UConverter* c) const { ucnv_close(c); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

std::u16string IcuToUtf16(UConverter* converter, const std::string& bytes) {
  std::u16string units(bytes.size() + 1, u'\0');
  UErrorCode status = U_ZERO_ERROR;
  const int32_t n = ucnv_toUChars(converter, units.data(), static_cast<int32_t>(units.size()),
                                  bytes.data(), static_cast<int32_t>(bytes.size()), &status);
  units.resize(U_SUCCESS(status) ? static_cast<size_t>(n) : 0);
  return units;
}

void IcuOpenedPerCallMatchText(benchmark::State& state) {
  for (auto _ : state) {
    UErrorCode status = U_ZERO_ERROR;
    Converter converter(ucnv_open("windows-936-2000", &status));
    benchmark::DoNotOptimize(IcuToUtf16(converter.get(), kMatch));
  }
}
BENCHMARK(IcuOpenedPerCallMatchText);

void IcuKeptOpenPageToUtf16(benchmark::State& state) {
  UErrorCode status = U_ZERO_ERROR;
  Converter converter(ucnv_open("windows-936-2000", &status));
  for (auto _ : state) benchmark::DoNotOptimize(IcuToUtf16(converter.get(), Page()));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Page().size()));
}
BENCHMARK(IcuKeptOpenPageToUtf16)->Unit(benchmark::kMillisecond);

}  // namespace

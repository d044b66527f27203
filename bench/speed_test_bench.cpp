// The speed test on the real Linux controls.
//
// Staging: extraction, staging in the real edit box and SplitText over pages of growing size,
// with the pinger and the list standing aside, so that the cost of the edit box as a staging
// buffer shows as the page grows. Loopback: the whole command on 1,000 loopback addresses with
// the real pinger and list, beside the bare round trip, so the cost per line beyond the echo
// shows.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "platform/system.h"
#include "speedtest/speed_test.h"
#include "standing_aside.h"
#include "window/address_list_widget.h"
#include "window/page_edit_widget.h"

namespace vantrel {
namespace {

using bench::LoopbackPage;
using bench::NoList;
using bench::NoPinger;
using bench::PageOfSize;

void BM_ExtractStageSplit(benchmark::State& state) {
  const Text page = PageOfSize(static_cast<size_t>(state.range(0)) << 20);
  auto automation = platform::MakeSystemAutomation();
  platform::PageEditWidget edit(nullptr);
  NoList list;
  NoPinger pinger;
  for (auto _ : state) {
    state.PauseTiming();
    edit.SetText(page);
    state.ResumeTiming();
    RunSpeedTest({edit, list, *automation, pinger});
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.size()));
}
BENCHMARK(BM_ExtractStageSplit)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SpeedTestOnLoopback(benchmark::State& state) {
  const Text page = LoopbackPage(1000);
  auto automation = platform::MakeSystemAutomation();
  auto pinger = platform::MakeSystemPinger();
  platform::PageEditWidget edit(nullptr);
  platform::AddressListWidget list(nullptr, {{"IP", 120}, {"latency", 50}});
  for (auto _ : state) {
    state.PauseTiming();
    edit.SetText(page);
    state.ResumeTiming();
    RunSpeedTest({edit, list, *automation, *pinger});
  }
  state.counters["lines"] = 1000;
  state.counters["per_line_us"] = benchmark::Counter(
      1000.0 * static_cast<double>(state.iterations()),
      benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::OneK::kIs1000);
}
BENCHMARK(BM_SpeedTestOnLoopback)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_BareLoopbackEcho(benchmark::State& state) {
  auto pinger = platform::MakeSystemPinger();
  for (auto _ : state)
    benchmark::DoNotOptimize(pinger->PingHost("127.0.0.1", kSpeedTestPingWaitMs));
}
BENCHMARK(BM_BareLoopbackEcho)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
}  // namespace vantrel

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

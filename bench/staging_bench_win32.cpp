// The speed test's extraction and staging on the real Win32 edit box, for the Windows build
// (run under Wine here): pages of the sizes in megabytes given as arguments (1 MB without any),
// the list and the pinger standing aside. Prints the time per run; there is no Google Benchmark
// for the mingw builds.
#include <ole2.h>
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/system.h"
#include "speedtest/speed_test.h"
#include "standing_aside.h"
#include "window/page_edit_box_win32.h"

int main(int argc, char** argv) {
  using namespace vantrel;
  OleInitialize(nullptr);
  HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                              WS_POPUP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL,
                              0, 0, 272, 151, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(edit, EM_LIMITTEXT, 0, 0);
  win32::Win32PageEditBox box(edit);
  auto automation = platform::MakeSystemAutomation();
  bench::NoList list;
  bench::NoPinger pinger;
  std::vector<size_t> sizes;
  for (int i = 1; i < argc; ++i) sizes.push_back(std::strtoul(argv[i], nullptr, 10));
  if (sizes.empty()) sizes.push_back(1);
  for (size_t megabytes : sizes) {
    const Text page = bench::PageOfSize(megabytes << 20);
    constexpr int kRuns = 3;
    double total = 0;
    for (int i = 0; i < kRuns; ++i) {
      box.SetText(page);
      const auto start = std::chrono::steady_clock::now();
      RunSpeedTest({box, list, *automation, pinger});
      total += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                   .count();
    }
    std::printf("extract+stage+split %zu MB page: %.1f ms per run (%d runs)\n", megabytes,
                total / kRuns, kRuns);
  }
  DestroyWindow(edit);
  OleUninitialize();
  return 0;
}

// A thousand speed tests on the real window, each followed by a click that copies a row, leave the
// process's GDI objects, windows and kernel handles where they were after the first run.
#include <gtest/gtest.h>

#include "gui_object_counts_win32.h"
#include "platform/system.h"
#include "support/fake_controls.h"
#include "window_under_test_win32.h"

namespace vantrel::faults {
namespace {

constexpr int kRuns = 1000;

HWND MakeWindow() {
  return CreateWindowExW(0, L"STATIC", L"counted", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                         nullptr);
}

TEST(GuiObjects, TheCountsSeeObjectsMadeAndDestroyed) {
  const GuiObjectCounts before = CountGuiObjects();
  ASSERT_GT(before.gdiHandles, 0) << "no GDI handle table found";
  const HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
  const HWND window = MakeWindow();
  const GuiObjectCounts during = CountGuiObjects();
  EXPECT_EQ(during.gdiHandles, before.gdiHandles + 1);
  // Under Wine the thread's input method window comes and goes with the thread's windows.
  EXPECT_GT(during.windows, before.windows);
  DestroyWindow(window);
  DeleteObject(brush);
  EXPECT_EQ(CountGuiObjects(), before);
}

TEST(GuiObjects, AThousandSpeedTestsLeaveTheCountsFlat) {
  testing_support::Log log;
  // Answers every line, each with a time of its own, so that every cell is written.
  testing_support::FakePinger pinger(
      log, {{"127.0.0.1", 0}, {"127.0.0.2", 12}, {"127.0.0.3", 345}, {"localhost", 1}});
  testing_support::FakeShell shell;
  const auto automation = platform::MakeSystemAutomation();
  const auto clipboard = platform::MakeSystemClipboard();
  WindowUnderTest window({*automation, pinger, shell, *clipboard, platform::HostsFolderPath()});
  ASSERT_NE(window.window(), nullptr);
  const std::vector<Text> addresses = {"127.0.0.1", "127.0.0.2", "127.0.0.3", "localhost", ""};
  const Text page = LoopbackPage(addresses);
  const auto run = [&](int i) {
    window.SetPage(page);
    window.ClickStart();
    window.ClickRow(i % static_cast<int>(addresses.size()));
  };
  run(0);  // the first run takes up what stays: the RegExp object's library, the clipboard
  ASSERT_EQ(window.Column(0), addresses);
  const GuiObjectCounts before = CountGuiObjects();
  for (int i = 1; i <= kRuns; ++i) run(i);
  const GuiObjectCounts after = CountGuiObjects();
  EXPECT_EQ(after, before);
  EXPECT_EQ(window.Column(1), (std::vector<Text>{"0", "12", "345", "1", "-1"}));
  EXPECT_EQ(pinger.hosts.size(), static_cast<size_t>(kRuns + 1) * 4);
  RecordProperty("counts", ::testing::PrintToString(after));
}

}  // namespace
}  // namespace vantrel::faults

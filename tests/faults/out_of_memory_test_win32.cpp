// Memory running out in the middle of the speed test on the real window: this program counts and
// fails its own C++ allocations, so a run can be made to fail at any one of them. The window then
// shows "内存不足。" and the process ends with exit code -1, wherever in the run that was.
//
// The window runs in a child process (this program with `--speed-test FAIL-AT`): the child makes
// the window, puts a page in, fails its FAIL-AT-th allocation from the click on (0: none) and
// clicks the start button. A child whose click returns prints "allocations N rows R" and ends
// with 0.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

#include "platform/system.h"
#include "process_windows.h"
#include "support/fake_controls.h"
#include "window_under_test_win32.h"

// The replacements below take their blocks from malloc, so free is the matching release; the
// compiler sees only the standard pairing once they are inlined.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

namespace {

std::atomic<long> allocations{0};
std::atomic<long> failAt{0};  // the allocation that fails; 0 for none
std::atomic<bool> counting{false};

}  // namespace

void* operator new(std::size_t size) {
  if (counting && ++allocations == failAt) throw std::bad_alloc();
  if (void* block = std::malloc(size ? size : 1)) return block;
  throw std::bad_alloc();
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }

namespace vantrel::faults {
namespace {

const std::vector<Text> kAddresses = {"127.0.0.1", "localhost", "", "127.0.0.2"};

int RunSpeedTestChild(long failingAllocation) {
  testing_support::Log log;
  testing_support::FakePinger pinger(log, {{"127.0.0.1", 0}, {"127.0.0.2", 3}});
  testing_support::FakeShell shell;
  const auto automation = platform::MakeSystemAutomation();
  const auto clipboard = platform::MakeSystemClipboard();
  WindowUnderTest window({*automation, pinger, shell, *clipboard, platform::HostsFolderPath()});
  if (!window.window()) return 2;
  window.SetPage(LoopbackPage(kAddresses));
  failAt = failingAllocation;
  counting = true;
  window.ClickStart();
  counting = false;
  std::printf("allocations %ld rows %d\n", allocations.load(), window.RowCount());
  return 0;
}

// The message box of a process: a dialog window of that process.
HWND FindMessageBox(DWORD processId) {
  return testing_support::FindTopLevelWindowOf(processId, [](HWND window) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    return std::wstring(className) == L"#32770";
  });
}

std::wstring TextOf(HWND window) {
  wchar_t text[256] = {};
  DWORD_PTR length = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                      10000, &length);
  return text;
}

// The texts of a dialog's static controls, joined by "|".
std::wstring StaticTexts(HWND dialog) {
  std::wstring texts;
  for (HWND child = FindWindowExW(dialog, nullptr, L"Static", nullptr); child;
       child = FindWindowExW(dialog, child, L"Static", nullptr)) {
    const std::wstring text = TextOf(child);
    if (!text.empty()) texts += (texts.empty() ? L"" : L"|") + text;
  }
  return texts;
}

struct ChildEnd {
  DWORD exitCode = 99;
  std::wstring boxTitle;
  std::wstring boxText;
  std::string out;
};

std::wstring OwnPath() {
  std::wstring path(MAX_PATH, L'\0');
  path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
  return path;
}

// Runs the child; confirms its message box, if one comes, with OK.
ChildEnd RunChild(long failingAllocation) {
  ChildEnd end;
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE readOut = nullptr;
  HANDLE writeOut = nullptr;
  CreatePipe(&readOut, &writeOut, &inherit, 0);
  SetHandleInformation(readOut, HANDLE_FLAG_INHERIT, 0);
  std::wstring commandLine =
      L"\"" + OwnPath() + L"\" --speed-test " + std::to_wstring(failingAllocation);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeOut;
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION process{};
  const bool started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0,
                                      nullptr, nullptr, &startup, &process);
  CloseHandle(writeOut);
  if (!started) {
    CloseHandle(readOut);
    return end;
  }
  // A safety bound for a child that hangs, not a measure of speed.
  for (int waited = 0; waited < 30000; waited += 20) {
    if (WaitForSingleObject(process.hProcess, 20) == WAIT_OBJECT_0) break;
    const HWND box = FindMessageBox(process.dwProcessId);
    if (box && IsWindowVisible(box) && end.boxTitle.empty()) {
      end.boxTitle = TextOf(box);
      end.boxText = StaticTexts(box);
      PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
  }
  if (WaitForSingleObject(process.hProcess, 0) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 98);
    WaitForSingleObject(process.hProcess, 10000);
  }
  GetExitCodeProcess(process.hProcess, &end.exitCode);
  char buffer[512];
  DWORD got = 0;
  while (ReadFile(readOut, buffer, sizeof buffer, &got, nullptr) && got > 0)
    end.out.append(buffer, got);
  CloseHandle(readOut);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return end;
}

TEST(OutOfMemory, FailingAnyAllocationOfTheRunEndsTheProgramWithTheMessage) {
  const ChildEnd whole = RunChild(0);
  ASSERT_EQ(whole.exitCode, 0u) << whole.out;
  long total = 0;
  int rows = 0;
  ASSERT_EQ(std::sscanf(whole.out.c_str(), "allocations %ld rows %d", &total, &rows), 2)
      << whole.out;
  EXPECT_EQ(rows, static_cast<int>(kAddresses.size()));
  EXPECT_TRUE(whole.boxTitle.empty());
  ASSERT_GT(total, 3);

  // The first allocation of the click, two in between, and its last.
  for (const long failing : {1L, total / 3, 2 * total / 3, total}) {
    SCOPED_TRACE("allocation " + std::to_string(failing) + " of " + std::to_string(total));
    const ChildEnd end = RunChild(failing);
    EXPECT_EQ(end.exitCode, static_cast<DWORD>(-1)) << end.out;
    EXPECT_EQ(end.boxTitle, L"Vantrel");
    EXPECT_EQ(end.boxText, L"\x5185\x5B58\x4E0D\x8DB3\x3002");  // 内存不足。
    EXPECT_EQ(end.out, "") << "the click returned";
  }
}

}  // namespace
}  // namespace vantrel::faults

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--speed-test") == 0) {
    return vantrel::faults::RunSpeedTestChild(std::atol(argv[2]));
  }
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

// The real program as its own process: it opens its window with the sample page, "开始测速"
// runs the speed test on that page, and Esc ends it with exit code 0. Another process reads its
// list view as a user's tool would, with the structures placed in the program's address space:
// pointer sizes and structure layouts of the list view messages must match between the two.
#include <gtest/gtest.h>
#include <windows.h>
// The common controls' declarations build on those of windows.h.
#include <commctrl.h>

#include <string>
#include <vector>

#include "app/form.h"
#include "app/sample_results_page.h"
#include "netkit/kit_check.h"
#include "process_windows.h"
#include "support/results_page.h"
#include "window/wide_text.h"

namespace vantrel::win32::testing {
namespace {

// The build tree's path of the program, as a path of this system (Wine maps "/" to "Z:\").
std::wstring ProgramPath() {
  std::string path = VANTREL_PROGRAM;
  if (!path.empty() && path.front() == '/') path = "Z:" + path;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return std::wstring(path.begin(), path.end());
}

HWND FindProgramWindow(DWORD processId) {
  return testing_support::FindTopLevelWindowOf(processId, [](HWND hwnd) {
    wchar_t title[32] = {};
    GetWindowTextW(hwnd, title, 32);
    return std::wstring(title) == L"Vantrel" && IsWindowVisible(hwnd);
  });
}

// The program started as its own process; ended by force if a test leaves it running.
class RunningProgram {
 public:
  RunningProgram() {
    std::wstring commandLine = L"\"" + ProgramPath() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process_)) {
      ADD_FAILURE() << "CreateProcessW: " << GetLastError();
      return;
    }
    WaitForInputIdle(process_.hProcess, 10000);
    // A safety bound for a program that never shows its window, not a measure of speed.
    for (int attempt = 0; attempt < 200 && !window_; ++attempt) {
      window_ = FindProgramWindow(process_.dwProcessId);
      if (!window_) Sleep(50);
    }
  }
  ~RunningProgram() {
    if (!process_.hProcess) return;
    if (WaitForSingleObject(process_.hProcess, 0) != WAIT_OBJECT_0) {
      TerminateProcess(process_.hProcess, 99);
      WaitForSingleObject(process_.hProcess, 10000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;

  HANDLE process() const { return process_.hProcess; }
  HWND window() const { return window_; }

  // Ends the program with Esc in its edit box; false if it is still running after the wait.
  bool EndWithEsc(HWND edit) const {
    PostMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 1 | (LPARAM{0x01} << 16));
    return WaitForSingleObject(process_.hProcess, 20000) == WAIT_OBJECT_0;
  }
  DWORD ExitCode() const {
    DWORD exitCode = 99;
    GetExitCodeProcess(process_.hProcess, &exitCode);
    return exitCode;
  }

 private:
  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
};

// Sent with a bound on the wait, so that a hung program fails the test instead of stopping it.
// Not SMTO_ABORTIFHUNG: a program still busy starting on a slow (emulated) CPU counts as hung
// after 5 s and the call would fail at once; the bound alone is what the test needs.
LRESULT SendToProgram(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  EXPECT_NE(SendMessageTimeoutW(hwnd, message, wParam, lParam, SMTO_NORMAL, 60000, &result), 0)
      << "message " << message << ": " << GetLastError();
  return static_cast<LRESULT>(result);
}

// Memory in the program's address space, for messages whose parameter points to a structure.
class ProgramMemory {
 public:
  ProgramMemory(HANDLE process, size_t size)
      : process_(process),
        address_(static_cast<char*>(
            VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE))) {}
  ~ProgramMemory() {
    if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
  }
  ProgramMemory(const ProgramMemory&) = delete;
  ProgramMemory& operator=(const ProgramMemory&) = delete;

  char* address() const { return address_; }

 private:
  HANDLE process_;
  char* address_;
};

// A cell of the program's list view: an LVITEMW and its text buffer placed in the program.
std::wstring ProgramCellText(HANDLE process, HWND list, int row, int column) {
  constexpr int kChars = 256;
  ProgramMemory memory(process, sizeof(LVITEMW) + kChars * sizeof(wchar_t));
  if (!memory.address()) {
    ADD_FAILURE() << "VirtualAllocEx: " << GetLastError();
    return L"";
  }
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = reinterpret_cast<wchar_t*>(memory.address() + sizeof(LVITEMW));
  item.cchTextMax = kChars;
  // Filled with a marker, so that a cell read from the wrong place cannot pass as empty.
  const std::wstring marker(kChars, L'#');
  EXPECT_TRUE(WriteProcessMemory(process, memory.address(), &item, sizeof item, nullptr));
  EXPECT_TRUE(
      WriteProcessMemory(process, item.pszText, marker.data(), kChars * sizeof(wchar_t), nullptr));
  const auto length = static_cast<size_t>(
      SendToProgram(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(memory.address())));
  if (length >= kChars) return L"<" + std::to_wstring(length) + L" characters>";
  std::wstring text(length + 1, L'#');
  EXPECT_TRUE(ReadProcessMemory(process, item.pszText, text.data(), text.size() * sizeof(wchar_t),
                                nullptr));
  EXPECT_EQ(text.back(), L'\0') << "row " << row << " column " << column;
  text.pop_back();
  return text;
}

size_t EditTextLength(HWND edit) {
  // Asked of the control itself: the system keeps no copy of another process's edit text.
  return static_cast<size_t>(SendToProgram(edit, WM_GETTEXTLENGTH, 0, 0));
}

TEST(Program, EscInTheEditBoxEndsTheProgramWithExitCodeZero) {
  RunningProgram program;
  ASSERT_NE(program.window(), nullptr);
  const HWND edit = FindWindowExW(program.window(), nullptr, L"Edit", nullptr);
  ASSERT_NE(edit, nullptr);
  EXPECT_GT(EditTextLength(edit), 10000u);  // the sample page

  EXPECT_TRUE(program.EndWithEsc(edit));
  EXPECT_EQ(program.ExitCode(), 0u);
}

// The sample page's addresses are real ones: inside the kit they are unreachable at once.
TEST(Program, StartTestListsTheSamplePageAddressesEachWithoutAnswer) {
  const std::string problem = netkit::WhyNotInsideKit();
  if (!problem.empty()) GTEST_FAIL() << "not inside the network test kit: " << problem;
  const std::vector<Text> expected = testing_support::AddressCellsByLines(SampleResultsPage());
  ASSERT_EQ(expected.size(), 10u);

  RunningProgram program;
  ASSERT_NE(program.window(), nullptr);
  const std::wstring caption =
      WideFromText(FindControl(MainWindowForm(), EventBinding::kStartTest).text);
  const HWND start = FindWindowExW(program.window(), nullptr, L"Button", caption.c_str());
  const HWND edit = FindWindowExW(program.window(), nullptr, L"Edit", nullptr);
  const HWND list = FindWindowExW(program.window(), nullptr, WC_LISTVIEWW, nullptr);
  ASSERT_NE(start, nullptr);
  ASSERT_NE(edit, nullptr);
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(SendToProgram(list, LVM_GETITEMCOUNT, 0, 0), 0);

  // The click's handler runs the whole speed test before the message returns.
  SendToProgram(start, BM_CLICK, 0, 0);

  ASSERT_EQ(SendToProgram(list, LVM_GETITEMCOUNT, 0, 0), 10);
  for (int row = 0; row < 10; ++row) {
    SCOPED_TRACE(row);
    EXPECT_EQ(ProgramCellText(program.process(), list, row, 0),
              WideFromText(expected[static_cast<size_t>(row)]));
    EXPECT_EQ(ProgramCellText(program.process(), list, row, 1), L"-1");
  }
  EXPECT_EQ(EditTextLength(edit), 0u);

  EXPECT_TRUE(program.EndWithEsc(edit));
  EXPECT_EQ(program.ExitCode(), 0u);
}

}  // namespace
}  // namespace vantrel::win32::testing

// The real program as its own process: it opens its window, and Esc ends it with exit code 0.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

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

struct Search {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK RememberProgramWindow(HWND hwnd, LPARAM context) {
  auto* search = reinterpret_cast<Search*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(hwnd, &owner);
  wchar_t title[32] = {};
  GetWindowTextW(hwnd, title, 32);
  if (owner != search->processId || std::wstring(title) != L"Vantrel" || !IsWindowVisible(hwnd)) {
    return TRUE;
  }
  search->found = hwnd;
  return FALSE;
}

HWND FindProgramWindow(DWORD processId) {
  Search search{processId, nullptr};
  EnumWindows(RememberProgramWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

TEST(Program, EscInTheEditBoxEndsTheProgramWithExitCodeZero) {
  std::wstring commandLine = L"\"" + ProgramPath() + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             nullptr, &startup, &process))
      << GetLastError();
  WaitForInputIdle(process.hProcess, 10000);
  HWND window = nullptr;
  // A safety bound for a program that never shows its window, not a measure of speed.
  for (int attempt = 0; attempt < 200 && !window; ++attempt) {
    window = FindProgramWindow(process.dwProcessId);
    if (!window) Sleep(50);
  }
  ASSERT_NE(window, nullptr);
  const HWND edit = FindWindowExW(window, nullptr, L"Edit", nullptr);
  ASSERT_NE(edit, nullptr);
  // Asked of the control itself: the system keeps no copy of another process's edit text.
  DWORD_PTR length = 0;
  SendMessageTimeoutW(edit, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 10000, &length);
  EXPECT_GT(length, 10000u);  // the sample page

  PostMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 1 | (LPARAM{0x01} << 16));
  const DWORD waited = WaitForSingleObject(process.hProcess, 20000);
  if (waited != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 99);
  EXPECT_EQ(waited, WAIT_OBJECT_0);
  DWORD exitCode = 99;
  GetExitCodeProcess(process.hProcess, &exitCode);
  EXPECT_EQ(exitCode, 0u);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

}  // namespace

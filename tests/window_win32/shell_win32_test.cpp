// The exact calls behind the shell commands, caught at the seam before they reach the system.
#include "shell_win32.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/system.h"

namespace vantrel::win32 {
namespace {

struct ShellExecuteCall {
  HWND owner;
  std::optional<std::string> verb;
  std::optional<std::string> file;
  bool parameters;
  bool directory;
  INT show;
};

std::optional<std::string> Copy(LPCSTR text) {
  return text ? std::optional<std::string>(text) : std::nullopt;
}

class ShellTest : public ::testing::Test {
 protected:
  // FindWindowExA is the system's; only ShellExecuteA is caught.
  Win32Shell MakeShell() {
    return Win32Shell(
        ShellCalls{::FindWindowExA, [this](HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters,
                                           LPCSTR directory, INT show) {
                     calls.push_back({owner, Copy(verb), Copy(file), parameters != nullptr,
                                      directory != nullptr, show});
                     return reinterpret_cast<HINSTANCE>(42);
                   }});
  }
  std::vector<ShellExecuteCall> calls;
};

TEST_F(ShellTest, HostsFolderOpensWithTheDefaultActionAndNoOwner) {
  MakeShell().OpenShellItem(Text(platform::HostsFolderPath()));
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].owner, nullptr);
  EXPECT_EQ(calls[0].verb, std::nullopt);
  EXPECT_EQ(calls[0].file, "C:\\Windows\\System32\\drivers\\etc");
  EXPECT_FALSE(calls[0].parameters);
  EXPECT_FALSE(calls[0].directory);
  EXPECT_EQ(calls[0].show, SW_SHOWNORMAL);
}

TEST_F(ShellTest, WebAddressOpensWithoutAnOwnerWhenNoBrowserWindowIsThere) {
  MakeShell().OpenWebAddress("https://www.17e.com/");
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].owner, nullptr);
  EXPECT_EQ(calls[0].verb, "open");
  EXPECT_EQ(calls[0].file, "https://www.17e.com/");
  EXPECT_FALSE(calls[0].parameters);
  EXPECT_FALSE(calls[0].directory);
  EXPECT_EQ(calls[0].show, SW_SHOWNORMAL);
}

TEST_F(ShellTest, BrowserWindowWithTheExactTitleOwnsTheRequest) {
  for (const wchar_t* title :
       {L"Microsoft Internet Explorer - page", L"Microsoft Internet Explorer"}) {
    const HWND browser = CreateWindowExW(0, L"STATIC", title, WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                         nullptr, nullptr, nullptr);
    ASSERT_NE(browser, nullptr);
    calls.clear();
    MakeShell().OpenWebAddress("https://www.17e.com/");
    ASSERT_EQ(calls.size(), 1u);
    const bool exact = std::wstring(title) == L"Microsoft Internet Explorer";
    EXPECT_EQ(calls[0].owner, exact ? browser : nullptr);
    DestroyWindow(browser);
  }
}

TEST_F(ShellTest, CodePage936PathsGoToTheAnsiCallAsTheyAre) {
  MakeShell().OpenShellItem("C:\\\xB2\xE2\xCA\xD4");  // C:\测试
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].file, "C:\\\xB2\xE2\xCA\xD4");
}

}  // namespace
}  // namespace vantrel::win32

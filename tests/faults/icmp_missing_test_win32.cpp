// The speed test where icmp.dll cannot be loaded (run with Wine's override "icmp=" that keeps the
// library from loading): every line is listed with -1, in this run and the next, and nothing
// crashes. The IP helper library still offers IcmpSendEcho, but the pinger takes icmp.dll only.
#include <winsock2.h>  // with windows.h, after the WinSock 2 declarations
// The IP helper declarations need the Windows types.
#include <ipexport.h>
// IcmpSendEcho's declaration needs the address and option types.
#include <gtest/gtest.h>
#include <icmpapi.h>

#include <array>

#include "platform/system.h"
#include "window_under_test_win32.h"

namespace vantrel::faults {
namespace {

TEST(IcmpMissing, TheOverrideKeepsIcmpDllFromLoading) {
  const HMODULE icmp = LoadLibraryA("icmp.dll");
  const DWORD error = GetLastError();
  if (icmp) FreeLibrary(icmp);
  ASSERT_EQ(icmp, nullptr) << "run with WINEDLLOVERRIDES=icmp= (and mscoree,mshtml=)";
  EXPECT_EQ(error, static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
}

TEST(IcmpMissing, TheIpHelperLibraryStillEchoesOnLoopback) {
  const HANDLE handle = IcmpCreateFile();
  ASSERT_NE(handle, INVALID_HANDLE_VALUE);
  alignas(ICMP_ECHO_REPLY) std::array<unsigned char, sizeof(ICMP_ECHO_REPLY) + 8> replies{};
  char noData = 0;
  const DWORD count = IcmpSendEcho(handle, inet_addr("127.0.0.1"), &noData, 0, nullptr,
                                   replies.data(), static_cast<DWORD>(replies.size()), 1000);
  IcmpCloseHandle(handle);
  EXPECT_EQ(count, 1u);
}

TEST(IcmpMissing, EveryLineIsListedWithMinusOneInThisRunAndTheNext) {
  const auto automation = platform::MakeSystemAutomation();
  const auto pinger = platform::MakeSystemPinger();
  const auto shell = platform::MakeSystemShell();
  const auto clipboard = platform::MakeSystemClipboard();
  WindowUnderTest window({*automation, *pinger, *shell, *clipboard, platform::HostsFolderPath()});
  ASSERT_NE(window.window(), nullptr);
  const std::vector<Text> addresses = {"127.0.0.1", "localhost", "", "127.0.0.2", "127.0.0.1"};
  for (int run = 0; run < 2; ++run) {
    SCOPED_TRACE(run);
    window.SetPage(LoopbackPage(addresses));
    window.ClickStart();
    EXPECT_EQ(window.Column(0), addresses);
    EXPECT_EQ(window.Column(1), std::vector<Text>(addresses.size(), "-1"));
    EXPECT_EQ(window.EditText(), "");
  }
  EXPECT_TRUE(IsWindow(window.window()->handle()));
}

}  // namespace
}  // namespace vantrel::faults

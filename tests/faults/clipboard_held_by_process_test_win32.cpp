// A click in the list while another process holds the clipboard open: the click neither waits
// nor changes the clipboard, and once the other process lets go a click copies again.
#include <windows.h>
// The common controls' declarations build on those of windows.h.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "clipboard_contents.h"
#include "platform/system.h"
#include "support/fake_controls.h"
#include "window_under_test_win32.h"

namespace vantrel::faults {
namespace {

// The build tree's path of a program, as a path of this system (Wine maps "/" to "Z:\").
std::string WindowsPath(std::string path) {
  if (!path.empty() && path.front() == '/') path = "Z:" + path;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

struct OwnedHandle {
  HANDLE handle;
  ~OwnedHandle() {
    if (handle) CloseHandle(handle);
  }
};

TEST(ClipboardHeldByAnotherProcess, ClickChangesNothingThenCopiesOnceReleased) {
  testing_support::Log log;
  testing_support::FakePinger pinger(log);
  testing_support::FakeShell shell;
  const auto automation = platform::MakeSystemAutomation();
  const auto clipboard = platform::MakeSystemClipboard();
  WindowUnderTest window({*automation, pinger, shell, *clipboard, platform::HostsFolderPath()});
  ASSERT_NE(window.window(), nullptr);
  window.SetPage(LoopbackPage({"127.0.0.1", "127.0.0.2"}));
  window.ClickStart();
  ASSERT_EQ(window.RowCount(), 2);

  const std::string suffix = std::to_string(GetCurrentProcessId());
  const std::string heldName = "vantrel-clipboard-held-" + suffix;
  const std::string releaseName = "vantrel-clipboard-release-" + suffix;
  const OwnedHandle held{CreateEventA(nullptr, TRUE, FALSE, heldName.c_str())};
  const OwnedHandle release{CreateEventA(nullptr, TRUE, FALSE, releaseName.c_str())};
  std::string commandLine = "\"" + WindowsPath(VANTREL_CLIPBOARD_HOLDER) + "\" " + heldName + " " +
                            releaseName + " theirs";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             nullptr, &startup, &process))
      << GetLastError();
  const OwnedHandle holder{process.hProcess};
  const OwnedHandle holderThread{process.hThread};
  // Safety bounds for a holder that never gets going or never ends, not measures of speed.
  const HANDLE startedOrEnded[] = {held.handle, holder.handle};
  ASSERT_EQ(WaitForMultipleObjects(2, startedOrEnded, FALSE, 20000), WAIT_OBJECT_0);

  window.ClickRow(0);
  EXPECT_EQ(SendMessageW(window.list(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED),
            0);
  // The click did not wait for the holder: it lets go only now, before its own bound.
  SetEvent(release.handle);
  ASSERT_EQ(WaitForSingleObject(holder.handle, 20000), WAIT_OBJECT_0);
  DWORD exitCode = 99;
  GetExitCodeProcess(holder.handle, &exitCode);
  EXPECT_EQ(exitCode, 0u);
  EXPECT_EQ(win32::testing::ClipboardText(), "theirs");

  window.ClickRow(1);
  EXPECT_EQ(win32::testing::ClipboardText(), "127.0.0.2");
  EXPECT_TRUE(IsWindow(window.window()->handle()));
}

}  // namespace
}  // namespace vantrel::faults

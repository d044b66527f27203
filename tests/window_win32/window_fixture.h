// A real main window in the test's process, with stand-ins for the services a test watches:
// a pinger that sends nothing, a shell that starts nothing. The clipboard is the system's.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "app/form.h"
#include "platform/system.h"
#include "window/main_window.h"

namespace vantrel::win32::testing {

// Records every host and answers with a made-up time: -1 for the first, then 0, 7, 14...
class RecordingPinger final : public Pinger {
 public:
  static int ResultFor(size_t call) { return call == 0 ? -1 : static_cast<int>(call - 1) * 7; }
  std::vector<Text> hosts;

 protected:
  int Echo(const Text& host, int) override {
    hosts.push_back(host);
    return ResultFor(hosts.size() - 1);
  }
};

class RecordingShell final : public Shell {
 public:
  std::vector<Text> webAddresses;
  std::vector<Text> shellItems;
  void OpenWebAddress(const Text& address) override { webAddresses.push_back(address); }
  void OpenShellItem(const Text& path) override { shellItems.push_back(path); }
};

// An automation layer that can make no object: the speed test then finds no match.
class NoAutomation final : public AutomationLayer {
 public:
  std::unique_ptr<ThreadInit> InitializeThread() override { return nullptr; }
  ObjectRef CreateObject(std::string_view) override { return nullptr; }
};

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Overridden by tests that need the system's RegExp object.
  virtual std::unique_ptr<AutomationLayer> MakeAutomation();

  // Handles every queued message as the program's loop would; notes a WM_QUIT.
  void Pump();

  HWND main() const { return window_->handle(); }
  HWND control(EventBinding binding) const;
  HWND editBox() const;
  HWND list() const { return control(EventBinding::kAddressListClick); }

  // A left click inside the list, as the mouse gives it.
  void ClickListAt(POINT point);
  void ClickCell(int row, int column);
  // A key pressed while `target` has the focus.
  void PressKey(HWND target, WPARAM virtualKey);

  // Rows through the list's own messages.
  int AddRow(const std::wstring& address, const std::wstring& delay);
  std::wstring CellText(int row, int column) const;
  int RowCount() const;
  std::wstring WindowText(HWND hwnd) const;

  const FormDescription& form_ = MainWindowForm();
  std::unique_ptr<AutomationLayer> automation_;
  RecordingPinger pinger_;
  RecordingShell shell_;
  std::unique_ptr<Clipboard> clipboard_ = platform::MakeSystemClipboard();
  std::unique_ptr<MainWindow> window_;
  bool quitPosted_ = false;
};

}  // namespace vantrel::win32::testing

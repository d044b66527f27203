// The real main window in the test's process with the services a fault test chooses, and the few
// moves the fault tests make on it: put a page in, click the start button, click a row, read rows.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "app/window_commands.h"
#include "window/main_window.h"

namespace vantrel::faults {

class WindowUnderTest {
 public:
  // Null window() when the window could not be made.
  explicit WindowUnderTest(const WindowServices& services);
  ~WindowUnderTest();
  WindowUnderTest(const WindowUnderTest&) = delete;
  WindowUnderTest& operator=(const WindowUnderTest&) = delete;

  win32::MainWindow* window() const { return window_.get(); }
  HWND editBox() const;
  HWND list() const;

  // Handles every queued message as the program's loop would.
  void Pump();
  void SetPage(const Text& page);
  void ClickStart();
  void ClickRow(int row);

  int RowCount() const;
  // Cells of the list, as code page 936 texts.
  std::vector<Text> Column(int column) const;
  Text EditText() const;

 private:
  HWND ControlOf(bool (*wanted)(const ControlDescription&)) const;
  std::unique_ptr<win32::MainWindow> window_;
};

// The form's loopback page: one table row for each address.
Text LoopbackPage(const std::vector<Text>& addresses);

}  // namespace vantrel::faults

// The main window: the form description realised as a top-level Win32 window with its five
// controls, the bindings of their events to the window commands, and the keyboard rules.
//
// The window procedure reaches its MainWindow through the window's user data; the object must
// therefore stay where Create put it, and it outlives the window it made.
#pragma once

#include <windows.h>

#include <memory>
#include <string_view>
#include <vector>

#include "app/form.h"
#include "app/keyboard.h"
#include "app/window_commands.h"
#include "window/address_list_win32.h"
#include "window/control_font.h"
#include "window/page_edit_box_win32.h"

namespace vantrel::win32 {

class MainWindow {
 public:
  static constexpr const wchar_t* kClassName = L"VantrelMainWindow";

  // Creates the window hidden, centred and exactly the form's outer size, then its controls,
  // and shows them; nothing when the window or one of its controls cannot be created.
  static std::unique_ptr<MainWindow> Create(HINSTANCE instance, const FormDescription& form,
                                            const WindowServices& services);
  // Destroys the window if it is still there, without ending the message loop.
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  HWND handle() const { return window_; }  // null once the window is destroyed
  // The control made from form.controls[formIndex].
  HWND control(size_t formIndex) const { return controls_.at(formIndex); }

  // The window's keyboard rules, applied to a message before it is dispatched: true when the
  // message must go no further.
  bool PreTranslateKey(const MSG& msg);

 private:
  MainWindow(const FormDescription& form, const WindowServices& services);

  bool CreateFrame(HINSTANCE instance);
  bool CreateControls(HINSTANCE instance);
  HWND CreateControl(HINSTANCE instance, const ControlDescription& description, int id);
  void SetUpListView(HWND list);
  void SetUpEditBox(HWND edit, const Text& text);

  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnNotify(const NMHDR& header, LPARAM lParam);
  // The form index of one of the window's controls, or -1.
  int IndexOf(HWND control) const;
  FocusKind FocusKindOf(HWND focus) const;
  void RememberFocus();
  bool RestoreFocus();

  const FormDescription& form_;
  WindowServices services_;
  std::vector<OwnedFont> fonts_;  // one for each control; the window goes before them
  HFONT windowFont_ = nullptr;
  HWND window_ = nullptr;
  std::vector<HWND> controls_;
  HWND lastFocus_ = nullptr;  // the control that had the focus when the window lost activation
  std::unique_ptr<Win32PageEditBox> editBox_;
  std::unique_ptr<Win32AddressList> addressList_;
  std::unique_ptr<WindowCommands> commands_;
};

}  // namespace vantrel::win32

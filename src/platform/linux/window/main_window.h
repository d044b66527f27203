// The main window realised with Qt Widgets from the form description: the five controls at their
// form positions, the four event bindings and the shared keyboard rules.
//
// Geometry: the form's 477 x 237 is the outer size of the Windows window. Qt places only the
// client area, so the window's client area is made the size the Windows window's client area
// has (a 3-pixel dialog frame on each side and a 23-pixel caption bar), fixed; its frame
// position is the form's centred position for 477 x 237 on the primary screen's full geometry.
#pragma once

#include <QWidget>
#include <memory>
#include <string_view>

#include "app/window_commands.h"
#include "platform/linux/window/address_list_widget.h"
#include "platform/linux/window/page_edit_widget.h"

namespace vantrel::platform {

inline constexpr int kWindowsFrameWidth = 3;
inline constexpr int kWindowsCaptionHeight = 23;

class MainWindow : public QWidget {
 public:
  explicit MainWindow(const WindowServices& services);
  ~MainWindow() override;

  PageEditWidget& editBox() { return *editBox_; }
  AddressListWidget& addressList() { return *addressList_; }

 private:
  void CreateControls();
  // Runs the command an event is bound to; running out of memory there ends the program.
  void RunCommand(EventBinding binding);

  PageEditWidget* editBox_ = nullptr;  // owned by the window, as Qt children are
  AddressListWidget* addressList_ = nullptr;
  std::unique_ptr<WindowCommands> commands_;
};

}  // namespace vantrel::platform

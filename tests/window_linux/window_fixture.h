// The real main window on its real controls, with recording stand-ins for the pinger and the
// shell and the system's own clipboard.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <memory>

#include "platform/linux/window/main_window.h"
#include "platform/linux/window/qt_text.h"
#include "platform/system.h"
#include "support/fake_controls.h"

namespace vantrel::testing_support {

// An automation layer that makes no objects: the pattern matcher then finds nothing.
class NoAutomation : public AutomationLayer {
 public:
  std::unique_ptr<ThreadInit> InitializeThread() override { return std::make_unique<ThreadInit>(); }
  ObjectRef CreateObject(std::string_view) override { return nullptr; }
};

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override { Open(noAutomation_); }

  void Open(AutomationLayer& automation) { Open(automation, pinger_); }
  void Open(AutomationLayer& automation, Pinger& pinger) {
    window_.reset();
    window_ = std::make_unique<platform::MainWindow>(
        WindowServices{automation, pinger, shell_, *clipboard_, platform::HostsFolderPath()});
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  }

  platform::MainWindow& window() { return *window_; }
  platform::PageEditWidget& edit() { return window_->editBox(); }
  platform::AddressListWidget& list() { return window_->addressList(); }
  // The control the form names (按钮3 and so on), found by its object name.
  template <typename Widget>
  Widget* Control(const char* gbkName) {
    return window_->findChild<Widget*>(platform::ToQString(gbkName));
  }
  QPushButton* Button(const char* gbkCaption) {
    for (QPushButton* button : window_->findChildren<QPushButton*>()) {
      if (button->text() == platform::ToQString(gbkCaption)) return button;
    }
    return nullptr;
  }

  // A left click on a cell of the list, in the middle of the cell.
  void ClickCell(int row, int column, Qt::MouseButton button = Qt::LeftButton) {
    const QRect cell = list().visualRect(list().model()->index(row, column));
    QTest::mouseClick(list().viewport(), button, {}, cell.center());
  }

  // A double click on a cell as the window system delivers it: a click, then a second press
  // that arrives as a double click, then its release.
  void DoubleClickCell(int row, int column) {
    const QPoint at = list().visualRect(list().model()->index(row, column)).center();
    QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, at);
    QMouseEvent press(QEvent::MouseButtonDblClick, at, list().viewport()->mapToGlobal(at),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list().viewport(), &press);
    QTest::mouseRelease(list().viewport(), Qt::LeftButton, {}, at);
  }

  // The in-place editor that is open in the list, if any.
  QLineEdit* OpenEditor() {
    for (QLineEdit* editor : list().viewport()->findChildren<QLineEdit*>()) {
      if (editor->isVisible()) return editor;
    }
    return nullptr;
  }

  // Lets the list finish what it queued (the delegate confirms an edit after the key press).
  static void Settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  void FillList(const std::vector<std::pair<Text, Text>>& rows) {
    for (const auto& [address, time] : rows) {
      const int row = list().InsertRow();
      list().SetCellText(row, 0, address);
      list().SetCellText(row, 1, time);
    }
  }

  Log log_;
  FakePinger pinger_{log_};
  FakeShell shell_;
  NoAutomation noAutomation_;
  std::unique_ptr<Clipboard> clipboard_ = platform::MakeSystemClipboard();
  std::unique_ptr<platform::MainWindow> window_;
};

// Texts of the form, as code page 936 bytes.
inline constexpr const char* kStartTestCaption = "\xBF\xAA\xCA\xBC\xB2\xE2\xCB\xD9";  // 开始测速
inline constexpr const char* kOpenHostsCaption =
    "\xB4\xF2\xBF\xAA"
    "HOSTS";  // 打开HOSTS
inline constexpr const char* kOpenServiceCaption =
    "\xB4\xF2\xBF\xAA"
    "17E";                                                      // 打开17E
inline constexpr const char* kDelayTitle = "\xD1\xD3\xB3\xD9";  // 延迟

}  // namespace vantrel::testing_support

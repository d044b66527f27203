#include "platform/linux/window/main_window.h"

#include <QFont>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

#include "app/form.h"
#include "platform/linux/window/out_of_memory.h"
#include "platform/linux/window/qt_text.h"
#include "platform/linux/window/window_key_filter.h"

namespace vantrel::platform {

namespace {

// The form's font; fontconfig stands in a CJK face where "微软雅黑" itself is missing.
QFont ControlFont(const FontDescription& description) {
  QFont font(ToQString(description.face));
  font.setPixelSize(description.height < 0 ? -description.height : description.height);
  font.setWeight(description.weight >= 700 ? QFont::Bold : QFont::Normal);
  return font;
}

// Controls take the focus only when clicked: none is a tab stop.
void PlaceControl(QWidget& control, const ControlDescription& description, const QFont& font) {
  control.setObjectName(ToQString(description.name));
  control.setGeometry(description.rect.left, description.rect.top, description.rect.width,
                      description.rect.height);
  control.setFont(font);
  control.setFocusPolicy(Qt::ClickFocus);
}

}  // namespace

MainWindow::MainWindow(const WindowServices& services)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint) {
  const FormDescription& form = MainWindowForm();
  setWindowTitle(ToQString(form.caption));
  setFixedSize(form.width - 2 * kWindowsFrameWidth,
               form.height - kWindowsCaptionHeight - 2 * kWindowsFrameWidth);
  setFocusPolicy(Qt::NoFocus);
  setBackgroundRole(QPalette::Button);
  setAutoFillBackground(true);

  ReserveMemoryForTheMessage();
  CreateControls();
  commands_ = std::make_unique<WindowCommands>(*editBox_, *addressList_, services);

  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const Point at = CenteredPosition(screen.width(), screen.height(), form.width, form.height);
  move(screen.left() + at.x, screen.top() + at.y);
}

MainWindow::~MainWindow() = default;

void MainWindow::RunCommand(EventBinding binding) {
  RunOrEndForLackOfMemory([&] { commands_->Run(binding); });
}

void MainWindow::CreateControls() {
  const FormDescription& form = MainWindowForm();
  const QFont font = ControlFont(form.controlFont);
  auto* keys = new WindowKeyFilter(*this);  // a child of the window
  keys->Watch(*this, FocusKind::kWindow);

  for (const ControlDescription& control : form.controls) {
    const EventBinding binding = control.binding;
    switch (control.kind) {
      case ControlKind::kButton: {
        auto* button = new QPushButton(ToQString(control.text), this);
        button->setAutoDefault(false);
        PlaceControl(*button, control, font);
        keys->Watch(*button, FocusKind::kButton);
        connect(button, &QPushButton::clicked, this, [this, binding] { RunCommand(binding); });
        break;
      }
      case ControlKind::kEditBox: {
        editBox_ = new PageEditWidget(this);
        PlaceControl(*editBox_, control, font);
        editBox_->SetText(control.text);
        editBox_->moveCursor(QTextCursor::Start);
        keys->Watch(*editBox_, FocusKind::kEditBox);
        break;
      }
      case ControlKind::kListView: {
        QList<QPair<QString, int>> columns;
        for (const ColumnDescription& column : form.listColumns) {
          columns.append({ToQString(column.title), column.width});
        }
        addressList_ = new AddressListWidget(this, columns);
        PlaceControl(*addressList_, control, font);
        keys->Watch(*addressList_, FocusKind::kListView);
        connect(addressList_, &AddressListWidget::leftClicked, this,
                [this, binding] { RunCommand(binding); });
        break;
      }
    }
  }
}

}  // namespace vantrel::platform

// The window and the clipboard on a real X server, seen from other X clients: the hints a window
// manager would obey, the place on the screen, and the clipboard read by another process.
// Skipped when there is no DISPLAY; run-x11-tests.sh starts an Xvfb for them.
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>

#include "window_fixture.h"

namespace vantrel::testing_support {
namespace {

class WindowX11Test : public WindowTest {
 protected:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) GTEST_SKIP() << "no X display";
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    WindowTest::SetUp();
  }

  // Runs another X client to its end while this process keeps answering the X server (the
  // clipboard's owner must serve the other client's request).
  static QString RunClient(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForStarted());
    for (int waited = 0; process.state() != QProcess::NotRunning && waited < 10000; waited += 10) {
      process.waitForFinished(10);
      QCoreApplication::processEvents();
    }
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
  }

  QString WindowId() { return QString::number(window().winId()); }
};

TEST_F(WindowX11Test, WindowManagerIsAskedForAFixedSizeWithoutMaximise) {
  const QString hints = RunClient("xprop", {"-id", WindowId(), "WM_NORMAL_HINTS", "WM_NAME"});
  EXPECT_TRUE(hints.contains("program specified minimum size: 471 by 208")) << hints.toStdString();
  EXPECT_TRUE(hints.contains("program specified maximum size: 471 by 208")) << hints.toStdString();
  EXPECT_TRUE(hints.contains("\"Vantrel\"")) << hints.toStdString();
  // _MOTIF_WM_HINTS: flags, functions, decorations. Functions: move 4, minimise 8, maximise 16,
  // close 32. Qt always offers resize (2); the equal minimum and maximum sizes above forbid it.
  const QString motif = RunClient("xprop", {"-id", WindowId(), "_MOTIF_WM_HINTS"});
  const QRegularExpressionMatch fields =
      QRegularExpression("= (0x[0-9a-f]+|\\d+), (0x[0-9a-f]+|\\d+)").match(motif);
  ASSERT_TRUE(fields.hasMatch()) << motif.toStdString();
  const unsigned functions = fields.captured(2).toUInt(nullptr, 0);
  EXPECT_FALSE(functions & 16u) << "maximise offered: " << motif.toStdString();
  EXPECT_TRUE(functions & 8u) << "no minimise: " << motif.toStdString();
  EXPECT_TRUE(functions & 32u) << "no close: " << motif.toStdString();
}

TEST_F(WindowX11Test, WindowStandsCentredOnTheXScreen) {
  const QString info = RunClient("xwininfo", {"-id", WindowId()});
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const auto number = [&](const char* label) {
    return QRegularExpression(QString(label) + ":\\s+(-?\\d+)").match(info).captured(1).toInt();
  };
  // No window manager runs on the test's server, so the frame is the client area itself.
  EXPECT_EQ(number("Absolute upper-left X"), (screen.width() - 477) / 2) << info.toStdString();
  EXPECT_EQ(number("Absolute upper-left Y"), (screen.height() - 237) / 2) << info.toStdString();
  EXPECT_EQ(number("Width"), 471);
  EXPECT_EQ(number("Height"), 208);
}

TEST_F(WindowX11Test, ClickedAddressReachesAnotherProgramsClipboard) {
  FillList(
      {{"\xB5\xE7\xD0\xC5.example.invalid", "3"}, {"10.0.0.2", "-1"}});  // 电信.example.invalid
  ClickCell(0, 1);
  EXPECT_EQ(RunClient(QCoreApplication::applicationFilePath(), {"--print-clipboard"}),
            QString::fromUtf8("电信.example.invalid"));
  ClickCell(1, 0);
  EXPECT_EQ(RunClient(QCoreApplication::applicationFilePath(), {"--print-clipboard"}),
            QStringLiteral("10.0.0.2"));
}

}  // namespace
}  // namespace vantrel::testing_support

// The list clicked while another X client owns the CLIPBOARD selection: the click takes the
// selection over at once, without waiting for the owner, and from then on a third client reads
// the copied address, not the owner's text. Skipped without a DISPLAY.
//
// The test program doubles as those other clients: `--hold-clipboard TEXT` takes the selection,
// prints "held" and keeps running; `--print-clipboard` prints the selection's text as UTF-8.
#include <QClipboard>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "window_linux/window_fixture.h"

namespace vantrel::testing_support {
namespace {

// A safety bound for a client that never answers, not a measure of speed.
constexpr int kClientSafetyBoundMs = 20000;

class ClipboardOwnerTest : public WindowTest {
 protected:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) GTEST_SKIP() << "no X display";
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    WindowTest::SetUp();
  }

  // Processes this client's events until `done` or the bound.
  template <typename Done>
  static bool Await(Done done) {
    QElapsedTimer timer;
    timer.start();
    while (!timer.hasExpired(kClientSafetyBoundMs)) {
      if (done()) return true;
      QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
      QThread::msleep(1);
    }
    return done();
  }

  static QString ReadClipboardElsewhere() {
    QProcess reader;
    reader.start(QCoreApplication::applicationFilePath(), {"--print-clipboard"});
    EXPECT_TRUE(Await([&] { return reader.state() == QProcess::NotRunning; }));
    return QString::fromUtf8(reader.readAllStandardOutput());
  }
};

TEST_F(ClipboardOwnerTest, ClickTakesTheSelectionFromItsOwner) {
  FillList(
      {{"10.0.0.1", "3"}, {"\xB5\xE7\xD0\xC5.example.invalid", "-1"}});  // 电信.example.invalid
  QProcess holder;
  holder.start(QCoreApplication::applicationFilePath(), {"--hold-clipboard", "theirs"});
  ASSERT_TRUE(Await([&] {
    return holder.readAllStandardOutput().contains("held") ||
           holder.state() == QProcess::NotRunning;
  }));
  ASSERT_EQ(holder.state(), QProcess::Running) << holder.readAllStandardError().toStdString();
  EXPECT_EQ(ReadClipboardElsewhere(), QStringLiteral("theirs"));
  EXPECT_FALSE(QGuiApplication::clipboard()->ownsClipboard());

  ClickCell(1, 1);  // returns: the copy does not wait for the owner
  EXPECT_TRUE(QGuiApplication::clipboard()->ownsClipboard());
  // Every other client now gets the address from us, the holder still running.
  EXPECT_EQ(ReadClipboardElsewhere(), QString::fromUtf8("电信.example.invalid"));
  EXPECT_EQ(holder.state(), QProcess::Running);
  holder.terminate();
  EXPECT_TRUE(Await([&] { return holder.state() == QProcess::NotRunning; }));
}

// Holds the selection until it is ended; ends by itself with 3 after the bound.
int HoldClipboard(const QString& text) {
  QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
  QTimer::singleShot(0, [] {
    std::puts("held");
    std::fflush(stdout);
  });
  QTimer::singleShot(kClientSafetyBoundMs, [] { QCoreApplication::exit(3); });
  return QApplication::exec();
}

}  // namespace
}  // namespace vantrel::testing_support

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--hold-clipboard") == 0) {
    QApplication application(argc, argv);
    return vantrel::testing_support::HoldClipboard(QString::fromUtf8(argv[2]));
  }
  if (argc == 2 && std::strcmp(argv[1], "--print-clipboard") == 0) {
    QApplication application(argc, argv);
    std::fputs(QGuiApplication::clipboard()->text().toUtf8().constData(), stdout);
    return 0;
  }
  ::testing::InitGoogleTest(&argc, argv);
  // Listing the cases needs no display; running them makes the application when there is one.
  std::unique_ptr<QApplication> application;
  if (!qEnvironmentVariableIsEmpty("DISPLAY") && !GTEST_FLAG_GET(list_tests)) {
    application = std::make_unique<QApplication>(argc, argv);
  }
  return RUN_ALL_TESTS();
}

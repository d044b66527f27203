// The shell for real: the buttons start xdg-open, here a stand-in put first on PATH that writes
// its arguments to a file instead of opening a browser or a file manager.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "window_fixture.h"

namespace vantrel::testing_support {
namespace {

class XdgOpenShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    record_ = dir_.filePath("arguments");
    QFile script(dir_.filePath("xdg-open"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    // One line per call: the argument count, then each argument between brackets.
    script.write(("#!/bin/sh\n{ printf '%s' \"$#\"; for a in \"$@\"; do printf ' [%s]' \"$a\"; "
                  "done; printf '\\n'; } >> '" +
                  record_.toStdString() + "'\n")
                     .c_str());
    script.close();
    script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    oldPath_ = qgetenv("PATH");
    qputenv("PATH", dir_.path().toLocal8Bit() + ":" + oldPath_);
  }
  void TearDown() override { qputenv("PATH", oldPath_); }

  // The recorded calls, once `count` of them have arrived; the stand-in runs detached.
  QStringList Calls(int count) {
    QStringList lines;
    for (int waited = 0; waited < 5000; waited += 20) {
      QFile file(record_);
      if (file.open(QIODevice::ReadOnly)) {
        lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
        if (lines.size() >= count) break;
      }
      QTest::qWait(20);
    }
    return lines;
  }

  QTemporaryDir dir_;
  QString record_;
  QByteArray oldPath_;
};

TEST_F(XdgOpenShellTest, OpensTheServicePageAndTheHostsFolderThroughXdgOpen) {
  std::unique_ptr<Shell> shell = platform::MakeSystemShell();
  shell->OpenWebAddress(Text(kServiceHomeUrl));
  EXPECT_EQ(Calls(1), QStringList{"1 [https://www.17e.com/]"});
  shell->OpenShellItem(Text(platform::HostsFolderPath()));
  EXPECT_EQ(Calls(2), (QStringList{"1 [https://www.17e.com/]", "1 [/etc]"}));
}

TEST_F(XdgOpenShellTest, ButtonsOfTheWindowRunItEveryTime) {
  Log log;
  FakePinger pinger(log);
  NoAutomation automation;
  std::unique_ptr<Shell> shell = platform::MakeSystemShell();
  std::unique_ptr<Clipboard> clipboard = platform::MakeSystemClipboard();
  platform::MainWindow window(
      WindowServices{automation, pinger, *shell, *clipboard, platform::HostsFolderPath()});
  window.show();
  QPushButton* hosts = nullptr;
  QPushButton* service = nullptr;
  for (QPushButton* button : window.findChildren<QPushButton*>()) {
    if (button->text() == platform::ToQString(kOpenHostsCaption)) hosts = button;
    if (button->text() == platform::ToQString(kOpenServiceCaption)) service = button;
  }
  ASSERT_TRUE(hosts != nullptr && service != nullptr);
  QTest::mouseClick(hosts, Qt::LeftButton);
  ASSERT_EQ(Calls(1).size(), 1);
  QTest::mouseClick(service, Qt::LeftButton);
  ASSERT_EQ(Calls(2).size(), 2);
  QTest::mouseClick(hosts, Qt::LeftButton);
  EXPECT_EQ(Calls(3), (QStringList{"1 [/etc]", "1 [https://www.17e.com/]", "1 [/etc]"}));
}

}  // namespace
}  // namespace vantrel::testing_support

// Runs the GoogleTest cases inside one QApplication. The application is made only when cases
// run, not when they are listed, and only when there is a platform to run on (offscreen, or an
// X display): cases that need a display skip without one.
//
// `--print-clipboard` makes the program a second clipboard client instead: it prints the
// clipboard's text as UTF-8 and exits.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

class QtApplicationEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
      return;
    }
    application_ = std::make_unique<QApplication>(argc_, argv_);
  }
  void TearDown() override { application_.reset(); }

 private:
  int argc_ = 1;
  char program_[8] = "vantrel";
  char* argv_[2] = {program_, nullptr};
  std::unique_ptr<QApplication> application_;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--print-clipboard") == 0) {
    QApplication application(argc, argv);
    std::fputs(QGuiApplication::clipboard()->text().toUtf8().constData(), stdout);
    return 0;
  }
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);  // gtest owns it
  return RUN_ALL_TESTS();
}

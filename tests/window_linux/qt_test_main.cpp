// Runs the GoogleTest cases inside one QApplication. The application is made only when cases
// run, not when they are listed, so that listing needs no display.
#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

namespace {

class QtApplicationEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { application_ = std::make_unique<QApplication>(argc_, argv_); }
  void TearDown() override { application_.reset(); }

 private:
  int argc_ = 1;
  char program_[8] = "vantrel";
  char* argv_[2] = {program_, nullptr};
  std::unique_ptr<QApplication> application_;
};

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);  // gtest owns it
  return RUN_ALL_TESTS();
}

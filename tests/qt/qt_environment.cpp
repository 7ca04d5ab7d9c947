// One QApplication for the whole program, on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

namespace {

class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "test_qt";
    static char* argv[] = {name, nullptr};
    application_ = new QApplication(argc, argv);
  }
  void TearDown() override {
    delete application_;
    application_ = nullptr;
  }

 private:
  QApplication* application_ = nullptr;
};

[[maybe_unused]] auto* const environment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace

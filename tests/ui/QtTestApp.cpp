// One QApplication for the whole test program, on the offscreen platform unless a display is
// chosen, and every test starting from the built-in texts and initial settings.

#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "base/untMesConst.h"
#include "chords/untChords.h"
#include "settings/untVars.h"

namespace {

class QtAppEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "test_ui";
    static char* argv[] = {name, nullptr};
    app_ = new QApplication(argc, argv);
  }
  void TearDown() override {
    delete app_;
    app_ = nullptr;
  }

 private:
  QApplication* app_ = nullptr;
};

class FreshState : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override {
    ResetSettings();
    ResetAllMes();
    SetNoteNotation(NoteNotation::English);
  }
};

const bool registered = [] {
  ::testing::AddGlobalTestEnvironment(new QtAppEnvironment);
  ::testing::UnitTest::GetInstance()->listeners().Append(new FreshState);
  return true;
}();

}  // namespace

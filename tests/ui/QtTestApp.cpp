// One QApplication for the whole test program, on the offscreen platform unless a display is
// chosen, and every test starting from the built-in texts and initial settings.

#include <gtest/gtest.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

#include "base/untMesConst.h"
#include "chords/untChords.h"
#include "settings/untVars.h"

namespace {

class QtAppEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (!platform || std::string(platform) == "offscreen") {
      // A laptop's screen of 1280 x 800 with a framed window, as the window meets on a desktop;
      // CANTARO_TEST_SCREEN="WIDTHxHEIGHT@DPI" another one (with QT_SCALE_FACTOR for a scale).
      int width = 1280, height = 800, dpi = 96;
      if (const char* screen = std::getenv("CANTARO_TEST_SCREEN"))
        std::sscanf(screen, "%dx%d@%d", &width, &height, &dpi);
      const std::string config = ::testing::TempDir() + "cantaro-offscreen-" + std::to_string(::getpid()) + ".json";
      std::ofstream(config) << R"({"windowFrameMargins": true, "screens": [{"name": "screen", "x": 0, "y": 0,)"
                               R"( "width": )" << width << R"(, "height": )" << height << R"(, "logicalDpi": )" << dpi
                            << R"(, "logicalBaseDpi": 96, "dpr": 1}]})";
      setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).c_str(), 1);
    }
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
    ResetAllMes();
  }
};

const bool registered = [] {
  ::testing::AddGlobalTestEnvironment(new QtAppEnvironment);
  ::testing::UnitTest::GetInstance()->listeners().Append(new FreshState);
  return true;
}();

}  // namespace

// The GUI tests run real widgets, so they need an application object before the first
// test. With no display they draw off screen, on a laptop screen of 1280 x 720 pixels with
// a larger desk screen to its right (tests/gui/screens.json).
#include <gtest/gtest.h>

#include <QApplication>
#include <vector>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  std::vector<char*> args(argv, argv + argc);
  std::string platform = "offscreen:configfile=" KESTRAVO_SOURCE_DIR "/tests/gui/screens.json";
  if (qgetenv("QT_QPA_PLATFORM") == "offscreen") {
    args.push_back(const_cast<char*>("-platform"));
    args.push_back(platform.data());
  }
  int count = static_cast<int>(args.size());
  args.push_back(nullptr);
  QApplication app(count, args.data());
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

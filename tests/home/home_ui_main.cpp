// Runs the widget tests on the offscreen platform with a private runtime folder.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir runtime;
  qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

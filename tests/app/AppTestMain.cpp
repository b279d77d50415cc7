#include <gtest/gtest.h>

#include <QApplication>

// The GUI tests run on the offscreen platform unless told otherwise.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The data files lie beside the built programs, not beside the tests.
  if (qEnvironmentVariableIsEmpty("TAVO_DATA_DIR")) qputenv("TAVO_DATA_DIR", TAVO_BIN_DIR);
  // The tests run in Chinese, the texts as written, unless one asks for
  // English; so do the programs they start, whatever the locale says.
  qputenv("LANGUAGE", "zh_CN");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

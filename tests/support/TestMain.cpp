#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
  // The tests run in Chinese, the texts as written; so do the programs they
  // start, whatever the locale of the machine says.
  setenv("LANGUAGE", "zh_CN", 1);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

#include <gtest/gtest.h>

#include "base/Substitute.h"

namespace tavo {
namespace {

TEST(Substitute, PutsEachArgumentWhereItsNumberStands) {
  EXPECT_EQ(Substitute("第%1号画面有%2个元件", {"3", "256"}), "第3号画面有256个元件");
  EXPECT_EQ(Substitute("%2 before %1", {"a", "b"}), "b before a");
  EXPECT_EQ(Substitute("%1 and %1", {"x"}), "x and x");
}

TEST(Substitute, AnArgumentIsTakenAsItIs) {
  // A file name holding a placeholder must not be filled in a second time.
  EXPECT_EQ(Substitute("%1 格式错。%2", {"a%2.orx", "!"}), "a%2.orx 格式错。!");
  EXPECT_EQ(Substitute("100% of %1", {"it"}), "100% of it");
  EXPECT_EQ(Substitute("%3 and %", {"a"}), "%3 and %");
}

}  // namespace
}  // namespace tavo

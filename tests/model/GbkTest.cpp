#include <gtest/gtest.h>

#include <thread>

#include "base/Gbk.h"

namespace tavo {
namespace {

// ASCII passes through both ways; 0x80 is already GBK's euro sign.
TEST(Gbk, AsciiIsItselfAndTheByteAfterItIsNot) {
  std::string ascii;
  for (int c = 0; c < 0x80; ++c) ascii += static_cast<char>(c);
  std::string out;
  ASSERT_TRUE(GbkToUtf8(ascii, out, true));
  EXPECT_EQ(out, ascii);
  ASSERT_TRUE(Utf8ToGbk(ascii, out, true));
  EXPECT_EQ(out, ascii);
  ASSERT_TRUE(GbkToUtf8("A\x80", out, true));
  EXPECT_EQ(out, "A€");
}

// A refused conversion leaves nothing behind for the next one, and threads
// converting at once each get their own results.
TEST(Gbk, ConversionsAreIndependent) {
  std::string out;
  EXPECT_FALSE(Utf8ToGbk("温度\xC3", out, true));  // cut in a character
  EXPECT_FALSE(GbkToUtf8("\xB0", out, true));
  ASSERT_TRUE(Utf8ToGbk("温度", out, true));
  EXPECT_EQ(out, "\xCE\xC2\xB6\xC8");
  EXPECT_EQ(GbkToUtf8("\xCE\xC2\xFF"), "温\xEF\xBF\xBD");

  const std::string texts[] = {"温度监控", "运行 Run", "停止€", "报警😀"};
  std::vector<std::thread> threads;
  std::vector<int> wrong(std::size(texts), 0);
  for (size_t t = 0; t < std::size(texts); ++t) {
    threads.emplace_back([&, t] {
      const std::string gbk = Utf8ToGbk(texts[t]);
      for (int i = 0; i < 2000; ++i) {
        std::string back;
        wrong[t] +=
            !GbkToUtf8(gbk, back, false) || back != GbkToUtf8(gbk) || Utf8ToGbk(back) != gbk;
      }
    });
  }
  for (auto& t : threads) t.join();
  for (size_t t = 0; t < std::size(texts); ++t) EXPECT_EQ(wrong[t], 0) << texts[t];
  EXPECT_EQ(GbkToUtf8(Utf8ToGbk("报警😀")), "报警?");
}

}  // namespace
}  // namespace tavo

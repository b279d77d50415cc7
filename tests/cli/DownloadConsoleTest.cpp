// The console side of `tavo download`: the progress display and the reading
// of answers to the cancel question.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "cli/DownloadConsole.h"

namespace tavo::cli {
namespace {

// Everything written to a stream while `run` uses it.
template <typename Run>
std::string Written(Run run) {
  char* data = nullptr;
  size_t size = 0;
  std::FILE* out = open_memstream(&data, &size);
  run(out);
  std::fclose(out);
  std::string text(data, size);
  std::free(data);
  return text;
}

size_t Count(const std::string& text, const std::string& what) {
  size_t n = 0;
  for (size_t at = 0; (at = text.find(what, at)) != std::string::npos; at += what.size()) ++n;
  return n;
}

TEST(ProgressLine, LogGetsOneLinePerQuarterWhateverTheUpdates) {
  const std::string log = Written([](std::FILE* out) {
    ProgressLine bar(out, false, 10000);
    for (int p = 50; p <= 10000; p += 102) bar.Update(p);
    bar.Update(10000);
    bar.Break();
  });
  EXPECT_EQ(log,
            "正在下载画面数据...... 0%\n"
            "正在下载画面数据...... 26%\n"
            "正在下载画面数据...... 50%\n"
            "正在下载画面数据...... 75%\n"
            "正在下载画面数据...... 100%\n");
}

TEST(ProgressLine, TerminalRedrawsOneLineAndBreaksItForMessages) {
  const std::string screen = Written([](std::FILE* out) {
    ProgressLine bar(out, true, 10000);
    bar.Update(0);
    bar.Update(40);  // same percent: not drawn again
    bar.Update(5000);
    bar.Break();
    bar.Break();       // nothing open: no empty line
    bar.Update(5000);  // drawn again below the message
    bar.Update(10000);
  });
  EXPECT_EQ(Count(screen, "\r"), 4u);
  EXPECT_EQ(Count(screen, "\n"), 1u);
  EXPECT_NE(screen.find("[" + std::string(30, '.') + "]   0%\r"), std::string::npos);
  EXPECT_NE(screen.find("[" + std::string(15, '#') + std::string(15, '.') + "]  50%\n"),
            std::string::npos);
  EXPECT_EQ(screen.substr(screen.rfind('\r')),
            "\r正在下载画面数据...... [" + std::string(30, '#') + "] 100%");
}

TEST(CancelAnswer, ReadsBothLanguagesAndRefusesTheRest) {
  for (const char* ok : {"ok", " OK ", "y", "yes", "确定\r"})
    EXPECT_EQ(ParseOkCancelAnswer(ok), std::optional<bool>(true)) << ok;
  for (const char* cancel : {"cancel", "C", "no", "取消"})
    EXPECT_EQ(ParseOkCancelAnswer(cancel), std::optional<bool>(false)) << cancel;
  for (const char* neither : {"", "okay", "q"})
    EXPECT_EQ(ParseOkCancelAnswer(neither), std::nullopt) << neither;
}

}  // namespace
}  // namespace tavo::cli

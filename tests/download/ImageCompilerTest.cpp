// What the compiler refuses, the warning question and the failures of a
// download's compile phase.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>

#include "download/ImageTestSupport.h"
#include "elements/Bar.h"
#include "elements/Chars.h"
#include "elements/Register.h"
#include "elements/UpLoadPic.h"
#include "plc/ProtocolFiles.h"
#include "render/FontTestSupport.h"

namespace tavo {
namespace {

using test::ImageProject;
using test::Word;

const std::string kCaption = "下载画面数据";

bool AllReleased(const Project& project) {
  for (auto& screen : project.m_screens)
    for (auto& e : screen->m_elements)
      if (!e->m_code.empty()) return false;
  return project.m_alarmList.m_header.empty();
}

TEST(ImageLimits, ScreenOf255ElementsCompilesAnd256IsRefused) {
  ImageProject p(3);
  for (int i = 0; i < 255; ++i) p.Add<CChars>(3, 0, 0, Point{0, 0}, "a");
  const CompiledImage fits = p.Compile();
  ASSERT_TRUE(fits.Ok());
  EXPECT_EQ(fits.image[Word(fits, 0x8002) - 0x8000 + 2], 255);

  p.Add<CChars>(3, 0, 0, Point{0, 0}, "a");
  const CompiledImage refused = p.Compile();
  EXPECT_EQ(refused.outcome, CompileOutcome::kRefused);
  EXPECT_TRUE(refused.image.empty());
  ASSERT_EQ(p.prompter.said.size(), 1u);
  EXPECT_EQ(p.prompter.said[0].text, "3号画面有256个元件，超出每个画面最多255个元件，不能下载!");
  EXPECT_EQ(p.prompter.said[0].caption, kCaption);
  EXPECT_TRUE(AllReleased(p.project));
}

// Fills a project up to `size` bytes with large pictures, one small picture
// and a text whose length settles the last bytes.
void FillTo(ImageProject& p, size_t size) {
  auto measure = [&] {
    ImageCompiler c(p.project, {});
    c.CompileRecords();
    return c.ImageSize();
  };
  CChars& text = p.Add<CChars>(1, 0, 0, Point{0, 0}, "a");
  uint16_t screen = 1;
  auto addPicture = [&](size_t w, int h) {
    if (p.Screen(screen).ElementCount() >= 200) ++screen;
    p.Add<CUpLoadPic>(screen, 0, 0, Point{0, 0}, static_cast<int>(w), h);
  };
  while (size - measure() > 1980) addPicture(196, 64);  // 3 + 9 + 1568 bytes
  addPicture(std::min<size_t>(196, (size - measure() - 300) / 8), 64);
  addPicture(std::min<size_t>(196, size - measure() - 100), 8);
  text.m_text.append(size - measure(), 'a');
  ASSERT_EQ(measure(), size);
}

TEST(ImageLimits, ImageOf32767BytesCompilesAndOneMoreIsRefused) {
  ImageProject p(3);
  FillTo(p, 32767);
  const CompiledImage fits = p.Compile();
  ASSERT_TRUE(fits.Ok());
  EXPECT_EQ(fits.Size(), 32767u);
  EXPECT_EQ(Word(fits, 0x8004), 0xFFFF);

  ImageProject q(3);
  FillTo(q, 32768);
  const CompiledImage refused = q.Compile();
  EXPECT_EQ(refused.outcome, CompileOutcome::kRefused);
  EXPECT_TRUE(refused.image.empty());
  ASSERT_EQ(q.prompter.Messages().size(), 1u);
  EXPECT_EQ(q.prompter.Messages()[0],
            "画面数据共32768字节，超出下位机画面数据区的32767字节，不能下载!");
  EXPECT_TRUE(AllReleased(q.project));
}

TEST(ImageWarning, LimitsOrScaleOutOfOrderAskWhetherToCancel) {
  struct Case {
    bool badRegister, badBar;
    std::deque<Answer> answers;
    CompileOutcome outcome;
    size_t questions;
  };
  const std::vector<Case> cases = {
      {false, false, {}, CompileOutcome::kCompiled, 0},
      {true, false, {Answer::Ok}, CompileOutcome::kCancelled, 1},
      {true, false, {Answer::Cancel}, CompileOutcome::kCompiled, 1},
      {false, true, {Answer::Ok}, CompileOutcome::kCancelled, 1},
      {true, true, {Answer::Cancel}, CompileOutcome::kCompiled, 1},
  };
  for (const auto& c : cases) {
    ImageProject p(3);
    CRegister& reg = p.Add<CRegister>(1, 0, 0);
    reg.m_limited = 1;
    if (c.badRegister) reg.m_inHigh = reg.m_inLow = 100;
    CBar& bar = p.Add<CBar>(2, 0, 16);
    if (c.badBar) bar.m_zeroScale = bar.m_fullScale;
    p.prompter.answers = c.answers;
    p.project.SetModified(false);
    const CompiledImage image = p.Compile();
    EXPECT_EQ(image.outcome, c.outcome);
    // A correction is a change of the project, whatever the answer.
    std::vector<uint16_t> corrected;
    if (c.badRegister) corrected.push_back(1);
    if (c.badBar) corrected.push_back(2);
    EXPECT_EQ(image.correctedScreens, corrected);
    EXPECT_EQ(p.project.IsModified(), !corrected.empty());
    ASSERT_EQ(p.prompter.said.size(), c.questions);
    if (c.questions) {
      EXPECT_EQ(p.prompter.said[0].kind, "okcancel");
      EXPECT_EQ(p.prompter.said[0].text, "寄存器原始数据上下限输入有误，取消下载吗?");
      EXPECT_EQ(p.prompter.said[0].caption, kCaption);
    }
    if (c.outcome == CompileOutcome::kCancelled) {
      EXPECT_TRUE(image.image.empty());
    }
    if (c.badRegister) {
      EXPECT_EQ(reg.m_inHigh, 101);  // corrected whatever the answer
    }
    EXPECT_TRUE(AllReleased(p.project));
  }
}

TEST(ImageFailure, MissingFontLibraryNamesTheFile) {
  test::TempDir dir;
  ImageProject p(3);
  p.Add<CChars>(1, 0, 0, Point{0, 0}, "a");
  ImageCompilerOptions options;
  options.chineseFontPath = dir.File("ormed_CH.dat");
  const CompiledImage image = p.Compile(options);
  EXPECT_EQ(image.outcome, CompileOutcome::kFailed);
  EXPECT_TRUE(image.image.empty());
  ASSERT_EQ(p.prompter.Messages().size(), 1u);
  EXPECT_EQ(p.prompter.Messages()[0], "请确认文件" + dir.File("ormed_CH.dat") + "是否存在!");
  EXPECT_EQ(p.prompter.said[0].caption, kCaption);
  EXPECT_TRUE(AllReleased(p.project));
}

TEST(ImageFailure, ProtocolMissingFromTheProtocolFile) {
  test::TempDir dir;
  std::vector<uint8_t> file;
  std::string error;
  ASSERT_TRUE(BuildProtocolFile({{2, 1, {1, 2}}, {16, 4, {9}}}, file, error));
  const std::string ptc = dir.Write("ormed_Ptc.dat", file);
  ProtocolFiles files(ptc, "");  // the command never writes "In.dat"

  ImageProject p(3);
  p.Screen(1);
  ImageCompilerOptions options;
  options.loadDriver = DriverFromProtocolFiles(files);
  CompiledImage image = p.Compile(options);
  EXPECT_EQ(image.outcome, CompileOutcome::kFailed);
  ASSERT_EQ(p.prompter.Messages().size(), 1u);
  EXPECT_EQ(p.prompter.Messages()[0], "此协议不存在!");
  EXPECT_EQ(p.project.m_settings.m_startScreen, 1);  // the header was never built

  ImageProject q(16);
  q.Screen(1);
  image = q.Compile(options);
  ASSERT_TRUE(image.Ok());
  EXPECT_EQ(image.image[13], 4);               // the driver's version
  EXPECT_EQ(image.driver.bytes.size(), 129u);  // L + 128 bytes
  EXPECT_EQ(image.driver.bytes[0], 9);
  EXPECT_EQ(q.project.m_settings.m_plcPos, 1);
}

}  // namespace
}  // namespace tavo

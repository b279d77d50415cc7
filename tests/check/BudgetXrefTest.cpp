// The image budget against the image the compiler builds, and the address
// cross-reference with its exports.
#include "base/DataFiles.h"
#include "check/CheckSupport.h"
#include "check/CrossReference.h"
#include "check/ImageBudget.h"
#include "download/ImageCompiler.h"
#include "elements/Chars.h"
#include "elements/Dynamic.h"
#include "elements/Function.h"
#include "elements/Light.h"
#include "elements/Register.h"
#include "elements/UpLoadPic.h"
#include "plc/Catalogue.h"

namespace tavo::test {
namespace {

ImageCompilerOptions StubDriver() {
  ImageCompilerOptions o;
  o.loadDriver = [](PanelSettings&, ProtocolDriver& d) {
    d.version = 1;
    return true;
  };
  return o;
}

TEST_F(CheckTest, TheBudgetAddsUpToTheCompiledImage) {
  Put<CChars>(First(), 0, 0, Point{}, G("温度A"));
  Put<CLight>(First(), 100, 0);
  Put<CFunction>(First(), 120, 0).m_hand = 1;
  Put<CRegister>(First(), 0, 16).m_limited = 1;
  CMainView& second = Screen(2);
  Put<CDynamic>(second, 0, 0, Point{}, G("开启"));
  Put<CUpLoadPic>(second, 0, 16, Point{}, 20, 10);

  const ImageBudget budget = MeasureImage(project);
  const CompiledImage image = CompileImage(project, StubDriver());
  ASSERT_TRUE(image.Ok());
  EXPECT_EQ(budget.Total(), image.Size());
  EXPECT_EQ(budget.wideGlyphCount, image.wideGlyphs);
  EXPECT_EQ(budget.narrowGlyphCount, image.narrowGlyphs);
  EXPECT_EQ(budget.parts.lightPictures, 128u);
  EXPECT_EQ(budget.keyPictureCount, 2u);  // the key and the hand
  EXPECT_EQ(budget.Remaining(), static_cast<long long>(kMaxImageSize - image.Size()));

  // Every screen's share: its table entry, index entries, records and tables.
  ASSERT_EQ(budget.parts.screens.size(), 2u);
  const ImageParts& p = budget.parts;
  EXPECT_EQ(p.screens[0].bytes + p.screens[1].bytes,
            p.screenTable + p.elementIndex + p.records + p.dynamicTables);
  EXPECT_EQ(p.screens[1].elements, 2u);
  EXPECT_NE(BudgetToJson(budget).find("\"remaining\": " + std::to_string(budget.Remaining())),
            std::string::npos);
  EXPECT_EQ(GroupedNumber(31204), "31,204");
  EXPECT_EQ(GroupedNumber(-1234567), "-1,234,567");
}

TEST_F(CheckTest, MeasuringLeavesTheProjectAsItWas) {
  CRegister& r = Put<CRegister>(First(), 0, 0);
  r.m_inHigh = 3;
  r.m_inLow = 9;
  project.m_settings.m_startScreen = 8;
  const ImageBudget budget = MeasureImage(project);
  EXPECT_GT(budget.Total(), 0u);
  EXPECT_EQ(r.m_inHigh, 3);
  EXPECT_TRUE(r.m_code.empty());
  EXPECT_EQ(project.m_settings.m_startScreen, 8);
}

TEST_F(CheckTest, CrossReferenceSortedByAddressWithReadsAndWrites) {
  CRegister& shown = Put<CRegister>(First(), 0, 0);
  shown.m_addr = 100;
  CMainView& second = Screen(2);
  second.m_description = G("配方, \"A\"");
  CFunction& set = Put<CFunction>(second, 0, 0);
  set.m_action = kActionSetRegister;
  set.m_addr = 100;
  CRegister& entry = Put<CRegister>(second, 0, 16);
  entry.m_addr = 5;
  entry.m_settable = 1;
  entry.m_regCount = 2;
  Put<CChars>(second, 0, 32, Point{}, std::string("no address"));

  const auto xref = BuildCrossReference(project, CurrentProfile());
  ASSERT_EQ(xref.size(), 4u);
  EXPECT_EQ(xref[0].user, "报警列表");  // coil 0x0 before the words
  EXPECT_TRUE(xref[0].binding.bit);
  EXPECT_EQ(XrefAddress(xref[1]), "4x5");
  EXPECT_EQ(xref[1].binding.access, Access::kReadWrite);
  EXPECT_EQ(xref[1].binding.width, 4u);
  EXPECT_EQ(xref[2].screen, 1);  // 4x100 read on screen 1, then written on screen 2
  EXPECT_EQ(xref[3].binding.access, Access::kWrite);
  EXPECT_EQ(xref[3].user, "功能键");

  std::vector<XrefEntry> writers;
  for (const XrefEntry& e : xref)
    if (XrefMatches(e, "4x100") && e.binding.access != Access::kRead) writers.push_back(e);
  ASSERT_EQ(writers.size(), 1u);
  EXPECT_EQ(writers[0].screen, 2);

  const std::string csv = XrefToCsv(xref);
  EXPECT_EQ(csv.substr(0, csv.find("\r\n")),
            "局号,类型,地址,子地址,位,读写,字节,个数,画面,画面说明,元件,序号,X,Y");
  EXPECT_NE(csv.find("1,4x,100,0,,写,2,1,2,\"配方, \"\"A\"\"\",功能键,1,0,0\r\n"),
            std::string::npos)
      << csv;
  EXPECT_NE(XrefToJson(xref).find("\"access\": \"readwrite\""), std::string::npos);
}

}  // namespace
}  // namespace tavo::test

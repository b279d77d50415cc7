// The property pages as widgets, driven as a user drives them: typing into
// number boxes, clicking check and radio buttons, choosing list entries,
// editing grid cells. Each case checks what the page shows and what the
// element holds.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include "PageWidgetFixture.h"
#include "app/pages/PageArea.h"
#include "app/pages/PageWidgets.h"
#include "base/Gbk.h"
#include "elements/Bar.h"
#include "elements/Chars.h"
#include "elements/Dynamic.h"
#include "elements/Function.h"
#include "elements/Light.h"
#include "elements/Register.h"
#include "elements/Tide.h"
#include "elements/UpLoadPic.h"
#include "model/PageHooks.h"
#include "model/Screen.h"

namespace tavo::pagetest {
namespace {

using namespace tavo::app;

TEST_F(PageWidgetTest, TextPageRoundTrip) {
  auto* text = Place<CChars>(kKindText);
  EXPECT_EQ(area.ShownPage(), QStringLiteral("文本属性"));
  auto* y = Find<CNumEdit>("c1088");
  TypeInto(y, QStringLiteral("300"));
  EXPECT_EQ(y->text(), QStringLiteral("30"));
  EXPECT_EQ(text->m_y, 30);
  EXPECT_EQ(text->m_rect.top, PanelToEditor(30));
  EXPECT_GT(rec.modified, 0);

  auto* edit = Find<CBindEdit>("c1086");
  TypeInto(edit, QStringLiteral("压力过高报警文字串测试!!"));  // 24 bytes fit, then "!"
  Keys(edit, QStringLiteral("X"));
  Settle();
  EXPECT_EQ(text->m_text.size(), 24u);
  EXPECT_EQ(edit->text(), QString::fromStdString(GbkToUtf8(text->m_text)));
  EXPECT_EQ(Find<CNumEdit>("c1087")->isEnabled(), false);  // 192 pixels wide: X only 0

  Click(Find<CBindCheck>("c1100"));
  EXPECT_EQ(text->m_inverse, 1);
  EXPECT_TRUE(Find<CBindCheck>("c1100")->isChecked());
}

TEST_F(PageWidgetTest, ArrowsAndDraggingUpdateTheBoxes) {
  auto* light = Place<CLight>(kKindLight);
  auto* x = Find<CNumEdit>("c1087");
  auto* spin = Find<CNumSpinCtrl>("c1087spin");
  Click(spin->Up());
  Click(spin->Up());
  EXPECT_EQ(light->m_x, 2);
  EXPECT_EQ(light->m_rect.left, PanelToEditor(2));
  Point anchor{0, 0};
  light->MoveBy({18, 0}, anchor);  // a drag of two steps
  EXPECT_EQ(x->text(), QStringLiteral("10"));
}

TEST_F(PageWidgetTest, RegisterPageCouplesDigitsAndDecimals) {
  auto* reg = Place<CRegister>(kKindRegister);
  EXPECT_EQ(area.ShownPage(), QStringLiteral("寄存器属性"));
  TypeInto(Find<CNumEdit>("c1086"), QStringLiteral("4"));
  TypeInto(Find<CNumEdit>("c1085"), QStringLiteral("3"));
  EXPECT_EQ(reg->m_digits, 3);
  EXPECT_EQ(reg->m_decimals, 3);
  EXPECT_EQ(Find<CNumEdit>("c1086")->text(), QStringLiteral("3"));
  Click(Find<QRadioButton>("c1131"));  // "HEX/BCD"
  EXPECT_EQ(reg->m_numFormat, 0);
  EXPECT_EQ(reg->m_decimals, 0);
  EXPECT_FALSE(Find<CNumEdit>("c1086")->isEnabled());
  EXPECT_FALSE(Find<CBindCheck>("c1089")->isEnabled());
  EXPECT_FALSE(Find<CNumEdit>("c1132")->isEnabled());
  Click(Find<CBindCheck>("c1118"));  // "上下限"
  EXPECT_TRUE(Find<CNumEdit>("c1132")->isEnabled());
  TypeInto(Find<CNumEdit>("c1132"), QStringLiteral("1FFFF"));
  EXPECT_EQ(reg->m_inHigh, 0x1FFF);
  EXPECT_EQ(reg->m_rect.Width(), 3 * 18);
}

TEST_F(PageWidgetTest, KeyPageShowsTheSubPageOfTheAction) {
  auto* key = Place<CFunction>(kKindKey);
  KeyPage* page = static_cast<KeyPage*>(area.Current());
  EXPECT_TRUE(page->SubPage(KeyPageLogic::kSubPageCoil)->isVisible());
  Click(Find<QRadioButton>("c1113"));  // "画面跳转"
  EXPECT_EQ(key->m_action, kActionJump);
  EXPECT_TRUE(page->SubPage(KeyPageLogic::kSubPageJump)->isVisible());
  EXPECT_FALSE(page->SubPage(KeyPageLogic::kSubPageCoil)->isVisible());
  EXPECT_FALSE(Find<QRadioButton>("c1084")->isVisible());  // "时间/日期"
  auto* number = Find<CNumEdit>("c1129");
  EXPECT_TRUE(number->isEnabled());
  TypeInto(number, QStringLiteral("12"));
  EXPECT_EQ(key->m_screenNo, 12);
  Click(Find<QRadioButton>("c1168"));  // "报警列表"
  EXPECT_EQ(key->m_jumpKind, 1);
  EXPECT_FALSE(number->isEnabled());

  Click(Find<QRadioButton>("c1114"));  // "设定寄存器"
  EXPECT_TRUE(page->SubPage(KeyPageLogic::kSubPageCoil)->isVisible());
  EXPECT_TRUE(Find<CNumEdit>("c1078")->isVisible());
  EXPECT_FALSE(
      page->SubPage(KeyPageLogic::kSubPageCoil)->findChild<QRadioButton*>("c1116")->isVisible());
  Click(Find<CBindCheck>("c1109"));  // "手形"
  EXPECT_EQ(key->m_rect.Width(), 72);
}

TEST_F(PageWidgetTest, DynamicTextGridAndMode) {
  auto* dyn = Place<CDynamic>(kKindDynamic);
  auto* page = static_cast<DynamicPage*>(area.Current());
  EXPECT_EQ(page->Grid()->item(0, 0)->text(), QStringLiteral("1"));
  Click(Find<CBindCheck>("c1091"));
  EXPECT_EQ(dyn->m_signed, 1);
  Click(Find<QRadioButton>("c1131"));  // "HEX/BCD"
  EXPECT_EQ(dyn->m_signed, 0);
  EXPECT_FALSE(Find<CBindCheck>("c1091")->isEnabled());
  EXPECT_FALSE(Find<CBindCheck>("c1091")->isChecked());

  page->OpenCell(2, DynamicPageLogic::kValueColumn);
  auto* value = page->Grid()->viewport()->findChild<CNumEdit*>("c1158");
  ASSERT_TRUE(value->isVisible());
  Keys(value, QStringLiteral("1aZ"));
  Settle();
  EXPECT_EQ(dyn->m_valueTexts[2], "1a");
  EXPECT_EQ(dyn->m_values[2], 0x1A);
  page->OpenCell(2, DynamicPageLogic::kTextColumn);
  auto* text = page->Grid()->viewport()->findChild<CBindEdit*>("c1080");
  Keys(text, QStringLiteral("运行中"));
  QTest::keyClick(text, Qt::Key_Return);
  Settle();
  EXPECT_EQ(dyn->m_texts[2], G("运行中"));
  EXPECT_EQ(page->Grid()->item(2, 1)->text(), QStringLiteral("运行中"));
  EXPECT_EQ(page->Grid()->item(2, 0)->text(), QStringLiteral("1a"));
}

TEST_F(PageWidgetTest, GraphPageDirectionExchangesTheSize) {
  auto* bar = Place<CBar>(kKindBar);
  EXPECT_EQ(area.ShownPage(), QStringLiteral("棒状图属性"));
  EXPECT_FALSE(Find<CNumEdit>("c1096")->isVisible());
  Choose(Find<QComboBox>("c1145"), 2);  // "向左"
  EXPECT_EQ(bar->m_direction, kBarLeft);
  EXPECT_EQ(bar->m_widthPx, 48);
  EXPECT_EQ(Find<CNumEdit>("c1089")->text(), QStringLiteral("48"));
  EXPECT_EQ(Find<CNumEdit>("c1090")->text(), QStringLiteral("16"));

  auto* trend = Place<CTide>(kKindTrend, {0, 0});
  EXPECT_EQ(area.ShownPage(), QStringLiteral("趋势图属性"));
  EXPECT_TRUE(Find<CNumEdit>("c1096")->isVisible());
  EXPECT_FALSE(Find<QComboBox>("c1145")->isVisible());
  TypeInto(Find<CNumEdit>("c1089"), QStringLiteral("30"));
  EXPECT_EQ(trend->m_widthPx, 30);
  EXPECT_EQ(trend->m_points, 20);
  TypeInto(Find<CNumEdit>("c1096"), QStringLiteral("29"));
  EXPECT_EQ(trend->m_points, 2);  // 29 is past 30 - 2; "2" stays
}

TEST_F(PageWidgetTest, TheScreenPageFollowsTheSelection) {
  area.ShowScreenPage();
  EXPECT_EQ(area.ShownPage(), QStringLiteral("画面属性"));
  EXPECT_EQ(Find<QLabel>("c1129")->text(), QStringLiteral("1号画面"));
  TypeInto(Find<CBindEdit>("c1123"), QStringLiteral("主画面"));
  EXPECT_EQ(rec.row, G("主画面"));
  // An element page lets go of its element before the element is deleted.
  Place<CChars>(kKindText);
  Find<CNumEdit>("c1087")->setFocus();
  screen.DeleteSelected();
  area.ShowScreenPage();
  Settle();
  EXPECT_EQ(area.ShownPage(), QStringLiteral("画面属性"));
}

// With TAVO_PAGE_SHOTS=DIR every page is saved there as a picture.
TEST_F(PageWidgetTest, Screenshots) {
  const QString dir = qEnvironmentVariable("TAVO_PAGE_SHOTS");
  if (dir.isEmpty()) GTEST_SKIP() << "TAVO_PAGE_SHOTS not set";
  QDir().mkpath(dir);
  area.ShowScreenPage();
  area.grab().save(dir + "/page159.png");
  const std::pair<uint8_t, const char*> kinds[] = {
      {kKindText, "page162"},       {kKindLight, "page163"},    {kKindKey, "page164"},
      {kKindDynamic, "page165"},    {kKindRegister, "page236"}, {kKindBar, "page242bar"},
      {kKindTrend, "page242trend"}, {kKindPicture, "page402"}};
  for (const auto& [kind, name] : kinds) {
    Place<CBase>(kind, {40, 20});
    Settle();
    area.grab().save(dir + "/" + name + ".png");
  }
}

}  // namespace
}  // namespace tavo::pagetest

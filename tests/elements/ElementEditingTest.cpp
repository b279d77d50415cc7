// Copies, options and the model edits the property pages make.
#include <gtest/gtest.h>

#include "base/Gbk.h"
#include "elements/AlarmList.h"
#include "elements/Bar.h"
#include "elements/Chars.h"
#include "elements/Dynamic.h"
#include "elements/Function.h"
#include "elements/Light.h"
#include "elements/Register.h"
#include "elements/Tide.h"
#include "elements/UpLoadPic.h"
#include "model/ElementFactory.h"

namespace tavo {
namespace {

TEST(ElementCopy, EveryKindCopiesItsFieldsButNotTheCompiledRecord) {
  for (uint8_t kind = 1; kind <= 8; ++kind) {
    auto e = CreateElement(kind, {40, 30});
    e->PlaceAt(40, 30);
    e->m_station = 9;
    e->m_addr = 0x1234;
    e->m_regCount = 2;
    e->m_inverse = 1;
    e->m_codeSize = 12;
    e->m_code.assign(12, 0xAB);
    auto copy = e->Clone();
    ASSERT_TRUE(copy) << int(kind);
    EXPECT_NE(copy.get(), e.get());
    EXPECT_STREQ(copy->ClassName(), e->ClassName());
    EXPECT_EQ(copy->m_kind, kind);
    EXPECT_EQ(copy->m_rect, e->m_rect);
    EXPECT_EQ(copy->m_x, e->m_x);
    EXPECT_EQ(copy->m_y, e->m_y);
    EXPECT_EQ(copy->m_station, 9);
    EXPECT_EQ(copy->m_addr, 0x1234);
    EXPECT_EQ(copy->m_regCount, 2);
    EXPECT_EQ(copy->m_inverse, 1);
    EXPECT_EQ(copy->m_codeSize, 0) << int(kind);
    EXPECT_TRUE(copy->m_code.empty()) << int(kind);
    EXPECT_EQ(e->m_code.size(), 12u);  // the source keeps its own
  }
}

TEST(ElementCopy, OwnFieldsAndNoDownloadWorkingData) {
  CDynamic d({0, 0}, G("甲"));
  d.m_texts[3] = "x";
  d.m_values[3] = -7;
  d.m_valueTexts[3] = "-7";
  d.m_subTypeAddr = 77;
  d.m_rowTexts = {"a"};
  d.m_rowValues = {1};
  d.m_rowBlockLens = {3};
  d.m_textBlock = {1, 2, 3};
  d.m_textBlockLen = 3;
  auto dc = d.Clone();
  auto& dcopy = dynamic_cast<CDynamic&>(*dc);
  EXPECT_EQ(dcopy.m_texts, d.m_texts);
  EXPECT_EQ(dcopy.m_values, d.m_values);
  EXPECT_EQ(dcopy.m_valueTexts, d.m_valueTexts);
  EXPECT_EQ(dcopy.m_subTypeAddr, 77);
  EXPECT_TRUE(dcopy.m_rowTexts.empty() && dcopy.m_rowValues.empty() &&
              dcopy.m_rowBlockLens.empty() && dcopy.m_textBlock.empty());
  EXPECT_EQ(dcopy.m_textBlockLen, 0);

  CUpLoadPic pic({0, 0}, 9, 2);
  pic.CaptureRgb(std::vector<uint32_t>(18, 0xFFFFFF));
  pic.m_dataLen = 18;
  auto pc = pic.Clone();
  auto& pcopy = dynamic_cast<CUpLoadPic&>(*pc);
  EXPECT_EQ(pcopy.m_bits, pic.m_bits);
  EXPECT_EQ(pcopy.m_info, pic.m_info);
  EXPECT_EQ(pcopy.m_infoBlock, pic.m_infoBlock);
  EXPECT_EQ(pcopy.m_captured, 1);
  EXPECT_EQ(pcopy.m_dataLen, 0);

  CTide trend({0, 0});
  trend.m_points = 33;
  trend.m_interval = 300;
  trend.m_trendIndex = 1;
  trend.m_trendCount = 3;
  auto tc = trend.Clone();
  auto& tcopy = dynamic_cast<CTide&>(*tc);
  EXPECT_EQ(tcopy.m_points, 33);
  EXPECT_EQ(tcopy.m_interval, 300);
  EXPECT_EQ(tcopy.m_trendIndex + tcopy.m_trendCount, 0);

  CFunction key({0, 0});
  key.m_hand = 1;
  key.m_setValue = -2;
  key.m_coilSubTypeCode = 0x16;
  auto kc = key.Clone();
  auto& kcopy = dynamic_cast<CFunction&>(*kc);
  EXPECT_EQ(kcopy.m_hand, 1);
  EXPECT_EQ(kcopy.m_setValue, -2);
  EXPECT_EQ(kcopy.m_coilSubTypeCode, 0x16);
}

TEST(KeyOptions, RadioChoicesLandInTheirFields) {
  CFunction key({0, 0});
  key.SetOption(3, kOptionAction);
  key.SetOption(2, kOptionCoilOp);
  key.SetOption(1, kOptionJumpKind);
  key.SetOption(3, kOptionRecipeOp);
  EXPECT_EQ(key.m_action, 3);
  EXPECT_EQ(key.m_coilOp, 2);
  EXPECT_EQ(key.m_jumpKind, 1);
  EXPECT_EQ(key.m_recipeOp, 3);
  const uint8_t format = key.m_numFormat;
  key.SetOption(0, 0);
  key.SetOption(0, 5);
  EXPECT_EQ(key.m_action, 3);
  EXPECT_EQ(key.m_recipeOp, 3);
  EXPECT_EQ(key.m_numFormat, format);

  CRegister reg({0, 0});
  reg.SetOption(0, 7);  // the other kinds store the mode whatever `which` says
  EXPECT_EQ(reg.m_numFormat, 0);
}

TEST(KeyOptions, ValueFormatSetsSignedAndHex) {
  struct Case {
    uint8_t format, valueSigned, hex;
  } cases[] = {{2, 1, 0}, {1, 0, 1}, {0, 0, 0}};
  CFunction key({0, 0});
  for (auto c : cases) {
    key.SetValueFormat(c.format);
    EXPECT_EQ(key.m_valueFormat, c.format);
    EXPECT_EQ(key.m_valueSigned, c.valueSigned);
    EXPECT_EQ(key.m_signed, c.valueSigned);
    EXPECT_EQ(key.m_valueHex, c.hex);
  }
}

TEST(PictureNumbers, LampsKeysAndHand) {
  CLight light({0, 0});
  struct LightCase {
    uint8_t style, inverse;
    int shown, other;
  } lights[] = {{0, 0, 0, 1}, {0, 1, 1, 0}, {1, 0, 2, 3}, {1, 1, 3, 2}};
  for (auto c : lights) {
    light.m_picStyle = c.style;
    light.m_inverse = c.inverse;
    EXPECT_EQ(light.Picture(), c.shown);
    EXPECT_EQ(light.OtherPicture(), c.other);
  }
  CFunction key({0, 0});
  struct KeyCase {
    uint8_t style, inverse, hidden;
    int key, hand;
  } keys[] = {
      {0, 0, 0, 4, 64}, {0, 1, 0, 5, 65}, {2, 0, 1, 12, 64}, {2, 1, 1, 12, 65}, {18, 1, 0, 59, 65}};
  for (auto c : keys) {
    key.m_picStyle = c.style;
    key.m_inverse = c.inverse;
    key.m_hidden = c.hidden;
    EXPECT_EQ(key.KeyPicture(), c.key);
    EXPECT_EQ(key.HandPicture(), c.hand);
  }
}

TEST(DynamicRows, EditingFromTheGrid) {
  CDynamic d({0, 0}, "ab");
  d.PlaceAt(0, 0);
  d.EditContent(2, "longer");
  EXPECT_EQ(d.m_texts[1], "longer");
  EXPECT_EQ(d.m_width, 6);  // re-placed with the new width
  EXPECT_EQ(d.m_rect.Width(), 6 * 18);
  d.m_newValue = 42;
  d.EditValue(2, "42");
  EXPECT_EQ(d.m_valueTexts[1], "42");
  EXPECT_EQ(d.m_values[1], 42);
  d.m_newValue = 0;
  d.EditValue(2, "");  // clearing the value also clears the content
  EXPECT_EQ(d.m_valueTexts[1], "");
  EXPECT_EQ(d.m_texts[1], "");
  EXPECT_EQ(d.m_width, 2);
  // Rows outside 1..32 change nothing.
  const auto texts = d.m_texts;
  d.EditContent(0, "x");
  d.EditContent(33, "x");
  d.EditValue(0, "9");
  d.EditValue(33, "9");
  EXPECT_EQ(d.m_texts, texts);

  // A text that no longer fits pulls the element back onto the display.
  d.PlaceAt(300, 0);
  d.EditContent(5, std::string(12, 'w'));
  EXPECT_EQ(d.m_rect.right, 432);
  EXPECT_EQ(d.m_rect.left, 432 - 12 * 18);
}

TEST(DynamicRows, ClampRewritesTheValueCellsOfRowsInUse) {
  CDynamic d({0, 0}, "one");
  d.m_values[1] = 70000;
  d.m_valueTexts[1] = "70000";
  d.m_texts[1] = "big";
  d.m_values[2] = -300;
  d.m_valueTexts[2] = "-300";  // a value without a text: clamped too
  d.m_texts[3] = "zero";       // a text without a value: not in use
  // rows 4..31: no value and no text: left alone
  d.ClampValues(1, 1000, -5);
  EXPECT_EQ(d.m_values[0], 1);
  EXPECT_EQ(d.m_valueTexts[0], "1");
  EXPECT_EQ(d.m_values[1], 1000);
  EXPECT_EQ(d.m_valueTexts[1], "1000");
  EXPECT_EQ(d.m_values[2], -5);
  EXPECT_EQ(d.m_valueTexts[2], "-5");
  EXPECT_EQ(d.m_valueTexts[3], "");  // writing "0" would make the row live
  EXPECT_EQ(d.m_valueTexts[4], "");
  d.ClampValues(0, 65535, -1);
  EXPECT_EQ(d.m_valueTexts[1], "3e8");
  EXPECT_EQ(d.m_valueTexts[2], "ffffffff");  // -5 raised to -1
  EXPECT_EQ(d.m_valueTexts[3], "");
  EXPECT_EQ(d.m_valueTexts[4], "");
}

TEST(DynamicRows, ListsOfOtherLengthsFromADamagedFile) {
  CDynamic d({0, 0}, "ab");
  d.m_texts.resize(3);
  d.m_valueTexts.resize(40, "7");
  d.m_values.assign(2, 9);
  d.EditContent(4, "x");
  d.EditValue(3, "5");  // no value slot for row 3
  d.EditValue(33, "5");
  d.ClampValues(1, 5, 0);
  EXPECT_EQ(d.m_texts.size(), 3u);
  EXPECT_EQ(d.m_values, (std::vector<int32_t>{5, 9}));  // row 2 has no value cell: not in use
  d.PlaceAt(0, 0);
  EXPECT_EQ(d.m_width, 2);
}

TEST(AlarmTexts, NoTrailingEmptyTexts) {
  CAlarmList list;
  list.SetText(0, "a");
  list.SetText(2, "c");  // past the end: appends, with an empty text between
  ASSERT_EQ(list.m_alarmTexts, (std::vector<std::string>{"a", "", "c"}));
  list.SetText(0, "");  // cleared in the middle: stays as an empty text
  EXPECT_EQ(list.m_alarmTexts, (std::vector<std::string>{"", "", "c"}));
  list.SetText(5, "");  // an empty text past the end adds nothing
  EXPECT_EQ(list.m_alarmTexts.size(), 3u);
  list.SetText(2, "");  // clearing the last removes every trailing empty text
  EXPECT_TRUE(list.m_alarmTexts.empty());

  list.m_alarmTexts = {"1", "2", "", "4", "5"};
  list.KeepAtMost(4);
  EXPECT_EQ(list.m_alarmTexts, (std::vector<std::string>{"1", "2", "", "4"}));
  list.KeepAtMost(3);
  EXPECT_EQ(list.m_alarmTexts, (std::vector<std::string>{"1", "2"}));
}

}  // namespace
}  // namespace tavo

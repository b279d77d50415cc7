// Defaults of new elements under the protocols whose defaults differ.
#include <gtest/gtest.h>

#include "base/Gbk.h"
#include "elements/Bar.h"
#include "elements/Chars.h"
#include "elements/Dynamic.h"
#include "elements/Function.h"
#include "elements/Light.h"
#include "elements/Register.h"
#include "elements/Tide.h"
#include "elements/UpLoadPic.h"
#include "model/ElementFactory.h"
#include "plc/Protocol.h"

namespace tavo {
namespace {

template <class T>
T& As(const std::unique_ptr<CBase>& e) {
  auto* p = dynamic_cast<T*>(e.get());
  if (!p) throw std::runtime_error("wrong element class");
  return *p;
}

constexpr int32_t kAll32 = static_cast<int32_t>(0xFFFFFFFFu);

struct ProtocolDefaults {
  uint8_t protocol;
  uint8_t station;        // every element kind
  uint16_t wordAddr;      // dynamic text, bar, trend, light
  uint16_t keyAddr;       // function key
  uint16_t registerAddr;  // numeric register
  int32_t registerHigh;   // register input upper limit and engineering upper value
  int32_t fullScale;      // bar and trend
  uint8_t keyAction;
};

class ElementDefaults : public ::testing::TestWithParam<ProtocolDefaults> {};

TEST_P(ElementDefaults, FollowTheProtocolSelectedAtCreation) {
  const ProtocolDefaults& d = GetParam();
  ProtocolScope scope(d.protocol);
  for (uint8_t kind = 1; kind <= 8; ++kind) {
    auto e = CreateElement(kind, {0, 0});
    ASSERT_TRUE(e) << int(kind);
    EXPECT_EQ(e->m_kind, kind);
    EXPECT_EQ(e->m_station, d.station) << "kind " << int(kind);
    EXPECT_EQ(e->m_regType, 0);
    EXPECT_EQ(e->m_regCount, 1);
    EXPECT_EQ(e->m_numFormat, 1);
    EXPECT_EQ(e->m_subAddr, 0);
    EXPECT_EQ(e->m_double, 0);
    EXPECT_EQ(e->m_inverse, 0);
    EXPECT_EQ(e->m_codeSize, 0);
  }
  EXPECT_EQ(CreateElement(kKindLight, {})->m_addr, d.wordAddr);
  EXPECT_EQ(CreateElement(kKindDynamic, {})->m_addr, d.wordAddr);
  EXPECT_EQ(CreateElement(kKindBar, {})->m_addr, d.wordAddr);
  EXPECT_EQ(CreateElement(kKindTrend, {})->m_addr, d.wordAddr);
  EXPECT_EQ(CreateElement(kKindKey, {})->m_addr, d.keyAddr);
  EXPECT_EQ(CreateElement(kKindRegister, {})->m_addr, d.registerAddr);

  auto reg = CreateElement(kKindRegister, {});
  EXPECT_EQ(As<CRegister>(reg).m_inHigh, d.registerHigh);
  EXPECT_EQ(As<CRegister>(reg).m_engHigh, d.registerHigh);
  EXPECT_EQ(As<CRegister>(reg).m_inLow, 0);
  auto bar = CreateElement(kKindBar, {});
  auto trend = CreateElement(kKindTrend, {});
  EXPECT_EQ(As<CBar>(bar).m_fullScale, d.fullScale);
  EXPECT_EQ(As<CTide>(trend).m_fullScale, d.fullScale);
  auto key = CreateElement(kKindKey, {});
  EXPECT_EQ(As<CFunction>(key).m_action, d.keyAction);
}

INSTANTIATE_TEST_SUITE_P(
    Protocols, ElementDefaults,
    ::testing::Values(
        // protocol 1: first word type "B" is one byte; a new key jumps (no set coil)
        ProtocolDefaults{1, 1, 0, 0, 0, 0xFF, 0xFF, 1},
        ProtocolDefaults{2, 2, 0, 0, 0, 0xFFFF, 0xFFFF, 0},
        ProtocolDefaults{3, 1, 1, 1, 1, 0xFFFF, 0xFFFF, 0},
        // protocol 5: the word default address 16 is the base's; the kinds replace it
        ProtocolDefaults{5, 0, 0, 0, 0, 0xFFFF, 0xFFFF, 0},
        ProtocolDefaults{7, 1, 0, 0, 1024, 0xFFFF, 0xFFFF, 0},
        // protocol 17: first word type "R" is a double word
        ProtocolDefaults{17, 0, 0, 0, 0, kAll32, kAll32, 0},
        ProtocolDefaults{22, 0, 0, 0, 0, 0xFFFF, 0xFFFF, 0},
        ProtocolDefaults{25, 1, 1, 1, 1, 0xFFFF, 0xFFFF, 0},
        // protocol 31: registers are one word, graphs take the 5-byte first variable
        ProtocolDefaults{31, 1, 0, 1, 1, 0xFFFF, kAll32, 0},
        ProtocolDefaults{36, 0, 0, 0, 0, 0xFFFF, 0xFFFF, 0},
        // a protocol number only a file can hold: no register types, no width
        ProtocolDefaults{40, 1, 0, 0, 0, 0, 0, 0}));

TEST(BaseDefaults, StationAndAddressByProtocol) {
  struct Case {
    uint8_t protocol, station;
    uint16_t addr;
  } cases[] = {{2, 2, 0}, {5, 0, 16}, {3, 1, 1}, {11, 0, 0}, {34, 1, 1}, {36, 0, 0}, {4, 1, 0}};
  for (auto c : cases) {
    ProtocolScope scope(c.protocol);
    CBase base;
    EXPECT_EQ(base.m_station, c.station) << int(c.protocol);
    EXPECT_EQ(base.m_addr, c.addr) << int(c.protocol);
    // A text has no binding of its own and keeps the base's defaults.
    EXPECT_EQ(CreateElement(kKindText, {})->m_addr, c.addr) << int(c.protocol);
  }
}

TEST(KindDefaults, OwnFieldsOfANewElement) {
  ProtocolScope scope(3);
  auto text = CreateElement(kKindText, {});
  EXPECT_EQ(As<CChars>(text).m_text, G("文字串"));
  EXPECT_EQ(As<CChars>(text).m_len, 6);

  auto dyn = CreateElement(kKindDynamic, {});
  auto& d = As<CDynamic>(dyn);
  ASSERT_EQ(d.m_texts.size(), 32u);
  ASSERT_EQ(d.m_valueTexts.size(), 32u);
  ASSERT_EQ(d.m_values.size(), 32u);
  EXPECT_EQ(d.m_texts[0], G("动态文字串"));
  EXPECT_EQ(d.m_valueTexts[0], "1");
  EXPECT_EQ(d.m_values[0], 1);
  for (int i = 1; i < 32; ++i) {
    EXPECT_TRUE(d.m_texts[i].empty() && d.m_valueTexts[i].empty() && d.m_values[i] == 0) << i;
  }
  EXPECT_EQ(d.m_newValue, 1);
  EXPECT_EQ(d.m_width, 1);
  d.PlaceAt(0, 0);
  EXPECT_EQ(d.m_width, 10);  // the longest text, once placed

  auto key = CreateElement(kKindKey, {});
  auto& k = As<CFunction>(key);
  EXPECT_EQ(k.m_picStyle, 2);
  EXPECT_EQ(k.m_hand + k.m_hidden + k.m_protected + k.m_coilOp + k.m_jumpKind + k.m_recipeOp, 0);
  EXPECT_EQ(k.m_screenNo + k.m_recipeLen + k.m_setValue + k.m_recipeTarget, 0);
  for (int i = 0; i < kPictureCount; ++i) EXPECT_EQ(k.m_picIds[i], 330 + i);

  auto reg = CreateElement(kKindRegister, {});
  auto& r = As<CRegister>(reg);
  EXPECT_EQ(r.m_digits, 5);
  EXPECT_EQ(r.m_decimals + r.m_protected + r.m_scaled + r.m_settable + r.m_limited, 0);

  auto trend = CreateElement(kKindTrend, {});
  auto& t = As<CTide>(trend);
  EXPECT_EQ(t.m_widthPx, 96);
  EXPECT_EQ(t.m_height, 48);
  EXPECT_EQ(t.m_points, 20);
  EXPECT_EQ(t.m_interval, 5);
  auto bar = CreateElement(kKindBar, {});
  EXPECT_EQ(As<CBar>(bar).m_widthPx, 16);
  EXPECT_EQ(As<CBar>(bar).m_direction, kBarUp);
}

TEST(ElementFactory, KnowsOnlyTheEightElementKinds) {
  EXPECT_EQ(CreateElement(0, {}), nullptr);
  EXPECT_EQ(CreateElement(9, {}), nullptr);
  EXPECT_EQ(CreateElement(255, {}), nullptr);
  const char* names[] = {"CChars",     "CRegister", "CLight", "CFunction",
                         "CUpLoadPic", "CBar",      "CTide",  "CDynamic"};
  const uint8_t kinds[] = {1, 2, 3, 4, 5, 6, 7, 8};
  for (int i = 0; i < 8; ++i) {
    auto e = CreateElementByClass(names[i]);
    ASSERT_TRUE(e) << names[i];
    EXPECT_STREQ(e->ClassName(), names[i]);
    EXPECT_EQ(e->m_kind, kinds[i]);
    EXPECT_STREQ(CreateElement(kinds[i], {})->ClassName(), names[i]);
  }
  for (const char* other :
       {"CBase", "CLightFunc", "CBarTide", "CMainView", "CAlarmList", "", "cchars", "CChars "})
    EXPECT_EQ(CreateElementByClass(other), nullptr) << other;
}

}  // namespace
}  // namespace tavo

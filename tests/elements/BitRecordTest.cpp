// Download records of the indicator light and the function key.
#include <gtest/gtest.h>

#include <functional>

#include "elements/Function.h"
#include "elements/Light.h"
#include "elements/RecordTestSupport.h"
#include "support/ProfileScope.h"

namespace tavo {
namespace {

using test::Bytes;
using test::CompileRecord;
using test::Hex;
using test::ProfileScope;

struct LightCase {
  const char* name;
  uint8_t protocol;
  std::function<void(CLight&)> set;
  Bytes expected;
};

TEST(LightRecord, AddressTypeCodeAndPicturesPerProtocol) {
  const std::vector<LightCase> cases = {
      {"protocol 12 folds the sub-address into the bit address",
       12,
       [](CLight& l) {
         l.m_station = 3;
         l.m_addr = 0x1234;
         l.m_subAddr = 5;
         l.m_bitOffset = 7;
       },
       {44, 22, 0, 3, 0x00, 0x23, 0x45, 0, 5, 7, 0, 1}},
      {"protocol 11 folding wraps at 16 bits",
       11,
       [](CLight& l) {
         l.m_addr = 0x0FFF;
         l.m_subAddr = 0x1F;
       },
       {44, 22, 0, 0, 0x00, 0x00, 0x0F, 0, 0x1F, 0, 0, 1}},
      {"protocol 3 reads the second light type, plain address",
       3,
       [](CLight& l) {
         l.m_regType = 1;  // "1x"
         l.m_addr = 100;
         l.m_subAddr = 2;
       },
       {44, 22, 0, 1, 0x80, 0x00, 0x64, 0, 2, 0, 0, 1}},
      {"a type index past the list takes the last type",
       20,
       [](CLight& l) { l.m_regType = 40; },  // "C", bit code 0x60
       {44, 22, 0, 1, 0x60, 0x00, 0x01, 0, 0, 0, 0, 1}},
      {"protocol 31 takes the variable's code and address",
       31,
       [](CLight& l) {
         l.m_subTypeCode = 0x13;
         l.m_subTypeAddr = 0x0102;
         l.m_addr = 9;
       },
       {44, 22, 0, 1, 0x13, 0x01, 0x02, 3, 0, 0, 0, 1}},
      {"double, negative logic, square",
       1,
       [](CLight& l) {
         l.m_double = 1;
         l.m_inverse = 1;
         l.m_picStyle = 1;
       },
       {44, 22, 2, 1, 0x01, 0, 0, 1, 0, 0, 3, 2}},
      {"flags from a damaged file count as set; styles past square show square",
       1,
       [](CLight& l) {
         l.m_double = 7;
         l.m_inverse = 9;
         l.m_picStyle = 5;
       },
       {44, 22, 2, 1, 0x01, 0, 0, 1, 0, 0, 3, 2}},
  };
  for (const auto& c : cases) {
    ProfileScope scope(c.protocol);
    CLight light(Point{100, 50});
    c.set(light);
    EXPECT_EQ(Hex(CompileRecord(light)), Hex(c.expected)) << c.name;
  }
}

struct KeyCase {
  const char* name;
  uint8_t protocol;
  std::function<void(CFunction&)> set;
  Bytes expected;
};

// A key at (8, 16), station 1, the "→" key (key code 6) unless set otherwise.
TEST(KeyRecord, EveryActionPerProtocol) {
  auto at = [](CFunction& k) {
    k.m_x = 8;
    k.m_y = 16;
  };
  const std::vector<KeyCase> cases = {
      {"set coil toggle, protocol 11 folds the address",
       11,
       [](CFunction& k) {
         k.m_action = kActionSetCoil;
         k.m_coilOp = 2;
         k.m_addr = 0x0123;
         k.m_subAddr = 4;
         k.m_setValue = 0x01020304;
       },
       {8, 16, 0, 0, 0x00, 0x12, 0x34, 0, 4, 6, 3, 1, 2, 3, 4, 2, 0}},
      {"set coil through the bit-write list (protocol 19)",
       19,
       [](CFunction& k) {
         k.m_action = kActionSetCoil;
         k.m_regType = 1;  // "4x"
         k.m_regCount = 2;
         k.m_addr = 10;
       },
       {8, 16, 0, 1, 0x02, 0, 10, 4, 0, 6, 1, 0, 0, 0, 0, 2, 0}},
      {"set coil through the light list (protocol 3)",
       3,
       [](CFunction& k) {
         k.m_action = kActionSetCoil;
         k.m_coilOp = 3;
         k.m_regType = 1;  // "1x"
       },
       {8, 16, 0, 1, 0x80, 0, 1, 0, 0, 6, 4, 0, 0, 0, 0, 2, 0}},
      {"set coil under protocol 31",
       31,
       [](CFunction& k) {
         k.m_action = kActionSetCoil;
         k.m_coilSubTypeCode = 0x16;
         k.m_subTypeAddr = 0x0A0B;
       },
       {8, 16, 0, 1, 0x16, 0x0A, 0x0B, 6, 0, 6, 1, 0, 0, 0, 0, 2, 0}},
      {"jump to the alarm list leaves the binding bytes 0",
       3,
       [](CFunction& k) {
         k.m_action = kActionJump;
         k.m_jumpKind = 1;
         k.m_screenNo = 0x1234;
         k.m_subAddr = 3;
       },
       {8, 16, 0, 1, 0, 0, 0, 0, 3, 6, 0x81, 0, 0, 0x12, 0x34, 2, 0}},
      {"set register with a negative value",
       2,
       [](CFunction& k) {
         k.m_action = kActionSetRegister;
         k.m_regType = 1;  // "VD"
         k.m_addr = 200;
         k.m_subAddr = 1;  // no folding for registers
         k.m_setValue = -2;
       },
       {8, 16, 0, 2, 0x04, 0, 200, 4, 1, 6, 5, 0xFF, 0xFF, 0xFF, 0xFE, 2, 0}},
      {"set register under protocol 31",
       31,
       [](CFunction& k) {
         k.m_action = kActionSetRegister;
         k.m_regSubTypeCode = 0x0E;
         k.m_subTypeAddr = 0x0304;
         k.m_setValue = 7;
       },
       {8, 16, 0, 1, 0x0E, 0x03, 0x04, 0x0E, 0, 6, 5, 0, 0, 0, 7, 2, 0}},
      {"recipe download, protocol 2 word-write type VD",
       2,
       [](CFunction& k) {
         k.m_action = kActionRecipe;
         k.m_recipeOp = 1;
         k.m_regType = 1;
         k.m_addr = 0x0102;
         k.m_recipeTarget = 0x12345;
         k.m_recipeLen = 100;
       },
       {8, 16, 0, 2, 0x04, 0x01, 0x02, 0, 0, 6, 7, 0x23, 0x45, 0, 100, 2, 0}},
      {"recipe of the panel's DM memory gives code 0 (protocol 5)",
       5,
       [](CFunction& k) {
         k.m_action = kActionRecipe;
         k.m_recipeOp = 3;
         k.m_addr = 50;
       },
       {8, 16, 0, 0, 0x00, 0, 50, 0, 0, 6, 9, 0, 0, 0, 0, 2, 0}},
      {"recipe under a protocol without recipes repeats the key code",
       24,
       [](CFunction& k) {
         k.m_action = kActionRecipe;
         k.m_picStyle = 5;  // SET, key code 5
         k.m_addr = 50;
         k.m_recipeLen = 9;
       },
       {8, 16, 0, 1, 0, 0, 0, 0, 0, 5, 5, 0, 0, 0, 0, 2, 0}},
      {"flags, key 9 and a hand",
       3,
       [](CFunction& k) {
         k.m_action = kActionJump;
         k.m_inverse = 1;
         k.m_double = 1;
         k.m_hidden = 1;
         k.m_protected = 1;
         k.m_hand = 1;
         k.m_picStyle = 17;  // "9"
         k.m_screenNo = 2;
       },
       {8, 16, 0x47, 1, 0, 0, 0, 0, 0, 17, 0x80, 0, 0, 0, 2, 4, 0, 1}},
      {"key indices without a key code give 0",
       3,
       [](CFunction& k) {
         k.m_action = kActionJump;
         k.m_picStyle = 19;
       },
       {8, 16, 0, 1, 0, 0, 0, 0, 0, 0, 0x80, 0, 0, 0, 0, 2, 0}},
      {"an unknown action or operation leaves no action",
       3,
       [](CFunction& k) {
         k.m_action = kActionSetCoil;
         k.m_coilOp = 4;
       },
       {8, 16, 0, 1, 0, 0, 0, 0, 0, 6, 0, 0, 0, 0, 0, 2, 0}},
  };
  for (const auto& c : cases) {
    ProfileScope scope(c.protocol);
    CFunction key;
    at(key);
    c.set(key);
    EXPECT_EQ(Hex(CompileRecord(key)), Hex(c.expected)) << c.name;
  }
}

TEST(KeyRecord, KeyPicturesAreSharedAndRelocatedBehindTheLamps) {
  ProfileScope scope(3);
  ImageShared shared;
  CFunction withHand, plain, sameKey, farKey;
  withHand.m_hand = 1;
  withHand.m_picStyle = 4;
  plain.m_picStyle = 6;
  sameKey.m_picStyle = 4;
  sameKey.m_hand = 1;
  farKey.m_picStyle = 200;  // only a damaged file: shown as the last key picture
  CompileRecord(withHand, shared);
  CompileRecord(plain, shared);
  CompileRecord(sameKey, shared);
  CompileRecord(farKey, shared);
  EXPECT_EQ(shared.keyPictures, (Bytes{20, 4, 6, 19}));

  for (CFunction* k : {&withHand, &plain, &sameKey, &farKey}) {
    uint16_t base = 4;  // lamps take slots 0-3
    k->Relocate(base);
    EXPECT_EQ(base, 4);
  }
  EXPECT_EQ(withHand.m_code[16], 4);  // the hand, slot 4
  EXPECT_EQ(withHand.m_code[17], 5);
  EXPECT_EQ(plain.m_code[16], 6);
  EXPECT_EQ(sameKey.m_code[16], 4);
  EXPECT_EQ(sameKey.m_code[17], 5);
  EXPECT_EQ(farKey.m_code[16], 7);
  EXPECT_EQ(plain.m_codeSize, 17);
  EXPECT_EQ(withHand.m_codeSize, 18);
}

TEST(KeyRecord, ProtectedKeySetsUsesFlagA) {
  ProfileScope scope(3);
  ImageShared shared;
  CFunction open;
  CompileRecord(open, shared);
  EXPECT_FALSE(shared.usesFlagA);
  CFunction guarded;
  guarded.m_protected = 2;  // any non-zero value counts
  CompileRecord(guarded, shared);
  EXPECT_TRUE(shared.usesFlagA);
}

}  // namespace
}  // namespace tavo

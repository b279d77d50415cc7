#include <gtest/gtest.h>

#include <functional>

#include "base/Gbk.h"
#include "elements/Bar.h"
#include "elements/Chars.h"
#include "elements/Dynamic.h"
#include "elements/Function.h"
#include "elements/Light.h"
#include "elements/Register.h"
#include "elements/Tide.h"
#include "elements/UpLoadPic.h"
#include "model/OrxBytes.h"
#include "model/ProjectFile.h"

namespace tavo {
namespace {

using test::AlarmRecord;
using test::Bytes;
using test::FileHead;

// Element records assembled from the format's tables, with a distinct value
// in every field. `v` is the file version; `sub` gives the protocol-31 fields
// of version 11 and later their values (else 0, their defaults).
Bytes Common(unsigned kind, int x = 44, int y = 22) {
  return Bytes().u8(kind).i32(x).i32(y);
}

Bytes TextRecord(unsigned, bool) {
  return Common(1).u8(1).u8(1).str(G("AB温度")).zeros(50);
}
Bytes LightRecord(unsigned v, bool sub) {
  Bytes b = Common(3).u8(1).u8(1).u8(5).u8(1).u8(9).u8(2).w(0x1234).u8(7);
  if (v >= 11) b.u8(sub ? 3 : 0).u8(sub ? 0x82 : 0).w(sub ? 0x4321 : 0);
  return b.zeros(50);
}
Bytes KeyRecord(unsigned v, bool sub) {
  Bytes b = Common(4).u8(0).u8(1).u8(6).u8(10).u8(3).u8(4).w(0x0102);  // CLightFunc part
  b.u8(1).u8(1).u8(1).u8(2).u8(3).u8(1).w(65535).i32(-2).u8(2).u8(1).u8(3).i32(1024).w(512);
  if (v >= 11) b.u8(sub ? 2 : 0).w(sub ? 0xBEEF : 0).u8(sub ? 0x12 : 0).u8(sub ? 0x34 : 0);
  return b.zeros(91);
}
Bytes RegisterRecord(unsigned v, bool sub) {
  Bytes b = Common(2).u8(1).u8(1).u8(3).u8(4).w(0x2000).u8(2).u8(6).u8(2).u8(1).u8(1);
  b.i32(-1).i32(-100).i32(5000).i32(-5000).u8(1).u8(0).u8(1).u8(1).u8(9);
  if (v >= 11) b.u8(sub ? 1 : 0).u8(sub ? 0x51 : 0).w(sub ? 0x0A0B : 0);
  return b.zeros(99);
}
Bytes DynamicRecord(unsigned v, bool sub) {
  Bytes b = Common(8).u8(0).u8(1).u8(2).u8(1).w(300).u8(1).u8(0);
  b.w(3).str(G("停止")).str("").str("RUN");
  b.w(3).i32(0).i32(70000).i32(-1);
  b.w(3).str("0").str("").str("-1");
  b.u8(4);
  if (v >= 11) b.u8(sub ? 5 : 0).u8(sub ? 0x62 : 0).w(sub ? 0x7777 : 0);
  return b.zeros(99);
}
Bytes BarTidePart(unsigned kind, unsigned v, bool sub) {
  Bytes b = Common(kind).u8(40).u8(30).u8(0).u8(1).i32(100).i32(-100).u8(6).u8(3).w(0x0F00);
  b.u8(2);
  if (v >= 11) b.u8(sub ? 2 : 0).w(sub ? 0x5555 : 0).u8(sub ? 0x22 : 0);
  return b;
}
Bytes BarRecord(unsigned v, bool sub) {
  return BarTidePart(6, v, sub).u8(3).u8(11).zeros(99);
}
Bytes TrendRecord(unsigned v, bool sub) {
  return BarTidePart(7, v, sub).w(300).u8(33).u8(12).zeros(99);
}
// A 10 x 10 picture: rows of 4 bytes, 40 bytes of pixels.
Bytes PictureRecord(unsigned, bool) {
  Bytes b = Common(5);
  b.i32(40).i32(10).i32(10).w(1).w(1).i32(0).i32(40).i32(0).i32(0).i32(0).i32(0);
  b.i32(0).i32(0x00FFFFFF);
  for (int i = 0; i < 40; ++i) b.u8(i * 7);
  return b.zeros(20);
}

void CheckCommon(const CBase& e, uint8_t kind) {
  EXPECT_EQ(e.m_kind, kind);
  EXPECT_EQ(e.m_x, 44);
  EXPECT_EQ(e.m_y, 22);
}

struct KindCase {
  const char* className;
  std::function<Bytes(unsigned, bool)> record;
  // Checks the fields read; `sub` says whether the protocol-31 fields were in the file.
  std::function<void(const CBase&, bool sub)> check;
};

const KindCase kKinds[] = {
    {"CChars", TextRecord,
     [](const CBase& b, bool) {
       auto& e = dynamic_cast<const CChars&>(b);
       CheckCommon(e, 1);
       EXPECT_EQ(e.m_double, 1);
       EXPECT_EQ(e.m_inverse, 1);
       EXPECT_EQ(e.m_text, G("AB温度"));
       EXPECT_EQ(e.m_len, 6);
       EXPECT_EQ(e.m_rect, (Rect{99, 50, 99 + 36 * 6, 50 + 72}));
     }},
    {"CLight", LightRecord,
     [](const CBase& b, bool sub) {
       auto& e = dynamic_cast<const CLight&>(b);
       CheckCommon(e, 3);
       EXPECT_EQ(e.m_double, 1);
       EXPECT_EQ(e.m_inverse, 1);
       EXPECT_EQ(e.m_subAddr, 5);
       EXPECT_EQ(e.m_picStyle, 1);
       EXPECT_EQ(e.m_station, 9);
       EXPECT_EQ(e.m_regType, 2);
       EXPECT_EQ(e.m_addr, 0x1234);
       EXPECT_EQ(e.m_bitOffset, 7);
       EXPECT_EQ(e.m_subType, sub ? 3 : 0);
       EXPECT_EQ(e.m_subTypeCode, sub ? 0x82 : 0);
       EXPECT_EQ(e.m_subTypeAddr, sub ? 0x4321 : 0);
       EXPECT_EQ(e.m_rect, (Rect{99, 50, 99 + 72, 50 + 72}));
     }},
    {"CFunction", KeyRecord,
     [](const CBase& b, bool sub) {
       auto& e = dynamic_cast<const CFunction&>(b);
       CheckCommon(e, 4);
       EXPECT_EQ(e.m_double, 0);
       EXPECT_EQ(e.m_inverse, 1);
       EXPECT_EQ(e.m_subAddr, 6);
       EXPECT_EQ(e.m_picStyle, 10);
       EXPECT_EQ(e.m_station, 3);
       EXPECT_EQ(e.m_regType, 4);
       EXPECT_EQ(e.m_addr, 0x0102);
       EXPECT_EQ(e.m_hand, 1);
       EXPECT_EQ(e.m_hidden, 1);
       EXPECT_EQ(e.m_protected, 1);
       EXPECT_EQ(e.m_action, 2);
       EXPECT_EQ(e.m_coilOp, 3);
       EXPECT_EQ(e.m_jumpKind, 1);
       EXPECT_EQ(e.m_screenNo, 65535);
       EXPECT_EQ(e.m_setValue, -2);
       EXPECT_EQ(e.m_valueFormat, 2);
       EXPECT_EQ(e.m_valueSigned, 1);
       EXPECT_EQ(e.m_recipeOp, 3);
       EXPECT_EQ(e.m_recipeTarget, 1024);
       EXPECT_EQ(e.m_recipeLen, 512);
       EXPECT_EQ(e.m_subType, sub ? 2 : 0);
       EXPECT_EQ(e.m_subTypeAddr, sub ? 0xBEEF : 0);
       EXPECT_EQ(e.m_regSubTypeCode, sub ? 0x12 : 0);
       EXPECT_EQ(e.m_coilSubTypeCode, sub ? 0x34 : 0);
       EXPECT_EQ(e.m_rect, (Rect{99, 50, 99 + 72, 50 + 36}));  // with the hand
     }},
    {"CRegister", RegisterRecord,
     [](const CBase& b, bool sub) {
       auto& e = dynamic_cast<const CRegister&>(b);
       CheckCommon(e, 2);
       EXPECT_EQ(e.m_double, 1);
       EXPECT_EQ(e.m_inverse, 1);
       EXPECT_EQ(e.m_station, 3);
       EXPECT_EQ(e.m_regType, 4);
       EXPECT_EQ(e.m_addr, 0x2000);
       EXPECT_EQ(e.m_regCount, 2);
       EXPECT_EQ(e.m_digits, 6);
       EXPECT_EQ(e.m_decimals, 2);
       EXPECT_EQ(e.m_settable, 1);
       EXPECT_EQ(e.m_limited, 1);
       EXPECT_EQ(e.m_inHigh, -1);
       EXPECT_EQ(e.m_inLow, -100);
       EXPECT_EQ(e.m_engHigh, 5000);
       EXPECT_EQ(e.m_engLow, -5000);
       EXPECT_EQ(e.m_protected, 1);
       EXPECT_EQ(e.m_numFormat, 0);
       EXPECT_EQ(e.m_signed, 1);
       EXPECT_EQ(e.m_scaled, 1);
       EXPECT_EQ(e.m_subAddr, 9);
       EXPECT_EQ(e.m_subType, sub ? 1 : 0);
       EXPECT_EQ(e.m_subTypeCode, sub ? 0x51 : 0);
       EXPECT_EQ(e.m_subTypeAddr, sub ? 0x0A0B : 0);
     }},
    {"CDynamic", DynamicRecord,
     [](const CBase& b, bool sub) {
       auto& e = dynamic_cast<const CDynamic&>(b);
       CheckCommon(e, 8);
       EXPECT_EQ(e.m_double, 0);
       EXPECT_EQ(e.m_inverse, 1);
       EXPECT_EQ(e.m_station, 2);
       EXPECT_EQ(e.m_regType, 1);
       EXPECT_EQ(e.m_addr, 300);
       EXPECT_EQ(e.m_regCount, 1);
       EXPECT_EQ(e.m_numFormat, 0);
       EXPECT_EQ(e.m_texts, (std::vector<std::string>{G("停止"), "", "RUN"}));
       EXPECT_EQ(e.m_values, (std::vector<int32_t>{0, 70000, -1}));
       EXPECT_EQ(e.m_valueTexts, (std::vector<std::string>{"0", "", "-1"}));
       EXPECT_EQ(e.m_subAddr, 4);
       EXPECT_EQ(e.m_signed, 0);
       EXPECT_EQ(e.m_width, 4);
       EXPECT_EQ(e.m_subType, sub ? 5 : 0);
       EXPECT_EQ(e.m_subTypeCode, sub ? 0x62 : 0);
       EXPECT_EQ(e.m_subTypeAddr, sub ? 0x7777 : 0);
     }},
    {"CBar", BarRecord,
     [](const CBase& b, bool sub) {
       auto& e = dynamic_cast<const CBar&>(b);
       CheckCommon(e, 6);
       EXPECT_EQ(e.m_widthPx, 40);
       EXPECT_EQ(e.m_height, 30);
       EXPECT_EQ(e.m_numFormat, 0);
       EXPECT_EQ(e.m_signed, 1);
       EXPECT_EQ(e.m_fullScale, 100);
       EXPECT_EQ(e.m_zeroScale, -100);
       EXPECT_EQ(e.m_station, 6);
       EXPECT_EQ(e.m_regType, 3);
       EXPECT_EQ(e.m_addr, 0x0F00);
       EXPECT_EQ(e.m_regCount, 2);
       EXPECT_EQ(e.m_subType, sub ? 2 : 0);
       EXPECT_EQ(e.m_subTypeAddr, sub ? 0x5555 : 0);
       EXPECT_EQ(e.m_subTypeCode, sub ? 0x22 : 0);
       EXPECT_EQ(e.m_direction, 3);
       EXPECT_EQ(e.m_subAddr, 11);
       EXPECT_EQ(e.m_rect, (Rect{99, 50, 99 + 90, 50 + 68}));
     }},
    {"CTide", TrendRecord,
     [](const CBase& b, bool sub) {
       auto& e = dynamic_cast<const CTide&>(b);
       CheckCommon(e, 7);
       EXPECT_EQ(e.m_widthPx, 40);
       EXPECT_EQ(e.m_fullScale, 100);
       EXPECT_EQ(e.m_subTypeAddr, sub ? 0x5555 : 0);
       EXPECT_EQ(e.m_interval, 300);
       EXPECT_EQ(e.m_points, 33);
       EXPECT_EQ(e.m_subAddr, 12);
     }},
    {"CUpLoadPic", PictureRecord,
     [](const CBase& b, bool) {
       auto& e = dynamic_cast<const CUpLoadPic&>(b);
       CheckCommon(e, 5);
       EXPECT_EQ(e.m_captured, 1);
       EXPECT_EQ(e.Width(), 10);
       EXPECT_EQ(e.Height(), 10);
       EXPECT_EQ(e.ImageSizeField(), 40u);
       ASSERT_EQ(e.m_bits.size(), 40u);
       EXPECT_EQ(e.m_bits[39], uint8_t(39 * 7));
       EXPECT_EQ(e.m_infoBlock[44], 255);
       EXPECT_EQ(e.m_rect, (Rect{99, 50, 99 + 23, 50 + 23}));
     }},
};

// A project file of the version whose one screen holds the given records.
// Settings not in the file read as 0: `e5` says whether the E5 timeout is.
Bytes FileWith(unsigned version, const std::vector<std::pair<std::string, Bytes>>& elements,
               bool e5 = true) {
  test::SettingsBytes s;
  if (!e5) s.e5Timeout = 0;
  Bytes f = FileHead(version, s);
  if (version == 1) f.u8(0x80 | s.stopBits).u8(s.parity).u8(s.commParam).u8(s.protoMode);
  if (version == 1) f.u8(s.saverAction).u8(s.commOption);
  f.zeros(98).w(1).newClass("CMainView").w(1).str("").w(0).w(2).zeros(20);
  f.w(static_cast<unsigned>(elements.size()));
  std::vector<std::string> seen;
  for (auto& [cls, rec] : elements) {
    size_t i = 0;
    while (i < seen.size() && seen[i] != cls) ++i;
    // Index of a class: CMainView 1, screen 2, then each new class and object
    // take the next two indices; reuse references the class's index.
    if (i == seen.size()) {
      f.newClass(cls);
      seen.push_back(cls);
    } else {
      f.w(0x8000 + 3 + 2 * static_cast<unsigned>(i));
    }
    f.append(rec);
  }
  return f.append(AlarmRecord());
}

TEST(ElementRecords, EveryKindInEveryVersion) {
  for (const auto& k : kKinds) {
    for (unsigned version : {12u, 11u, 10u, 1u}) {
      SCOPED_TRACE(std::string(k.className) + " v" + std::to_string(version));
      const bool sub = version >= 11;
      const Bytes file = FileWith(version, {{k.className, k.record(version, true)}});
      Project p;
      ReadInfo info;
      ASSERT_EQ(ReadProjectBytes(file.v, p, info), ProjectFileError::None);
      ASSERT_EQ(p.ScreenAt(0)->ElementCount(), 1u);
      const CBase& e = *p.ScreenAt(0)->m_elements[0];
      EXPECT_STREQ(e.ClassName(), k.className);
      k.check(e, sub);
      // Written back: version 12 with every field, the missing ones at their defaults.
      EXPECT_EQ(WriteProjectBytes(p, info.protocol),
                FileWith(12, {{k.className, k.record(12, sub)}}, version >= 12).v);
      // Every truncation of the record is a premature end, never a crash.
      const size_t recordEnd = file.size() - AlarmRecord().size();
      for (size_t cut = recordEnd - k.record(version, true).size(); cut < recordEnd; ++cut) {
        Project q;
        EXPECT_EQ(ReadProjectBytes(std::span(file.v.data(), cut), q, info),
                  ProjectFileError::EndOfFile);
      }
    }
  }
}

TEST(ElementRecords, OrderAndTagsAcrossScreens) {
  // Screen 1: text, light, text (head first); screen 2: text.
  Bytes f = FileHead(12);
  f.zeros(98).w(2).newClass("CMainView").w(1).str("").w(0).w(2).zeros(20).w(3);
  f.newClass("CChars").append(Common(1, 0, 0).u8(0).u8(0).str("first").zeros(50));
  f.newClass("CLight").append(LightRecord(12, true));
  f.w(0x8003).append(Common(1, 8, 16).u8(0).u8(0).str("third").zeros(50));
  f.w(0x8001).w(2).str("").w(1).w(3).zeros(20).w(1);
  f.w(0x8003).append(Common(1, 0, 48).u8(0).u8(0).str("other screen").zeros(50));
  f.append(AlarmRecord());
  Project p;
  ReadInfo info;
  ASSERT_EQ(ReadProjectBytes(f.v, p, info), ProjectFileError::None);
  const auto& list = p.ScreenAt(0)->m_elements;
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(dynamic_cast<CChars&>(*list[0]).m_text, "first");
  EXPECT_STREQ(list[1]->ClassName(), "CLight");
  EXPECT_EQ(dynamic_cast<CChars&>(*list[2]).m_text, "third");
  EXPECT_EQ(dynamic_cast<CChars&>(*p.ScreenAt(1)->m_elements[0]).m_text, "other screen");
  EXPECT_EQ(WriteProjectBytes(p, info.protocol), f.v);
}

TEST(ElementRecords, KindByteFollowsTheClass) {
  Bytes rec = TextRecord(12, true);
  rec.v[0] = 5;  // a text that claims to be a picture
  Project p;
  ReadInfo info;
  ASSERT_EQ(ReadProjectBytes(FileWith(12, {{"CChars", rec}}).v, p, info), ProjectFileError::None);
  EXPECT_EQ(p.ScreenAt(0)->m_elements[0]->m_kind, kKindText);
  EXPECT_EQ(WriteProjectBytes(p, info.protocol),
            FileWith(12, {{"CChars", TextRecord(12, true)}}).v);
}

TEST(ElementRecords, ValuesOnlyDamagedFilesHoldAreKept) {
  // A dynamic text of 2 rows with 40 values, a 300-byte text, an extreme
  // position, a picture whose size field disagrees with its width and height.
  Bytes dyn = Common(8, 0x7FFFFFFF, -0x7FFFFFFF).u8(7).u8(9).u8(2).u8(1).w(300).u8(1).u8(0);
  dyn.w(2).str(std::string(300, 'x')).str("y").w(40);
  for (int i = 0; i < 40; ++i) dyn.i32(i);
  dyn.w(0).u8(4).u8(0).u8(0).w(0).zeros(99);
  Bytes pic = Common(5);
  pic.i32(40).i32(1000).i32(-5).w(1).w(1).i32(0).i32(3).zeros(16).zeros(8).raw("abc").zeros(20);
  const Bytes file = FileWith(12, {{"CDynamic", dyn}, {"CUpLoadPic", pic}});
  Project p;
  ReadInfo info;
  ASSERT_EQ(ReadProjectBytes(file.v, p, info), ProjectFileError::None);
  auto& d = dynamic_cast<CDynamic&>(*p.ScreenAt(0)->m_elements[0]);
  EXPECT_EQ(d.m_texts.size(), 2u);
  EXPECT_EQ(d.m_values.size(), 40u);
  EXPECT_TRUE(d.m_valueTexts.empty());
  EXPECT_EQ(d.m_double, 7);
  auto& u = dynamic_cast<CUpLoadPic&>(*p.ScreenAt(0)->m_elements[1]);
  EXPECT_EQ(u.m_bits, (std::vector<uint8_t>{'a', 'b', 'c'}));
  EXPECT_FALSE(u.HasSoundSize());
  EXPECT_EQ(WriteProjectBytes(p, info.protocol), file.v);

  // A size field past the end of the file is refused before allocating.
  Bytes huge = Common(5);
  huge.i32(40).i32(8).i32(8).w(1).w(1).i32(0).i32(-1).zeros(24).zeros(30);
  Project q;
  EXPECT_EQ(ReadProjectBytes(FileWith(12, {{"CUpLoadPic", huge}}).v, q, info),
            ProjectFileError::EndOfFile);
}

TEST(ElementRecords, LargeTagsAndLongCounts) {
  // 70,000 texts on one screen (the long count form), then two lights: the
  // light class is first described past index 32,766, so the second light
  // needs the large tag.
  const unsigned texts = 70000;
  Bytes f = FileHead(12);
  f.zeros(98).w(1).newClass("CMainView").w(1).str("").w(0).w(2).zeros(20);
  f.w(0xFFFF).i32(texts + 2);
  const Bytes text = Common(1, 0, 0).u8(0).u8(0).str("t").zeros(50);
  f.newClass("CChars").append(text);
  for (unsigned i = 1; i < texts; ++i) f.w(0x8003).append(text);
  const unsigned lightClass = 3 + 1 + texts;  // after CMainView, screen, CChars and the texts
  f.newClass("CLight").append(LightRecord(12, true));
  f.w(0x7FFF).i32(0x80000000u | lightClass).append(LightRecord(12, true));
  f.append(AlarmRecord());
  Project p;
  ReadInfo info;
  ASSERT_EQ(ReadProjectBytes(f.v, p, info), ProjectFileError::None);
  ASSERT_EQ(p.ScreenAt(0)->ElementCount(), texts + 2);
  EXPECT_STREQ(p.ScreenAt(0)->m_elements.back()->ClassName(), "CLight");
  EXPECT_EQ(WriteProjectBytes(p, info.protocol), f.v);
}

}  // namespace
}  // namespace tavo

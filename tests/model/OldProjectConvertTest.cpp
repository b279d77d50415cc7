#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "model/OldProject.h"
#include "support/OldProjectBuilder.h"

namespace tavo {
namespace {

using test::OldElement;
using test::OldFileBuilder;
using test::Put16;
using test::Put32;
using test::Put8;
using test::PutText;

using Bytes = std::vector<uint8_t>;

// Offsets in a converted file: 8 bytes of header, 22 of version-1 settings,
// 98 reserved, then the screen count and the first screen's tag.
constexpr size_t kSettingsAt = 8;
constexpr size_t kScreenCountAt = 8 + 22 + 98;
constexpr size_t kFirstScreenAt = kScreenCountAt + 2 + 15;  // after FFFF 0100 0900 "CMainView"

Bytes Slice(const Bytes& b, size_t from, size_t n) {
  return Bytes(b.begin() + static_cast<long>(from), b.begin() + static_cast<long>(from + n));
}
Bytes Tag(const std::string& name) {
  Bytes t = {0xFF, 0xFF, 0x01, 0x00, static_cast<uint8_t>(name.size()), 0x00};
  for (char c : name) t.push_back(static_cast<uint8_t>(c));
  return t;
}

Bytes Convert(const Bytes& old) {
  auto out = ConvertOldProject(old);
  EXPECT_TRUE(out.has_value());
  return out.value_or(Bytes{});
}

TEST(OldProjectConvert, HeaderAndSettings) {
  OldFileBuilder b;
  auto& h = b.header;
  Put8(h, 13, 1);  // → protocol 7
  Put8(h, 17, 9);
  Put16(h, 21, 0x0102);
  Put16(h, 25, 1234);
  Put8(h, 45, 8);
  Put8(h, 46, 2);
  Put8(h, 47, 0);
  Put8(h, 48, 1);
  Put8(h, 49, 0x23);
  Put8(h, 50, 3);
  Put16(h, 58, 123);
  Put8(h, 67, 4);
  Put8(h, 71, 1);
  Put16(h, 72, 0x0203);
  b.AddScreen(1);
  Bytes out = Convert(b.Bytes());
  EXPECT_EQ(Slice(out, 0, 8), (Bytes{0x08, 'O', 'r', 'm', 'i', 'x', 1, 1}));
  EXPECT_EQ(
      Slice(out, kSettingsAt, 22),
      (Bytes{0, 0, 7, 0xD2, 0x04, 0x02, 0x01, 3, 83, 0, 0, 0x03, 0x02, 4, 7, 5, 1, 0, 2, 9, 1, 0}));
  EXPECT_EQ(Slice(out, kSettingsAt + 22, 98), Bytes(98, 0));
  EXPECT_EQ(Slice(out, kScreenCountAt, 2), (Bytes{1, 0}));

  // Protocol 2 fixes station, register type and mode; its baud list is short.
  Put8(h, 13, 2);
  Put8(h, 45, 5);
  Put8(h, 47, 1);
  Put8(h, 48, 0);
  Put8(h, 49, 0x13);
  Put8(h, 71, 0);
  out = Convert(b.Bytes());
  EXPECT_EQ(Slice(out, kSettingsAt, 22),
            (Bytes{0,    0,    2, 0xD2, 0x04, 0x02, 0x01, 2, 15, 0, 1,
                   0x03, 0x02, 4, 0x13, 0,    0,    1,    2, 9,  2, 1}));
}

TEST(OldProjectConvert, ScreenListsTextsFirstWithNewClassTags) {
  OldFileBuilder b;
  auto& s = b.AddScreen(3, "\xD6\xF7");
  Put16(s.header, 45, 2);
  Put16(s.header, 47, 4);
  s.elements.push_back(OldElement(kOldLight));
  auto text = OldElement(kOldText, 45, 36);
  PutText(text, 14, 15, "A");
  s.elements.push_back(text);
  Bytes out = Convert(b.Bytes());

  EXPECT_EQ(Slice(out, kScreenCountAt + 2, 15), Tag("CMainView"));
  Bytes screen = {3, 0, 2, 0xD6, 0xF7, 2, 0, 4, 0};
  EXPECT_EQ(Slice(out, kFirstScreenAt, 9), screen);
  EXPECT_EQ(Slice(out, kFirstScreenAt + 9, 20), Bytes(20, 0));
  EXPECT_EQ(Slice(out, kFirstScreenAt + 29, 2), (Bytes{2, 0}));
  size_t at = kFirstScreenAt + 31;
  EXPECT_EQ(Slice(out, at, 12), Tag("CChars"));
  EXPECT_EQ(Slice(out, at + 12, 13), (Bytes{1, 20, 0, 0, 0, 16, 0, 0, 0, 0, 0, 1, 'A'}));
  at += 12 + 13 + 50;
  EXPECT_EQ(Slice(out, at, 12), Tag("CLight"));
  EXPECT_EQ(out[at + 12], 3);  // kind of a light
}

TEST(OldProjectConvert, TagIndicesRunAcrossTheFile) {
  OldFileBuilder b;
  b.AddScreen(1).elements.push_back(OldElement(kOldText));
  auto& s2 = b.AddScreen(2);
  s2.elements.push_back(OldElement(kOldDynamic));
  s2.elements.push_back(OldElement(kOldText));
  s2.elements.push_back(OldElement(kOldDynamic));
  Bytes out = Convert(b.Bytes());
  // Indices: CMainView 1, screen 2, CChars 3, text 4, screen 5, text 6,
  // CDynamic 7, dynamic texts 8 and 9.
  size_t at = kFirstScreenAt + 29 + 12 + 9 + 2 + 1 + 50;
  EXPECT_EQ(Slice(out, at, 2), (Bytes{0x01, 0x80}));
  at += 2 + 29;
  EXPECT_EQ(Slice(out, at, 2), (Bytes{0x03, 0x80}));
  at += 2 + 62;
  EXPECT_EQ(Slice(out, at, 14), Tag("CDynamic"));
  uint64_t dynamicSize = ConvertOldElement({kOldDynamic, OldElement(kOldDynamic)}, 4).record.Size();
  at += 14 + dynamicSize;
  EXPECT_EQ(Slice(out, at, 2), (Bytes{0x07, 0x80}));
}

TEST(OldProjectConvert, ClassReferencesPastTheSmallTagRangeUseTheLargeTag) {
  OldFileBuilder b;
  for (int s = 0; s < 130; ++s) {
    auto& screen = b.AddScreen(static_cast<uint16_t>(s + 1));
    screen.elements.assign(255, OldElement(kOldText));
  }
  auto& last = b.AddScreen(131);
  last.elements.assign(2, OldElement(kOldLight));
  Bytes out = Convert(b.Bytes());
  // Indices: CMainView 1, screen 2, CChars 3, texts 4..258, 129 more screens
  // of 256 objects up to 33282, screen 33283, CLight 33284.
  size_t at = out.size() - 108 - 68 - 6;
  EXPECT_EQ(Slice(out, at, 6), (Bytes{0xFF, 0x7F, 0x04, 0x82, 0x00, 0x80}));
}

TEST(OldProjectConvert, OnlyTheLowByteOfAnElementCountCounts) {
  OldFileBuilder b;
  b.AddScreen(1).elements.push_back(OldElement(kOldText));
  Bytes old = b.Bytes();
  Put8(old, 80 + 54, 0x01);  // element count 0x0101: one record
  Bytes out = Convert(old);
  EXPECT_EQ(Slice(out, kFirstScreenAt + 27, 2), (Bytes{1, 0}));
}

// A valid file holding every kind, and edits that each must make it refused.
OldFileBuilder EveryKind() {
  OldFileBuilder b;
  auto& s = b.AddScreen(1, "main");
  for (uint8_t kind = 1; kind <= 8; ++kind) s.elements.push_back(OldElement(kind, 0, 0, 8, 2));
  b.AddScreen(2);
  b.alarms = {"a", "b"};
  return b;
}

TEST(OldProjectConvert, RefusesFilesThatDoNotHoldWhatTheyAnnounce) {
  const Bytes good = EveryKind().Bytes();
  ASSERT_TRUE(ConvertOldProject(good).has_value());
  const size_t s1 = 80, e1 = s1 + 57;
  // Offsets of the records in the first screen, in old order.
  size_t rec[9] = {};
  rec[1] = e1;
  const size_t len[9] = {0, 39, 51, 31, 41, 56, 52, 26 + 62 + 8, 35 + 50};
  for (int k = 2; k <= 8; ++k) rec[k] = rec[k - 1] + len[k - 1];
  const size_t alarmsAt = good.size() - 50;

  struct Case {
    const char* what;
    std::function<void(Bytes&)> edit;
  } cases[] = {
      {"wrong mark", [](Bytes& b) { b[3] = 'F'; }},
      {"wrong first byte", [](Bytes& b) { b[0] = 0x04; }},
      {"shorter than the header", [](Bytes& b) { b.resize(79); }},
      {"one screen more", [](Bytes& b) { Put16(b, 76, 3); }},
      {"65535 screens", [](Bytes& b) { Put16(b, 76, 0xFFFF); }},
      {"one element more", [=](Bytes& b) { Put8(b, s1 + 53, 9); }},
      {"255 elements", [=](Bytes& b) { Put8(b, s1 + 53, 255); }},
      {"kind 0", [=](Bytes& b) { b[rec[3] + 10] = 0; }},
      {"kind 9", [=](Bytes& b) { b[rec[1] + 10] = 9; }},
      {"kind 255", [=](Bytes& b) { b[rec[8] + 10] = 255; }},
      {"picture past the end", [=](Bytes& b) { Put32(b, rec[7] + 22, 0xFFFFFFFF); }},
      {"picture one past the end", [=](Bytes& b) { Put32(b, rec[7] + 22, 70 + b.size()); }},
      {"picture without its block", [=](Bytes& b) { Put32(b, rec[7] + 22, 61); }},
      {"description past its field", [=](Bytes& b) { b[s1 + 2] = 41; }},
      {"text past its field", [=](Bytes& b) { b[rec[1] + 14] = 25; }},
      {"dynamic row past its field", [=](Bytes& b) { b[rec[8] + 31 + 25] = 25; }},
      {"dynamic rows past the end", [=](Bytes& b) { b[rec[8] + 27] = 200; }},
      {"one alarm more", [](Bytes& b) { Put8(b, 29, 3); }},
      {"alarm text past its field", [=](Bytes& b) { b[alarmsAt + 25] = 25; }},
      {"last byte missing", [](Bytes& b) { b.pop_back(); }},
      {"larger than any old project", [](Bytes& b) { b.resize(kOldFileMaxSize + 1); }},
  };
  for (const auto& c : cases) {
    Bytes b = good;
    c.edit(b);
    EXPECT_FALSE(ConvertOldProject(b).has_value()) << c.what;
  }

  Bytes trailing = good;
  trailing.push_back(0x55);
  EXPECT_TRUE(ConvertOldProject(trailing).has_value()) << "bytes after the alarm entries";
}

}  // namespace
}  // namespace tavo

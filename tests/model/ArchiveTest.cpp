#include <gtest/gtest.h>

#include "base/Archive.h"
#include "base/Gbk.h"
#include "model/OrxBytes.h"

namespace tavo {
namespace {

using test::Bytes;

std::vector<uint8_t> Head(const std::vector<uint8_t>& v, size_t n) {
  return std::vector<uint8_t>(v.begin(), v.begin() + static_cast<long>(std::min(n, v.size())));
}

ArchiveError ReadError(const std::vector<uint8_t>& bytes, void (*read)(CArchive&)) {
  CArchive ar(bytes);
  try {
    read(ar);
  } catch (const ArchiveException& e) {
    return e.Error();
  }
  ADD_FAILURE() << "read did not fail";
  return ArchiveError::Generic;
}

TEST(ArchiveString, PrefixFormsByLength) {
  struct Case {
    size_t len;
    std::vector<uint8_t> prefix;
  } cases[] = {
      {0, {0x00}},
      {254, {0xFE}},
      {255, {0xFF, 0xFF, 0x00}},
      {65533, {0xFF, 0xFD, 0xFF}},
      {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
      {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.len);
    const std::string text(c.len, 'a');
    CArchive out;
    out.WriteString(text);
    ASSERT_EQ(out.Buffer().size(), c.prefix.size() + c.len);
    EXPECT_EQ(Head(out.Buffer(), c.prefix.size()), c.prefix);
    CArchive in(out.Buffer());
    EXPECT_EQ(in.ReadString(), text);
    EXPECT_EQ(in.Remaining(), 0u);
  }
}

TEST(ArchiveString, WideFormIsConvertedToGbk) {
  struct Case {
    const char* name;
    std::vector<uint16_t> units;
    std::string gbk;
  } cases[] = {
      {"ascii", {'A', 'b'}, "Ab"},
      {"chinese", {0x6587, 0x5B57}, G("文字")},
      {"euro is 0x80", {0x20AC}, "\x80"},
      {"not in GBK", {'x', 0x0E01, 'y'}, "x?y"},
      {"unpaired surrogate", {0xD800, 'z'}, "?z"},
      {"pair outside GBK", {0xD83D, 0xDE00}, "?"},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.name);
    Bytes b;
    b.u8(0xFF).w(0xFFFE).u8(static_cast<unsigned>(c.units.size()));
    for (auto u : c.units) b.w(u);
    CArchive in(b.v);
    EXPECT_EQ(in.ReadString(), c.gbk);
    EXPECT_EQ(in.Remaining(), 0u);
  }
}

TEST(ArchiveString, WideFormWithLongPrefix) {
  Bytes b;
  b.u8(0xFF).w(0xFFFE).u8(0xFF).w(300);
  for (int i = 0; i < 300; ++i) b.w('q');
  CArchive in(b.v);
  EXPECT_EQ(in.ReadString(), std::string(300, 'q'));
}

TEST(ArchiveString, AbsurdLengthsAreRefusedBeforeAllocating) {
  const std::vector<std::vector<uint8_t>> inputs = {
      Bytes().u8(0xFF).w(0xFFFF).i32(0x7FFFFFFF).zeros(100).v,
      Bytes().u8(0xFF).w(0xFFFF).i32(-1).zeros(100).v,
      Bytes().u8(0xFF).w(0xFFFE).u8(0xFF).w(0xFFFF).i32(0x40000000).zeros(90).v,
      Bytes().u8(0xFF).w(200).zeros(199).v,
      Bytes().u8(0xFF).w(0xFFFE).u8(3).w('a').w('b').v,
      Bytes().u8(0xFF).v,
      Bytes().u8(0xFF).w(0xFFFF).w(1).v,
  };
  for (auto& in : inputs)
    EXPECT_EQ(ReadError(in, [](CArchive& ar) { ar.ReadString(); }), ArchiveError::EndOfFile);
}

TEST(ArchiveCount, ShortAndLongForms) {
  for (size_t n : {size_t(0), size_t(0xFFFE), size_t(0xFFFF), size_t(100000)}) {
    CArchive out;
    out.WriteCount(n);
    EXPECT_EQ(out.Buffer().size(), n < 0xFFFF ? 2u : 6u);
    std::vector<uint8_t> bytes = out.Buffer();
    bytes.resize(bytes.size() + n);  // room for n one-byte items
    CArchive in(bytes);
    EXPECT_EQ(in.ReadCount(1), n);
  }
}

TEST(ArchiveCount, CountBeyondWhatIsLeftIsEndOfFile) {
  auto bytes = Bytes().w(0xFFFF).i32(0x7FFFFFFF).zeros(64).v;
  EXPECT_EQ(ReadError(bytes, [](CArchive& ar) { ar.ReadCount(1); }), ArchiveError::EndOfFile);
  bytes = Bytes().w(3).zeros(11).v;  // three int32 need 12 bytes
  EXPECT_EQ(ReadError(bytes,
                      [](CArchive& ar) {
                        std::vector<int32_t> v;
                        ar.IoInt32List(v);
                      }),
            ArchiveError::EndOfFile);
}

TEST(ArchiveValues, LittleEndianAndReadBackInEveryDirection) {
  CArchive out;
  uint8_t b = 0xAB;
  uint16_t w = 0x1234;
  int32_t i = -2;
  std::vector<std::string> texts = {"", G("报警"), std::string(300, 'x')};
  std::vector<int32_t> values = {1, -1, 70000};
  out.Io(b);
  out.Io(w);
  out.Io(i);
  out.Reserved(3);
  out.IoStringList(texts);
  out.IoInt32List(values);
  const auto& buf = out.Buffer();
  EXPECT_EQ(Head(buf, 10),
            (std::vector<uint8_t>{0xAB, 0x34, 0x12, 0xFE, 0xFF, 0xFF, 0xFF, 0, 0, 0}));

  // Reserved bytes are skipped whatever they hold.
  std::vector<uint8_t> dirty = buf;
  dirty[7] = dirty[8] = dirty[9] = 0x5A;
  CArchive in(dirty);
  uint8_t b2 = 0;
  uint16_t w2 = 0;
  int32_t i2 = 0;
  std::vector<std::string> texts2 = {"old"};
  std::vector<int32_t> values2 = {9, 9, 9, 9};
  in.Io(b2);
  in.Io(w2);
  in.Io(i2);
  in.Reserved(3);
  in.IoStringList(texts2);
  in.IoInt32List(values2);
  EXPECT_EQ(b2, b);
  EXPECT_EQ(w2, w);
  EXPECT_EQ(i2, i);
  EXPECT_EQ(texts2, texts);
  EXPECT_EQ(values2, values);
  EXPECT_EQ(in.Remaining(), 0u);
}

TEST(ArchiveValues, EveryTruncationIsEndOfFile) {
  CArchive out;
  out.WriteWord(7);
  out.WriteInt32(8);
  out.WriteString(std::string(300, 'y'));
  out.WriteReserved(5);
  const auto full = out.Buffer();
  for (size_t n = 0; n < full.size(); ++n) {
    auto cut = Head(full, n);
    EXPECT_EQ(ReadError(cut,
                        [](CArchive& ar) {
                          ar.ReadWord();
                          ar.ReadInt32();
                          ar.ReadString();
                          ar.SkipReserved(5);
                        }),
              ArchiveError::EndOfFile)
        << n;
  }
}

TEST(ArchiveTags, RunningIndexAcrossClassesAndObjects) {
  CArchive out;
  out.WriteObjectTag(ArchiveClass::Screen);  // class 1, object 2
  out.WriteObjectTag(ArchiveClass::Text);    // class 3, object 4
  out.WriteObjectTag(ArchiveClass::Text);    // object 5
  out.WriteObjectTag(ArchiveClass::Screen);  // object 6
  const auto expected = Bytes().newClass("CMainView").newClass("CChars").w(0x8003).w(0x8001).v;
  EXPECT_EQ(out.Buffer(), expected);
  CArchive in(expected);
  EXPECT_EQ(in.ReadObjectTag(), ArchiveClass::Screen);
  EXPECT_EQ(in.ReadObjectTag(), ArchiveClass::Text);
  EXPECT_EQ(in.ReadObjectTag(), ArchiveClass::Text);
  EXPECT_EQ(in.ReadObjectTag(), ArchiveClass::Screen);
}

TEST(ArchiveTags, ClassesFirstSeenPastIndex32766UseLargeTags) {
  CArchive out;
  const int screens = 40000;
  for (int i = 0; i < screens; ++i) out.WriteObjectTag(ArchiveClass::Screen);
  out.WriteObjectTag(ArchiveClass::Bar);  // class index 40002 (objects took 2..40001)
  out.WriteObjectTag(ArchiveClass::Bar);
  out.WriteObjectTag(ArchiveClass::Screen);
  const auto& buf = out.Buffer();
  // The second bar: tag 0x7FFF and the class index with bit 31 set.
  const size_t second = buf.size() - 2 - 6;
  EXPECT_EQ(std::vector<uint8_t>(buf.begin() + static_cast<long>(second), buf.end() - 2),
            (std::vector<uint8_t>{0xFF, 0x7F, 0x42, 0x9C, 0x00, 0x80}));
  CArchive in(buf);
  for (int i = 0; i < screens; ++i) ASSERT_EQ(in.ReadObjectTag(), ArchiveClass::Screen);
  EXPECT_EQ(in.ReadObjectTag(), ArchiveClass::Bar);
  EXPECT_EQ(in.ReadObjectTag(), ArchiveClass::Bar);
  EXPECT_EQ(in.ReadObjectTag(), ArchiveClass::Screen);
}

TEST(ArchiveTags, RefusedTags) {
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;  // after a CMainView description (class 1, object 2)
    ArchiveError error;
  } cases[] = {
      {"null tag", Bytes().w(0).v, ArchiveError::BadClass},
      {"reference to the object read", Bytes().w(2).v, ArchiveError::BadClass},
      {"reference to the class", Bytes().w(1).v, ArchiveError::BadClass},
      {"reference never given out", Bytes().w(3).v, ArchiveError::BadIndex},
      {"class index never given out", Bytes().w(0x8007).v, ArchiveError::BadIndex},
      {"class index of an object", Bytes().w(0x8002).v, ArchiveError::BadIndex},
      {"class index 0", Bytes().w(0x8000).v, ArchiveError::BadIndex},
      {"large class index never given", Bytes().w(0x7FFF).i32(0x80000009).v,
       ArchiveError::BadIndex},
      {"large class index of an object", Bytes().w(0x7FFF).i32(0x80000002).v,
       ArchiveError::BadIndex},
      {"large object reference", Bytes().w(0x7FFF).i32(2).v, ArchiveError::BadClass},
      {"large reference never given", Bytes().w(0x7FFF).i32(0x7FFFFFFF).v, ArchiveError::BadIndex},
      {"unknown class", Bytes().newClass("CWidget").v, ArchiveError::BadClass},
      {"intermediate class", Bytes().newClass("CLightFunc").v, ArchiveError::BadClass},
      {"name of 64 bytes", Bytes().w(0xFFFF).w(1).w(64).raw(std::string(64, 'C')).v,
       ArchiveError::BadClass},
      {"name length 0xFFFF", Bytes().w(0xFFFF).w(1).w(0xFFFF).v, ArchiveError::BadClass},
      {"schema 2", Bytes().w(0xFFFF).w(2).w(6).raw("CChars").v, ArchiveError::BadSchema},
      {"name cut short", Bytes().w(0xFFFF).w(1).w(6).raw("CCh").v, ArchiveError::EndOfFile},
      {"large tag cut short", Bytes().w(0x7FFF).w(1).v, ArchiveError::EndOfFile},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.name);
    Bytes b;
    b.newClass("CMainView").raw(std::string(c.bytes.begin(), c.bytes.end()));
    CArchive in(b.v);
    ASSERT_EQ(in.ReadObjectTag(), ArchiveClass::Screen);
    try {
      in.ReadObjectTag();
      ADD_FAILURE() << "accepted";
    } catch (const ArchiveException& e) {
      EXPECT_EQ(e.Error(), c.error);
    }
  }
}

}  // namespace
}  // namespace tavo

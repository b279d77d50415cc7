#include <string>

#include "base/Geometry.h"
#include "model/OldProject.h"
#include "model/OldProjectBytes.h"
#include "plc/ProtocolTraits.h"

// How the old settings, screens, element records and alarm entries become the
// fields of the new records.
namespace tavo {

using old::I32;
using old::U16;
using old::U32;
using old::U8;

namespace {

// Station bytes: protocol 2 always talks to station 2.
uint8_t Station(uint8_t oldValue, uint8_t p) {
  return p == 2 ? 2 : oldValue;
}
// Register types of protocol 2 were counted from 1.
uint8_t WordType(uint8_t oldValue, uint8_t p) {
  return p == 2 ? static_cast<uint8_t>(oldValue - 1) : oldValue;
}
// 0/1 flags the old file stored the other way round.
uint8_t Negated(uint8_t v) {
  return static_cast<uint8_t>(1 - v);
}
// An upper limit must lie above the lower one; 32-bit arithmetic as stored.
uint32_t AboveLow(int32_t high, int32_t low) {
  return high > low ? static_cast<uint32_t>(high) : static_cast<uint32_t>(low) + 1u;
}

std::string_view Text(std::span<const uint8_t> r, size_t lengthAt, size_t from) {
  size_t n = U8(r, lengthAt);
  if (from + n > r.size()) n = from < r.size() ? r.size() - from : 0;
  return {reinterpret_cast<const char*>(r.data()) + from, n};
}

void Common(OrxRecord& out, uint8_t kind, std::span<const uint8_t> r) {
  out.Byte(kind)
      .Int32(static_cast<uint32_t>(EditorToPanel(I32(r, 0))))
      .Int32(static_cast<uint32_t>(EditorToPanel(I32(r, 4))));
}

OrxRecord Chars(std::span<const uint8_t> r) {
  OrxRecord out;
  Common(out, 1, r);
  out.Byte(U8(r, 8)).Byte(U8(r, 9)).String(Text(r, 14, 15)).Reserved(50);
  return out;
}

OrxRecord Light(std::span<const uint8_t> r, uint8_t p) {
  OrxRecord out;
  Common(out, 3, r);
  int32_t bit = I32(r, 26);
  out.Byte(U8(r, 8))
      .Byte(Negated(U8(r, 30)))
      .Byte(BitPart(bit, p))
      .Byte(U8(r, 14))
      .Byte(Station(U8(r, 18), p))
      .Byte(U8(r, 22))
      .Word(WordPart(bit, p))
      .Byte(0)  // m_bitOffset
      .Reserved(50);
  return out;
}

OrxRecord Register(std::span<const uint8_t> r, uint8_t p) {
  OrxRecord out;
  Common(out, 2, r);
  int32_t low = I32(r, 47);
  out.Byte(U8(r, 8))
      .Byte(U8(r, 9))
      .Byte(Station(U8(r, 14), p))
      .Byte(WordType(U8(r, 18), p))
      .Word(RegAddr(I32(r, 22), p))
      .Byte(U8(r, 26))  // m_regCount
      .Byte(U8(r, 30))  // m_digits
      .Byte(U8(r, 34))  // m_decimals
      .Byte(U8(r, 40))  // m_settable
      .Byte(U8(r, 42))  // m_limited
      .Int32(AboveLow(I32(r, 43), low))
      .Int32(static_cast<uint32_t>(low))
      .Int32(1)  // m_engHigh
      .Int32(0)  // m_engLow
      .Byte(U8(r, 41))
      .Byte(U8(r, 38))
      .Byte(Negated(U8(r, 39)))
      .Byte(0)  // m_scaled
      .Byte(0)  // m_subAddr
      .Reserved(99);
  return out;
}

OrxRecord Function(std::span<const uint8_t> r, uint8_t p) {
  OrxRecord out;
  Common(out, 4, r);
  int32_t bit = I32(r, 30);
  out.Byte(U8(r, 8))
      .Byte(U8(r, 9))
      .Byte(BitPart(bit, p))
      .Byte(MapKeyStyle(U8(r, 14)))
      .Byte(Station(U8(r, 22), p))
      .Byte(U8(r, 26))
      .Word(WordPart(bit, p))
      .Byte(U8(r, 19))  // m_hand
      .Byte(U8(r, 18))  // m_hidden
      .Byte(U8(r, 20))  // m_protected
      .Byte(U8(r, 21))  // m_action
      .Byte(U8(r, 34))  // m_coilOp
      .Byte(U8(r, 35))  // m_jumpKind
      .Word(U16(r, 36))
      .Int32(0)  // m_setValue
      // m_valueFormat, m_valueSigned, m_recipeOp, m_recipeTarget and
      // m_recipeLen (9 bytes, all 0) and the 91 reserved bytes.
      .Reserved(100);
  return out;
}

// The part bar and trend share, up to the register count.
void BarTide(OrxRecord& out, uint8_t kind, std::span<const uint8_t> r, uint8_t p) {
  Common(out, kind, r);
  int32_t zero = I32(r, 40);
  out.Byte(static_cast<uint8_t>(EditorToPanel(U8(r, 32))))
      .Byte(static_cast<uint8_t>(EditorToPanel(U8(r, 36))))
      .Byte(U8(r, 30))
      .Byte(Negated(U8(r, 31)))
      .Int32(AboveLow(I32(r, 44), zero))
      .Int32(static_cast<uint32_t>(zero))
      .Byte(Station(U8(r, 14), p))
      .Byte(WordType(U8(r, 18), p))
      .Word(RegAddr(I32(r, 22), p))
      .Byte(U8(r, 26));
}

OrxRecord Bar(std::span<const uint8_t> r, uint8_t p) {
  OrxRecord out;
  BarTide(out, 6, r, p);
  uint8_t dir = U8(r, 48);
  if (dir == 2 || dir == 3) dir = static_cast<uint8_t>(5 - dir);
  out.Byte(dir).Byte(0).Reserved(99);
  return out;
}

OrxRecord Tide(std::span<const uint8_t> r, uint8_t p) {
  OrxRecord out;
  BarTide(out, 7, r, p);
  out.Word(U32(r, 52)).Byte(U8(r, 48)).Byte(0).Reserved(99);
  return out;
}

// The information block and the bits follow offset 40 unchanged. The
// image-size field of the block is what the project reader takes as the
// length of the bits, so it is set to the number of bits bytes that follow:
// an old header whose field is 0 or stale must not make the new file misread.
OrxRecord Picture(std::span<const uint8_t> r) {
  OrxRecord out;
  Common(out, 5, r);
  std::string block;
  if (r.size() > 40) block.assign(reinterpret_cast<const char*>(r.data()) + 40, r.size() - 40);
  if (block.size() >= 48) {
    uint32_t bits = static_cast<uint32_t>(block.size() - 48);
    for (int i = 0; i < 4; ++i) block[20 + i] = static_cast<char>(bits >> (8 * i));
  }
  out.Raw(block).Reserved(20);
  return out;
}

OrxRecord Dynamic(std::span<const uint8_t> r, uint8_t p) {
  OrxRecord out;
  Common(out, 8, r);
  unsigned rows = U8(r, 27);
  out.Byte(U8(r, 8))
      .Byte(U8(r, 9))
      .Byte(Station(U8(r, 14), p))
      .Byte(WordType(U8(r, 18), p))
      .Word(RegAddr(I32(r, 22), p))
      .Byte(1)  // m_regCount
      .Byte(U8(r, 26));
  out.Count(32);
  for (unsigned s = 0; s < 32; ++s) out.String(s < rows ? Text(r, 31 + 25 * s, 32 + 25 * s) : "");
  out.Count(32);
  for (unsigned s = 0; s < 32; ++s) out.Int32(s < rows ? s + 1 : 0);
  out.Count(32);
  for (unsigned s = 1; s <= 32; ++s) out.String(s <= rows ? std::to_string(s) : "");
  out.Byte(0).Reserved(99);
  return out;
}

}  // namespace

uint8_t MapProtocol(uint8_t c) {
  switch (c) {
    case 1:
      return 7;
    case 2:
      return 2;
    case 3:
      return 5;
    case 4:
      return 8;
    case 6:
      return 6;
    case 7:
      return 13;
    case 8:
      return 10;
    case 10:
      return 11;
    case 11:
      return 14;
    case 12:
      return 11;
    case 0:
    case 5:
    case 9:
    case 13:
      return 4;
    default:
      return c;  // 14 and above
  }
}

uint16_t RegAddr(int32_t a, uint8_t p) {
  if (p == 2) return static_cast<uint16_t>(a / 8);
  if (p == 7) {
    // The last five decimal digits, read as octal digits.
    int32_t result = 0;
    int32_t weight = 1;
    for (int k = 0; k < 5; ++k) {
      result += (a % 10) * weight;
      a /= 10;
      weight *= 8;
    }
    return static_cast<uint16_t>(result);
  }
  return static_cast<uint16_t>(a);
}

uint16_t WordPart(int32_t a, uint8_t p) {
  if (p == 2) return static_cast<uint16_t>(a / 8);
  if (TraitsOf(p).oldBitAddressTimesSixteen) return static_cast<uint16_t>(a / 16);
  if (p == 7) return RegAddr(a, p);
  return static_cast<uint16_t>(a);
}

uint8_t BitPart(int32_t a, uint8_t p) {
  if (p == 2) return static_cast<uint8_t>(a % 8);
  if (TraitsOf(p).oldBitAddressTimesSixteen) return static_cast<uint8_t>(a % 16);
  return 0;
}

uint8_t MapKeyStyle(uint8_t v) {
  static constexpr uint8_t kFirstNine[10] = {0, 7, 4, 3, 2, 1, 5, 6, 19, 18};
  if (v >= 1 && v <= 9) return kFirstNine[v];
  if (v >= 10 && v <= 19) return static_cast<uint8_t>(v - 2);
  return v;
}

uint8_t MapBaud(uint8_t v, uint8_t p) {
  if (p == 2) return v == 5 ? 0 : v == 6 ? 1 : 5;
  switch (v) {
    case 2:
      return 0;
    case 3:
      return 1;
    case 4:
      return 2;
    case 5:
      return 3;
    case 6:
      return 4;
    case 8:
      return 5;
    default:
      return v;
  }
}

ConvertedElement ConvertOldElement(const OldRecord& rec, uint8_t p) {
  auto r = rec.bytes;
  switch (rec.kind) {
    case kOldText:
      return {ArchiveClass::Text, Chars(r)};
    case kOldRegister:
      return {ArchiveClass::Register, Register(r, p)};
    case kOldLight:
      return {ArchiveClass::Light, Light(r, p)};
    case kOldKey:
      return {ArchiveClass::Key, Function(r, p)};
    case kOldTrend:
      return {ArchiveClass::Trend, Tide(r, p)};
    case kOldBar:
      return {ArchiveClass::Bar, Bar(r, p)};
    case kOldPicture:
      return {ArchiveClass::Picture, Picture(r)};
    case kOldDynamic:
      return {ArchiveClass::Dynamic, Dynamic(r, p)};
    default:
      return {ArchiveClass::Base, {}};  // never: the walk refuses other kinds
  }
}

OrxRecord ConvertOldSettings(std::span<const uint8_t> h, uint8_t p) {
  uint8_t flags = U8(h, 49);
  if (flags >= 0x20 && flags <= 0x2F) flags = static_cast<uint8_t>((flags & 0x0F) + 4);
  OrxRecord out;
  out.Word(0)  // m_curScreen
      .Byte(p)
      .Word(U16(h, 25))  // m_password
      .Word(U16(h, 21))  // m_startScreen
      .Byte(Station(U8(h, 50), p))
      .Word(RegAddr(U16(h, 58), p))
      .Byte(p == 2 ? 1 : 0)  // m_ctrlRegType
      .Word(U16(h, 72))      // m_saverScreen
      .Byte(U8(h, 67))       // m_saverDelay
      .Byte(flags)
      .Byte(MapBaud(U8(h, 45), p))
      .Byte(U8(h, 47) == 0 ? 1 : 0)  // m_dataBits
      // m_stopBits with bit 7 clear: four bytes follow, no m_commOption.
      .Byte(U8(h, 48) == 0 ? 1 : 0)
      .Byte(U8(h, 46))                // m_parity
      .Byte(U8(h, 17))                // m_commParam
      .Byte(p == 2 ? 2 : 1)           // m_protoMode
      .Byte(U8(h, 71) == 0 ? 1 : 0);  // m_saverAction
  return out;
}

OrxRecord ConvertOldScreenHead(const OldScreen& screen) {
  auto h = screen.header;
  OrxRecord out;
  out.Word(U16(h, 0))
      .String(Text(h, 2, 5))
      .Word(U16(h, 45))
      .Word(U16(h, 47))
      .Reserved(20)
      // The records actually converted: the old count's low byte.
      .Count(static_cast<uint32_t>(screen.records.size()));
  return out;
}

OrxRecord ConvertOldAlarms(const OldProject& old, uint8_t p) {
  auto h = old.header;
  int32_t begin = I32(h, 41);
  OrxRecord out;
  out.Byte(Station(U8(h, 33), p))
      .Word(WordPart(begin, p))
      .Byte(BitPart(begin, p))
      .Byte(0)  // m_regType
      .Byte(0)  // m_bitOffset
      .Reserved(100)
      .Count(static_cast<uint32_t>(old.alarms.size()));
  for (auto entry : old.alarms) out.String(Text(entry, 0, 1));
  return out;
}

}  // namespace tavo

#include <algorithm>

#include "model/OldProject.h"
#include "model/OldProjectBytes.h"

// The walk over an old file. Every count and length in it is checked against
// the bytes that are really there before anything is taken or reserved.
namespace tavo {

namespace {

// The picture's 48-byte information block starts at offset 40; its record
// length is 26 + the value at offset 22, so that value must be at least 62.
constexpr uint64_t kPictureMinLength = 62;

class OldCursor {
 public:
  explicit OldCursor(std::span<const uint8_t> bytes) : m_bytes(bytes) {}
  size_t Left() const { return m_bytes.size() - m_pos; }
  std::span<const uint8_t> Rest() const { return m_bytes.subspan(m_pos); }
  bool Take(uint64_t n, std::span<const uint8_t>& out) {
    if (n > Left()) return false;
    out = m_bytes.subspan(m_pos, static_cast<size_t>(n));
    m_pos += static_cast<size_t>(n);
    return true;
  }

 private:
  std::span<const uint8_t> m_bytes;
  size_t m_pos = 0;
};

// Length bytes inside a record must stay inside their own field.
bool TextsFit(const OldRecord& rec) {
  auto r = rec.bytes;
  switch (rec.kind) {
    case kOldText:
      return old::U8(r, 14) <= kOldTextMax;
    case kOldDynamic: {
      unsigned rows = old::U8(r, 27);
      for (unsigned s = 0; s < rows; ++s)
        if (old::U8(r, 31 + 25 * s) > kOldTextMax) return false;
      return true;
    }
    case kOldPicture:
      return old::U32(r, 22) >= kPictureMinLength;
    default:
      return true;
  }
}

}  // namespace

bool HasOldProjectMark(std::span<const uint8_t> bytes) {
  return bytes.size() >= 4 && bytes[0] == 0x03 && bytes[1] == 'Q' && bytes[2] == 'S' &&
         bytes[3] == 'E';
}

std::optional<uint64_t> OldRecordLength(std::span<const uint8_t> rec) {
  if (rec.size() < 11) return std::nullopt;
  switch (rec[10]) {
    case kOldText:
      return 39;
    case kOldRegister:
      return 51;
    case kOldLight:
      return 31;
    case kOldKey:
      return 41;
    case kOldTrend:
      return 56;
    case kOldBar:
      return 52;
    case kOldPicture:
      if (rec.size() < 26) return std::nullopt;
      return 26 + uint64_t{old::U32(rec, 22)};
    case kOldDynamic:
      if (rec.size() < 28) return std::nullopt;
      return 35 + 25 * uint64_t{rec[27]};
    default:
      return std::nullopt;
  }
}

std::optional<OldProject> ParseOldProject(std::span<const uint8_t> bytes) {
  if (!HasOldProjectMark(bytes) || bytes.size() > kOldFileMaxSize) return std::nullopt;
  OldCursor in(bytes);
  OldProject old;
  if (!in.Take(kOldHeaderSize, old.header)) return std::nullopt;

  unsigned screenCount = old::U16(old.header, 76);
  if (uint64_t{screenCount} * kOldScreenHeaderSize > in.Left()) return std::nullopt;
  old.screens.reserve(screenCount);
  for (unsigned i = 0; i < screenCount; ++i) {
    OldScreen screen;
    if (!in.Take(kOldScreenHeaderSize, screen.header)) return std::nullopt;
    if (old::U8(screen.header, 2) > kOldDescriptionMax) return std::nullopt;
    // Only the low byte of the element count is used.
    unsigned elementCount = old::U8(screen.header, 53);
    screen.records.reserve(std::min<size_t>(elementCount, in.Left() / 31));
    for (unsigned e = 0; e < elementCount; ++e) {
      auto length = OldRecordLength(in.Rest());
      OldRecord rec;
      if (!length || !in.Take(*length, rec.bytes)) return std::nullopt;
      rec.kind = rec.bytes[10];
      if (!TextsFit(rec)) return std::nullopt;
      screen.records.push_back(rec);
    }
    old.screens.push_back(std::move(screen));
  }

  unsigned alarmCount = old::U8(old.header, 29);
  old.alarms.reserve(alarmCount);
  for (unsigned i = 0; i < alarmCount; ++i) {
    std::span<const uint8_t> entry;
    if (!in.Take(kOldAlarmEntrySize, entry)) return std::nullopt;
    if (entry[0] > kOldTextMax) return std::nullopt;
    old.alarms.push_back(entry);
  }
  return old;
}

}  // namespace tavo

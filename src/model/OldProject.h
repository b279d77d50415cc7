#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/Archive.h"
#include "model/OrxRecord.h"

// Projects of the previous generation of the editor (.qse): a flat
// little-endian layout of settings, screens with their element records and the
// alarm entries. They are converted, in one pass, into a project file of
// format version 1 that the project reader accepts.
namespace tavo {

// ---- the old file ----

// Layout constants of the old file.
inline constexpr size_t kOldHeaderSize = 80;        // settings block before the first screen
inline constexpr size_t kOldScreenHeaderSize = 57;  // per screen, before its element records
inline constexpr size_t kOldAlarmEntrySize = 25;    // length byte + up to 24 text bytes
inline constexpr size_t kOldDescriptionMax = 40;    // screen description bytes
inline constexpr size_t kOldTextMax = 24;           // text, dynamic-text row and alarm bytes
// Old files come from a panel whose image holds at most 32 KiB; anything
// this large is not an old project, and it would be held in memory whole.
inline constexpr size_t kOldFileMaxSize = 4u << 20;

// Old element kind codes (they differ from the element kinds of a project).
enum OldKind : uint8_t {
  kOldText = 1,
  kOldRegister = 2,
  kOldLight = 3,
  kOldKey = 4,
  kOldTrend = 5,
  kOldBar = 6,
  kOldPicture = 7,
  kOldDynamic = 8,
};

// The converted screen lists its elements kind by kind, in this order of old
// kinds: text, register, light, key, bar, trend, picture, dynamic text.
inline constexpr std::array<uint8_t, 8> kOldPassOrder = {
    kOldText, kOldRegister, kOldLight, kOldKey, kOldBar, kOldTrend, kOldPicture, kOldDynamic};

// One old element record: its old kind and all its bytes (offset 0 = x).
struct OldRecord {
  uint8_t kind = 0;
  std::span<const uint8_t> bytes;
};

// One old screen: its 57-byte header and its element records in old order.
struct OldScreen {
  std::span<const uint8_t> header;
  std::vector<OldRecord> records;
};

// A parsed old file. The spans point into the bytes given to ParseOldProject.
struct OldProject {
  std::span<const uint8_t> header;  // the first 80 bytes
  std::vector<OldScreen> screens;
  std::vector<std::span<const uint8_t>> alarms;  // 25 bytes each
};

// True when the bytes start with 0x03 "QSE".
bool HasOldProjectMark(std::span<const uint8_t> bytes);

// Record length of an old element whose bytes start at `rec` (at least 11 of
// them), or nullopt when the kind is unknown or the record cannot be sized
// from the bytes available. The length may exceed rec.size().
std::optional<uint64_t> OldRecordLength(std::span<const uint8_t> rec);

// Walks the whole old file. Refuses (nullopt) a file whose mark is wrong, that
// is shorter than its header, screens, element records or alarm entries
// announce, holds an element kind outside 1..8, a text length past its field,
// or a picture too short for its information block.
std::optional<OldProject> ParseOldProject(std::span<const uint8_t> bytes);

// ---- protocol-dependent conversions (p is the new protocol number) ----

// Old protocol code to protocol number.
uint8_t MapProtocol(uint8_t oldCode);
// A word address of the old file.
uint16_t RegAddr(int32_t a, uint8_t p);
// The word and bit parts of an old bit address.
uint16_t WordPart(int32_t a, uint8_t p);
uint8_t BitPart(int32_t a, uint8_t p);
// Old function-key style to the key's picture style.
uint8_t MapKeyStyle(uint8_t oldStyle);
// Old baud index to the baud index of protocol p.
uint8_t MapBaud(uint8_t oldIndex, uint8_t p);

// ---- the new records, as field lists ----

// The new element of one old record: its class name and its whole file
// record (kind, x, y, then the version-1 fields and reserved block).
struct ConvertedElement {
  ArchiveClass cls;
  OrxRecord record;
};
ConvertedElement ConvertOldElement(const OldRecord& rec, uint8_t p);

// The project's fields from `m_curScreen` up to the reserved block, in the
// version-1 layout (stop-bits byte with bit 7 clear, four bytes after it).
OrxRecord ConvertOldSettings(std::span<const uint8_t> header, uint8_t p);
// A screen's record up to and including its element count.
OrxRecord ConvertOldScreenHead(const OldScreen& screen);
// The alarm list's record.
OrxRecord ConvertOldAlarms(const OldProject& old, uint8_t p);

// ---- the conversion ----

// Writes the whole new project file (format version 1) for a parsed old file
// into an archive in write mode.
void WriteConvertedProject(const OldProject& old, CArchive& out);

// Parses and converts; nullopt when the old file is refused.
std::optional<std::vector<uint8_t>> ConvertOldProject(std::span<const uint8_t> oldBytes);

}  // namespace tavo

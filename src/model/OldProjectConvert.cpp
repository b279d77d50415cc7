#include "model/OldProject.h"
#include "model/OldProjectBytes.h"

// The converted project file: header, version-1 settings, the screens with
// their elements kind by kind, then the alarm list.
namespace tavo {

void WriteConvertedProject(const OldProject& old, CArchive& out) {
  uint8_t p = MapProtocol(old::U8(old.header, 13));

  out.SetFileVersion(1);
  static constexpr uint8_t kHeader[8] = {0x08, 'O', 'r', 'm', 'i', 'x', 1, 1};
  out.WriteBytes(kHeader, sizeof kHeader);  // tag, magic, version 1, format mark
  WriteRecord(out, ConvertOldSettings(old.header, p));
  out.WriteReserved(98);

  out.WriteCount(old.screens.size());
  for (const auto& screen : old.screens) {
    out.WriteObjectTag(ArchiveClass::Screen);
    WriteRecord(out, ConvertOldScreenHead(screen));
    for (uint8_t kind : kOldPassOrder) {
      for (const auto& rec : screen.records) {
        if (rec.kind != kind) continue;
        ConvertedElement element = ConvertOldElement(rec, p);
        out.WriteObjectTag(element.cls);
        WriteRecord(out, element.record);
      }
    }
  }
  WriteRecord(out, ConvertOldAlarms(old, p));
}

std::optional<std::vector<uint8_t>> ConvertOldProject(std::span<const uint8_t> oldBytes) {
  auto old = ParseOldProject(oldBytes);
  if (!old) return std::nullopt;
  CArchive out;
  WriteConvertedProject(*old, out);
  return out.TakeBuffer();
}

}  // namespace tavo

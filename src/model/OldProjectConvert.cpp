#include "model/OldProject.h"
#include "model/OldProjectBytes.h"

// The converted project file: header, version-1 settings, the screens with
// their elements kind by kind, then the alarm list.
namespace tavo {

void WriteConvertedProject(const OldProject& old, OrxWriter& out) {
  uint8_t p = MapProtocol(old::U8(old.header, 13));

  out.Byte(0x08);
  out.Raw("Ormix");
  out.Byte(1);  // format version 1
  out.Byte(1);  // format mark
  out.Write(ConvertOldSettings(old.header, p));
  out.Reserved(98);

  out.Count(static_cast<uint32_t>(old.screens.size()));
  for (const auto& screen : old.screens) {
    out.BeginObject("CMainView");
    out.Write(ConvertOldScreenHead(screen));
    for (uint8_t kind : kOldPassOrder) {
      for (const auto& rec : screen.records) {
        if (rec.kind != kind) continue;
        ConvertedElement element = ConvertOldElement(rec, p);
        out.BeginObject(element.className);
        out.Write(element.record);
      }
    }
  }
  out.Write(ConvertOldAlarms(old, p));
}

std::optional<std::vector<uint8_t>> ConvertOldProject(std::span<const uint8_t> oldBytes) {
  auto old = ParseOldProject(oldBytes);
  if (!old) return std::nullopt;
  OrxWriter out;
  WriteConvertedProject(*old, out);
  return out.Take();
}

}  // namespace tavo

#include "panel/AlarmDisplay.h"

namespace tavo::panel {

namespace {

constexpr size_t kAlarmHeaderBytes = 10;
constexpr size_t kAlarmEntryBytes = 3;
constexpr size_t kAlarmTextOffset = 18;  // length byte, 17 reserved bytes, then the text

}  // namespace

AlarmList ReadAlarmList(const PanelImage& image, std::vector<std::string>& problems) {
  AlarmList list;
  if (!image.Ready() || !image.Header().hasAlarmList) return list;
  list.address = image.Header().endAddress;
  auto h = image.Bytes(list.address, kAlarmHeaderBytes);
  if (h.empty()) {
    problems.push_back("alarm list at " + HexAddress(list.address) + " lies outside the image");
    return list;
  }
  list.present = true;
  const uint8_t count = h[0];
  list.station = h[3];
  list.type = h[4];
  list.wordAddress = static_cast<uint16_t>(h[5] << 8 | h[6]);
  list.width = h[7];
  list.sub = h[8];
  list.bitOffset = h[9];
  for (size_t j = 0; j < count; ++j) {
    auto e = image.Bytes(list.address + kAlarmHeaderBytes + j * kAlarmEntryBytes, kAlarmEntryBytes);
    if (e.empty()) {
      problems.push_back("alarm list at " + HexAddress(list.address) + ": entry " +
                         std::to_string(j) + " lies outside the image");
      break;
    }
    const uint16_t block = static_cast<uint16_t>(e[1] << 8 | e[2]);
    uint8_t len = 0;
    auto text = image.Byte(block, len) ? image.Bytes(block + kAlarmTextOffset, len)
                                       : std::span<const uint8_t>();
    if (text.empty() && (len != 0 || !image.Contains(block, kAlarmTextOffset))) {
      problems.push_back("alarm text " + std::to_string(j) + " at " + HexAddress(block) +
                         " runs past the end of the image");
      continue;
    }
    list.entries.push_back({e[0], std::vector<uint8_t>(text.begin(), text.end())});
  }
  return list;
}

AlarmBit AlarmBitOf(const AlarmList& list, size_t j, uint8_t wordStep) {
  AlarmBit out;
  out.key = {list.station, list.type, list.wordAddress, list.sub};
  const size_t n = size_t{list.bitOffset} + j;
  if (list.width == 0) {
    out.key.address = static_cast<uint16_t>(list.wordAddress + n);
    return out;
  }
  const size_t bitsPerItem = 8u * list.width;
  const size_t step = wordStep == 0 ? 1 : wordStep;
  out.key.address = static_cast<uint16_t>(list.wordAddress + (n / bitsPerItem) * step);
  out.bit = static_cast<unsigned>(n % bitsPerItem);
  return out;
}

bool AlarmActive(const AlarmList& list, size_t j, uint8_t wordStep, const PlcInterface& plc) {
  const AlarmBit a = AlarmBitOf(list, j, wordStep);
  return a.bit < 32 && ((plc.Get(a.key) >> a.bit) & 1) != 0;
}

std::vector<size_t> ActiveAlarms(const AlarmList& list, uint8_t wordStep, const PlcInterface& plc) {
  std::vector<size_t> out;
  for (size_t i = 0; i < list.entries.size(); ++i)
    if (AlarmActive(list, list.entries[i].number, wordStep, plc)) out.push_back(i);
  return out;
}

void PaintAlarmList(PanelBitmap& bitmap, const AlarmList& list, size_t first,
                    const PaintContext& context) {
  const std::vector<size_t> active =
      ActiveAlarms(list, context.image.Header().wordStep, context.plc);
  for (size_t row = 0; row < kAlarmRows && first + row < active.size(); ++row)
    PaintGlyphCodes(bitmap, 0, static_cast<int>(row) * 16, list.entries[active[first + row]].codes,
                    1, false, context);
}

}  // namespace tavo::panel

#pragma once

// The panel's alarm list: the coils it watches and the texts it shows for
// those that are on.

#include <cstdint>
#include <string>
#include <vector>

#include "panel/PanelBitmap.h"
#include "panel/PanelImage.h"
#include "panel/PanelPainter.h"
#include "panel/SimulatedPlc.h"

namespace tavo::panel {

struct AlarmEntry {
  uint8_t number = 0;          // position in the list
  std::vector<uint8_t> codes;  // glyph codes of the text
};

struct AlarmList {
  bool present = false;
  uint16_t address = 0;  // where the list starts: the header's end address
  uint8_t station = 0;
  uint8_t type = 0;
  uint16_t wordAddress = 0;
  uint8_t width = 0;
  uint8_t sub = 0;
  uint8_t bitOffset = 0;
  std::vector<AlarmEntry> entries;
};

// Reads the alarm list at the header's end address (when the header says
// there is one). Problems are appended to `problems`.
AlarmList ReadAlarmList(const PanelImage& image, std::vector<std::string>& problems);

// The PLC item and bit that alarm `j` watches. Alarm j is bit (bit offset + j)
// counted through consecutive items of `width` bytes from the word address
// (the address advancing by the header's word step per item); with a width of
// 0 the alarms are consecutive coils from the word address.
struct AlarmBit {
  PlcKey key;
  unsigned bit = 0;
};
AlarmBit AlarmBitOf(const AlarmList& list, size_t j, uint8_t wordStep);
bool AlarmActive(const AlarmList& list, size_t j, uint8_t wordStep, const PlcInterface& plc);

// Positions in `entries` of the alarms that are on, in list order.
std::vector<size_t> ActiveAlarms(const AlarmList& list, uint8_t wordStep, const PlcInterface& plc);

// Draws the active alarms' texts one per 16-pixel row, starting with the
// `first`-th active alarm; four rows fit the display.
void PaintAlarmList(PanelBitmap& bitmap, const AlarmList& list, size_t first,
                    const PaintContext& context);
inline constexpr size_t kAlarmRows = 4;

}  // namespace tavo::panel

#pragma once

// Drawing of element records on the panel's display, from the image's own
// glyph and picture slots and the simulated PLC's values.

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "panel/PanelBitmap.h"
#include "panel/PanelImage.h"
#include "panel/PanelRecords.h"
#include "panel/SimulatedPlc.h"

namespace tavo::panel {

// Samples of the trend graphs of the shown screen, by element position.
using TrendSamples = std::map<size_t, std::deque<uint32_t>>;

struct PaintContext {
  const PanelImage& image;
  const PlcInterface& plc;
  const TrendSamples* trends = nullptr;
  // Where references point outside the areas the header describes (read
  // anyway, as the panel would, as long as they are inside the image).
  std::vector<std::string>* problems = nullptr;
};

// Draws one element (the record at position `position` of the screen).
void PaintElement(PanelBitmap& bitmap, const ElementRecord& element, size_t position,
                  const PaintContext& context);

// Draws glyph codes from (x, y): narrow codes 8 x 16 from the narrow glyphs,
// two-byte codes 16 x 16 from the slots; returns the x after the last cell.
int PaintGlyphCodes(PanelBitmap& bitmap, int x, int y, const std::vector<uint8_t>& codes, int scale,
                    bool inverse, const PaintContext& context);

// Text of a numeric register being entered: `text` right-aligned in its cells,
// shown inverse to mark the entry.
void PaintRegisterEntry(PanelBitmap& bitmap, const ElementRecord& element, const std::string& text);

}  // namespace tavo::panel

#pragma once

// The element records of a screen, read from the image as the panel reads
// them. Each reader takes the record's fixed bytes; a record that does not lie
// wholly inside the image is reported and left out.

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "panel/PanelImage.h"
#include "panel/SimulatedPlc.h"

namespace tavo::panel {

// A box in panel pixels (right and bottom exclusive).
struct PanelBox {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool operator==(const PanelBox&) const = default;
};

// The PLC binding of the common address block: bytes 3-8.
struct Binding {
  PlcKey key;         // station, type code, address, sub-address
  uint8_t width = 0;  // bytes: item width x register count
};

struct TextRecord {
  bool inverse = false;
  bool doubleSize = false;
  std::vector<uint8_t> codes;  // glyph codes, as many bytes as the text had
};

struct RegisterRecord {
  uint8_t flags = 0;
  bool inverse = false, doubleSize = false, scaled = false, settable = false;
  bool isSigned = false, decimal = false, isProtected = false, limited = false;
  Binding binding;
  uint8_t cells = 0;
  uint8_t decimals = 0;
  int32_t inHigh = 0, inLow = 0, engHigh = 0, engLow = 0;  // when limited (eng: and scaled)
};

struct LightRecord {
  bool doubleSize = false;
  Binding binding;
  uint8_t bitOffset = 0;
  uint8_t offPicture = 0;  // picture slot shown while the bit is 0
  uint8_t onPicture = 0;   // ... and while it is 1
};

// Action codes of a function key (record byte 10).
enum KeyAction : uint8_t {
  kActionCoilOn = 1,
  kActionCoilOff = 2,
  kActionCoilToggle = 3,
  kActionCoilMomentary = 4,
  kActionSetRegister = 5,
  kActionRecipeUpload = 6,
  kActionRecipeBaseDown = 9,
  kActionJumpScreen = 0x80,
  kActionJumpAlarmList = 0x81,
  kActionJumpClock = 0x82,
};

struct KeyRecord {
  bool inverse = false, doubleSize = false, hidden = false, isProtected = false;
  Binding binding;
  uint8_t keyCode = 0;
  uint8_t action = 0;
  uint32_t value = 0;                 // bytes 11-14
  uint16_t target = 0;                // bytes 13-14: screen number, recipe length
  bool hand = false;                  // byte 15 = 4
  std::vector<uint8_t> pictureSlots;  // hand first when there is one, then the key
};

struct PictureRecord {
  uint8_t width = 0;
  uint8_t height = 0;
  uint16_t data = 0;  // address of the column bands
};

struct GraphRecord {
  bool trend = false;
  bool isSigned = false, decimal = false;
  Binding binding;
  uint8_t width = 0, height = 0;
  int32_t fullScale = 0, zeroScale = 0;
  uint8_t direction = 1;  // bar: 1 up, 2 down, 4 left, 8 right
  uint8_t points = 0;     // trend
  uint16_t interval = 0;
  uint8_t trendCount = 0, trendIndex = 0;
};

struct DynamicRow {
  uint16_t value = 0;
  uint16_t block = 0;  // address of the row's text block
};

struct DynamicRecord {
  bool inverse = false, doubleSize = false, isSigned = false, decimal = false;
  Binding binding;
  uint8_t cells = 0;
  std::vector<DynamicRow> rows;
};

using RecordBody = std::variant<std::monostate, TextRecord, RegisterRecord, LightRecord, KeyRecord,
                                PictureRecord, GraphRecord, DynamicRecord>;

struct ElementRecord {
  uint8_t kind = 0;
  uint16_t address = 0;
  int x = 0;
  int y = 0;
  PanelBox box;  // what the element covers on the display
  RecordBody body;
};

struct DecodedScreen {
  std::vector<ElementRecord> elements;  // in index order
  std::vector<std::string> problems;
};

// Reads every element of the screen. Unknown kinds and records outside the
// image are reported in `problems` and left out.
DecodedScreen DecodeScreen(const PanelImage& image, const ScreenEntry& screen);

// Reads one element record; nullopt-like (kind 0 body monostate) with a reason
// when it cannot be read.
bool DecodeRecord(const PanelImage& image, const IndexEntry& entry, ElementRecord& out,
                  std::string& problem);

// The text block of one dynamic-text row: flags byte, length and glyph codes.
struct DynamicText {
  uint8_t flags = 0;
  std::vector<uint8_t> codes;
};
bool ReadDynamicText(const PanelImage& image, uint16_t block, DynamicText& out);

}  // namespace tavo::panel

#include "render/TextEncoding.h"

#include <algorithm>

namespace tavo {

std::vector<PanelChar> SplitPanelText(std::string_view text) {
  std::vector<PanelChar> cells;
  cells.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    auto b = static_cast<uint8_t>(text[i]);
    PanelChar c;
    c.pos = i;
    if (b < 0x80) {
      c.code = b;
    } else if (i + 1 < text.size()) {
      c.wide = true;
      c.pair = {b, static_cast<uint8_t>(text[i + 1])};
      ++i;
    } else {
      c.code = ' ';  // lone lead byte at the end
    }
    cells.push_back(c);
  }
  return cells;
}

namespace {

template <typename List, typename T>
size_t IndexOrAppend(List& list, const T& value) {
  auto it = std::find(list.begin(), list.end(), value);
  if (it != list.end()) return static_cast<size_t>(it - list.begin());
  list.push_back(value);
  return list.size() - 1;
}

}  // namespace

bool EncodeText(WideCharList& wide, NarrowCharList& narrow, std::span<uint8_t> record, size_t start,
                std::string_view text, uint16_t base) {
  if (start > record.size() || text.size() > record.size() - start) return false;
  for (const PanelChar& c : SplitPanelText(text)) {
    uint8_t* out = record.data() + start + c.pos;
    if (!c.wide) {
      out[0] = static_cast<uint8_t>(IndexOrAppend(narrow, c.code));
      continue;
    }
    size_t j = IndexOrAppend(wide, c.pair);
    auto code = static_cast<uint16_t>(kWideGlyphFlag + base + j);
    out[0] = static_cast<uint8_t>(code >> 8);
    out[1] = static_cast<uint8_t>(code & 0xFF);
  }
  return true;
}

void AddGlyphOffset(std::span<uint8_t> bytes, size_t length, uint16_t offset) {
  length = std::min(length, bytes.size());
  for (size_t i = 0; i + 1 < length; ++i) {
    if (!(bytes[i] & 0x80)) continue;
    auto v = static_cast<uint16_t>(bytes[i] * 256 + bytes[i + 1] + offset);
    bytes[i] = static_cast<uint8_t>(v >> 8);
    bytes[i + 1] = static_cast<uint8_t>(v & 0xFF);
    ++i;
  }
}

}  // namespace tavo

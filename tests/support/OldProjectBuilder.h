#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Assembles old project files (.qse) byte by byte for the import tests.
namespace tavo::test {

inline void Put8(std::vector<uint8_t>& b, size_t off, uint32_t v) {
  if (b.size() < off + 1) b.resize(off + 1);
  b[off] = static_cast<uint8_t>(v);
}
inline void Put16(std::vector<uint8_t>& b, size_t off, uint32_t v) {
  Put8(b, off, v);
  Put8(b, off + 1, v >> 8);
}
inline void Put32(std::vector<uint8_t>& b, size_t off, uint32_t v) {
  for (int i = 0; i < 4; ++i) Put8(b, off + i, v >> (8 * i));
}
inline void PutText(std::vector<uint8_t>& b, size_t lengthAt, size_t from, const std::string& s) {
  Put8(b, lengthAt, static_cast<uint32_t>(s.size()));
  for (size_t i = 0; i < s.size(); ++i) Put8(b, from + i, static_cast<uint8_t>(s[i]));
}

// An old element record of the kind, zero-filled, sized by its kind; x and y
// in editor pixels. Pictures get a 48-byte information block and `bits` bytes
// of pixels; dynamic texts `rows` rows.
inline std::vector<uint8_t> OldElement(uint8_t kind, int32_t x = 0, int32_t y = 0,
                                       uint32_t bits = 0, uint8_t rows = 0) {
  static const size_t kLength[9] = {0, 39, 51, 31, 41, 56, 52, 0, 0};
  size_t n = kind >= 1 && kind <= 6 ? kLength[kind] : 11;
  if (kind == 7) n = 26 + 62 + bits;
  if (kind == 8) n = 35 + 25u * rows;
  std::vector<uint8_t> r(n, 0);
  Put32(r, 0, static_cast<uint32_t>(x));
  Put32(r, 4, static_cast<uint32_t>(y));
  r[10] = kind;
  if (kind == 7) {
    Put32(r, 22, 62 + bits);
    Put32(r, 40, 40);         // information block: size 40 ...
    Put32(r, 40 + 20, bits);  // ... image size
  }
  if (kind == 8) r[27] = rows;
  return r;
}

struct OldScreenBytes {
  std::vector<uint8_t> header = std::vector<uint8_t>(57, 0);
  std::vector<std::vector<uint8_t>> elements;
};

struct OldFileBuilder {
  OldFileBuilder() {
    header = {0x03, 'Q', 'S', 'E'};
    header.resize(80, 0);
  }
  OldScreenBytes& AddScreen(uint16_t number, const std::string& description = "") {
    screens.emplace_back();
    Put16(screens.back().header, 0, number);
    PutText(screens.back().header, 2, 5, description);
    return screens.back();
  }
  // The counts at 76, 53 and 29 are filled from the lists unless set by hand
  // afterwards in the returned bytes.
  std::vector<uint8_t> Bytes() const {
    std::vector<uint8_t> out = header;
    Put16(out, 76, static_cast<uint32_t>(screens.size()));
    Put8(out, 29, static_cast<uint32_t>(alarms.size()));
    for (const auto& s : screens) {
      std::vector<uint8_t> h = s.header;
      Put16(h, 53, static_cast<uint32_t>(s.elements.size()));
      out.insert(out.end(), h.begin(), h.end());
      for (const auto& e : s.elements) out.insert(out.end(), e.begin(), e.end());
    }
    for (const auto& a : alarms) {
      std::vector<uint8_t> entry(25, 0);
      PutText(entry, 0, 1, a);
      out.insert(out.end(), entry.begin(), entry.end());
    }
    return out;
  }

  std::vector<uint8_t> header;
  std::vector<OldScreenBytes> screens;
  std::vector<std::string> alarms;
};

}  // namespace tavo::test

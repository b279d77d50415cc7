#pragma once

// Hand-made screen-data images for the panel runtime's tests: header, slots,
// glyphs, pictures, screen table, element index, records, dynamic-text tables
// and alarm list laid out the way the panel reads them.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tavo::panel::test {

inline void PutWord(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  b[at] = static_cast<uint8_t>(v >> 8);
  b[at + 1] = static_cast<uint8_t>(v);
}
inline void PutLong(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  PutWord(b, at, v >> 16);
  PutWord(b, at + 2, v & 0xFFFF);
}

struct TestElement {
  uint8_t kind = 0;
  std::vector<uint8_t> record;
  // Dynamic text: rows (value, glyph codes); the builder writes bytes 10,
  // 12... and the text blocks.
  std::vector<std::pair<uint16_t, std::vector<uint8_t>>> rows;
  // Picture: index into TestImage::pictures; the builder writes bytes 5-6.
  std::optional<size_t> picture;
};

struct TestScreen {
  uint16_t number = 1;
  uint16_t up = 0;
  uint16_t down = 0;
  std::vector<TestElement> elements;
};

struct TestAlarms {
  uint8_t station = 1, type = 0x10, width = 2, sub = 0, bitOffset = 0;
  uint16_t wordAddress = 0;
  std::vector<std::vector<uint8_t>> texts;  // glyph codes
};

struct TestImage {
  std::vector<std::array<uint8_t, 32>> slots;   // lamps, key pictures, wide glyphs
  std::vector<std::array<uint8_t, 16>> narrow;  // narrow glyphs
  std::vector<std::vector<uint8_t>> pictures;   // column bands
  std::vector<TestScreen> screens;
  std::optional<TestAlarms> alarms;
  uint16_t startScreen = 1;
  uint16_t saverScreen = 0;
  uint8_t saverMinutes = 0;
  uint8_t ctrlFlags = 0, ctrlStation = 1, ctrlType = 0x12, wordStep = 1;
  uint16_t ctrlAddress = 0;

  // Addresses the builder gives, known before building.
  uint32_t NarrowAddress() const { return 0x8030 + 32 * slots.size(); }
  uint32_t PictureAddress(size_t i) const {
    uint32_t a = NarrowAddress() + 16 * static_cast<uint32_t>(narrow.size());
    for (size_t k = 0; k < i; ++k) a += static_cast<uint32_t>(pictures[k].size());
    return a;
  }

  std::vector<uint8_t> Build() const {
    std::vector<uint8_t> img(48, 0);
    img[0] = img[1] = 0xFF;
    for (const auto& s : slots) img.insert(img.end(), s.begin(), s.end());
    for (const auto& g : narrow) img.insert(img.end(), g.begin(), g.end());
    for (const auto& p : pictures) img.insert(img.end(), p.begin(), p.end());
    const uint32_t table = 0x8000 + static_cast<uint32_t>(img.size());
    size_t elements = 0;
    for (const auto& s : screens) elements += s.elements.size();
    uint32_t index = table + 9 * static_cast<uint32_t>(screens.size());
    uint32_t record = index + 3 * static_cast<uint32_t>(elements);
    // Records (and the dynamic-text tables behind them) get their addresses.
    std::vector<uint8_t> tableBytes, indexBytes, recordBytes, dynamicBytes;
    uint32_t recordsEnd = record;
    for (const auto& s : screens)
      for (const auto& e : s.elements) recordsEnd += static_cast<uint32_t>(e.record.size());
    uint32_t dynamic = recordsEnd;
    for (const auto& s : screens) {
      std::vector<uint8_t> entry(9);
      PutWord(entry, 0, s.number);
      entry[2] = static_cast<uint8_t>(s.elements.size());
      PutWord(entry, 3, s.up);
      PutWord(entry, 5, s.down);
      PutWord(entry, 7, index);
      tableBytes.insert(tableBytes.end(), entry.begin(), entry.end());
      for (const auto& e : s.elements) {
        indexBytes.push_back(e.kind);
        indexBytes.push_back(static_cast<uint8_t>(record >> 8));
        indexBytes.push_back(static_cast<uint8_t>(record));
        std::vector<uint8_t> r = e.record;
        if (e.picture) PutWord(r, 5, PictureAddress(*e.picture));
        if (!e.rows.empty()) {
          r[10] = static_cast<uint8_t>(e.rows.size());
          for (size_t j = 0; j < e.rows.size(); ++j) {
            PutWord(r, 12 + 4 * j, e.rows[j].first);
            PutWord(r, 14 + 4 * j, dynamic);
            dynamicBytes.push_back(r[2]);
            dynamicBytes.push_back(static_cast<uint8_t>(e.rows[j].second.size()));
            dynamicBytes.insert(dynamicBytes.end(), e.rows[j].second.begin(),
                                e.rows[j].second.end());
            dynamic += 2 + static_cast<uint32_t>(e.rows[j].second.size());
          }
        }
        recordBytes.insert(recordBytes.end(), r.begin(), r.end());
        record += static_cast<uint32_t>(r.size());
        index += 3;
      }
    }
    img.insert(img.end(), tableBytes.begin(), tableBytes.end());
    img.insert(img.end(), indexBytes.begin(), indexBytes.end());
    img.insert(img.end(), recordBytes.begin(), recordBytes.end());
    img.insert(img.end(), dynamicBytes.begin(), dynamicBytes.end());
    const uint32_t end = dynamic;
    if (alarms) {
      const size_t n = alarms->texts.size();
      std::vector<uint8_t> head(10 + 3 * n, 0);
      head[0] = static_cast<uint8_t>(n);
      head[1] = 1;
      head[3] = alarms->station;
      head[4] = alarms->type;
      PutWord(head, 5, alarms->wordAddress);
      head[7] = alarms->width;
      head[8] = alarms->sub;
      head[9] = alarms->bitOffset;
      uint32_t block = end + static_cast<uint32_t>(head.size());
      std::vector<uint8_t> blocks;
      for (size_t j = 0; j < n; ++j) {
        head[10 + 3 * j] = static_cast<uint8_t>(j);
        PutWord(head, 11 + 3 * j, block);
        std::vector<uint8_t> b(18, 0);
        b[0] = static_cast<uint8_t>(alarms->texts[j].size());
        b.insert(b.end(), alarms->texts[j].begin(), alarms->texts[j].end());
        blocks.insert(blocks.end(), b.begin(), b.end());
        block += static_cast<uint32_t>(b.size());
      }
      img.insert(img.end(), head.begin(), head.end());
      img.insert(img.end(), blocks.begin(), blocks.end());
    }
    PutWord(img, 2, table);
    PutWord(img, 4, end);
    PutWord(img, 6, 0x8030);
    PutWord(img, 8, NarrowAddress());
    img[12] = 3;
    img[14] = 12;
    PutWord(img, 16, static_cast<uint32_t>(screens.size()));
    PutWord(img, 18, startScreen);
    PutWord(img, 20, saverScreen);
    img[22] = saverMinutes;
    img[23] = ctrlStation;
    img[24] = ctrlType;
    PutWord(img, 25, ctrlAddress);
    img[27] = wordStep;
    img[29] = ctrlFlags;
    img[34] = alarms ? 1 : 0;
    return img;
  }
};

// ---- records, byte for byte ----

inline TestElement Make(uint8_t kind, std::vector<uint8_t> record) {
  TestElement e;
  e.kind = kind;
  e.record = std::move(record);
  return e;
}

inline TestElement Text(int x, int y, std::vector<uint8_t> codes, uint8_t flags = 0) {
  TestElement e = Make(1, {static_cast<uint8_t>(x), static_cast<uint8_t>(y), flags,
                           static_cast<uint8_t>(codes.size())});
  e.record.insert(e.record.end(), codes.begin(), codes.end());
  return e;
}

// Common address block: x, y, flags, station, type, address, width, sub.
inline std::vector<uint8_t> Block(size_t size, int x, int y, uint8_t flags, uint8_t station,
                                  uint8_t type, uint16_t address, uint8_t width, uint8_t sub) {
  std::vector<uint8_t> r(size, 0);
  r[0] = static_cast<uint8_t>(x);
  r[1] = static_cast<uint8_t>(y);
  r[2] = flags;
  r[3] = station;
  r[4] = type;
  PutWord(r, 5, address);
  r[7] = width;
  r[8] = sub;
  return r;
}

inline TestElement Register(int x, int y, uint8_t flags, uint16_t address, uint8_t cells,
                            uint8_t decimals, uint8_t width = 2) {
  const bool limited = flags & 0x80, scaled = flags & 0x04;
  TestElement e = Make(2, Block(11 + (limited ? 8 : 0) + (limited && scaled ? 8 : 0), x, y, flags,
                                1, 0x02, address, width, 0));
  e.record[9] = cells;
  e.record[10] = decimals;
  return e;
}

inline TestElement Light(int x, int y, uint16_t address, uint8_t bit, uint8_t off, uint8_t on,
                         bool doubleSize = false) {
  TestElement e = Make(3, Block(12, x, y, doubleSize ? 2 : 0, 1, 0x10, address, 0, 0));
  e.record[9] = bit;
  e.record[10] = off;
  e.record[11] = on;
  return e;
}

inline TestElement Key(int x, int y, uint8_t flags, uint8_t keyCode, uint8_t action,
                       uint16_t address, uint32_t operand, std::vector<uint8_t> slots,
                       uint8_t type = 0x10, uint8_t width = 0) {
  TestElement e = Make(4, Block(16 + slots.size(), x, y, flags, 1, type, address, width, 0));
  e.record[9] = keyCode;
  e.record[10] = action;
  PutLong(e.record, 11, operand);
  e.record[15] = static_cast<uint8_t>(2 * slots.size());
  for (size_t i = 0; i < slots.size(); ++i) e.record[16 + i] = slots[i];
  return e;
}

inline TestElement Picture(int x, int y, uint8_t w, uint8_t h, size_t picture) {
  TestElement e = Make(5, std::vector<uint8_t>(9, 0));
  e.record[0] = static_cast<uint8_t>(x);
  e.record[1] = static_cast<uint8_t>(y);
  e.record[3] = w;
  e.record[4] = h;
  e.picture = picture;
  return e;
}

inline TestElement Graph(bool trend, int x, int y, uint8_t flags, uint16_t address, uint8_t w,
                         uint8_t h, int32_t full, int32_t zero, uint8_t last) {
  TestElement e = Make(static_cast<uint8_t>(trend ? 7 : 6),
                       Block(trend ? 24 : 20, x, y, flags, 1, 0x02, address, 2, 0));
  e.record[9] = w;
  e.record[10] = h;
  PutLong(e.record, 11, static_cast<uint32_t>(full));
  PutLong(e.record, 15, static_cast<uint32_t>(zero));
  e.record[19] = last;                  // bar: direction; trend: points
  if (trend) PutWord(e.record, 20, 1);  // one second between samples
  return e;
}

inline TestElement Dynamic(int x, int y, uint8_t flags, uint16_t address, uint8_t cells,
                           std::vector<std::pair<uint16_t, std::vector<uint8_t>>> rows) {
  TestElement e = Make(8, Block(12 + 4 * rows.size(), x, y, flags, 1, 0x02, address, 2, 0));
  e.record[11] = cells;
  e.rows = std::move(rows);
  return e;
}

// A 16 x 16 slot lit in the box [x0, x1) x [y0, y1).
inline std::array<uint8_t, 32> SlotBox(int x0, int y0, int x1, int y1) {
  std::array<uint8_t, 32> s{};
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) s[(y / 8) * 16 + x] |= static_cast<uint8_t>(1 << (y % 8));
  return s;
}
// An 8 x 16 glyph lit in one column.
inline std::array<uint8_t, 16> NarrowColumn(int column) {
  std::array<uint8_t, 16> g{};
  g[column] = 0xFF;
  g[8 + column] = 0xFF;
  return g;
}

}  // namespace tavo::panel::test

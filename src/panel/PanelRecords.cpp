#include "panel/PanelRecords.h"

#include "model/Base.h"

namespace tavo::panel {

namespace {

// The bytes of one record, read through the image's bounds. A read past the
// image marks the record as cut off; it then reads zeros.
class RecordBytes {
 public:
  RecordBytes(const PanelImage& image, uint16_t address) : m_image(image), m_address(address) {}
  uint8_t U8(size_t i) {
    uint8_t b = 0;
    if (!m_image.Byte(m_address + static_cast<uint32_t>(i), b)) m_ok = false;
    return b;
  }
  uint16_t U16(size_t i) { return static_cast<uint16_t>(U8(i) << 8 | U8(i + 1)); }
  int32_t I32(size_t i) {
    const uint32_t v =
        uint32_t{U8(i)} << 24 | uint32_t{U8(i + 1)} << 16 | uint32_t{U8(i + 2)} << 8 | U8(i + 3);
    return static_cast<int32_t>(v);
  }
  uint32_t U32(size_t i) { return static_cast<uint32_t>(I32(i)); }
  bool Ok() const { return m_ok; }

  // Bytes 3-8: station, type code, address, width, sub-address.
  Binding ReadBinding() {
    Binding b;
    b.key.station = U8(3);
    b.key.type = U8(4);
    b.key.address = U16(5);
    b.width = U8(7);
    b.key.sub = U8(8);
    return b;
  }

 private:
  const PanelImage& m_image;
  uint32_t m_address;
  bool m_ok = true;
};

PanelBox BoxAt(int x, int y, int w, int h) {
  return {x, y, x + w, y + h};
}

void ReadText(RecordBytes& r, ElementRecord& e) {
  TextRecord t;
  const uint8_t flags = r.U8(2);
  t.inverse = flags & 0x01;
  t.doubleSize = flags & 0x02;
  const uint8_t len = r.U8(3);
  t.codes.reserve(len);
  for (size_t i = 0; i < len; ++i) t.codes.push_back(r.U8(4 + i));
  const int s = t.doubleSize ? 2 : 1;
  e.box = BoxAt(e.x, e.y, 8 * len * s, 16 * s);
  e.body = std::move(t);
}

void ReadRegister(RecordBytes& r, ElementRecord& e) {
  RegisterRecord g;
  g.flags = r.U8(2);
  g.inverse = g.flags & 0x01;
  g.doubleSize = g.flags & 0x02;
  g.scaled = g.flags & 0x04;
  g.settable = g.flags & 0x08;
  g.isSigned = g.flags & 0x10;
  g.decimal = g.flags & 0x20;
  g.isProtected = g.flags & 0x40;
  g.limited = g.flags & 0x80;
  g.binding = r.ReadBinding();
  g.cells = r.U8(9);
  g.decimals = r.U8(10);
  if (g.limited) {
    g.inHigh = r.I32(11);
    g.inLow = r.I32(15);
    if (g.scaled) {
      g.engHigh = r.I32(19);
      g.engLow = r.I32(23);
    }
  }
  const int s = g.doubleSize ? 2 : 1;
  e.box = BoxAt(e.x, e.y, 8 * g.cells * s, 16 * s);
  e.body = g;
}

void ReadLight(RecordBytes& r, ElementRecord& e) {
  LightRecord l;
  l.doubleSize = r.U8(2) != 0;
  l.binding = r.ReadBinding();
  l.bitOffset = r.U8(9);
  l.offPicture = r.U8(10);
  l.onPicture = r.U8(11);
  const int side = l.doubleSize ? 32 : 16;
  e.box = BoxAt(e.x, e.y, side, side);
  e.body = l;
}

void ReadKey(RecordBytes& r, ElementRecord& e) {
  KeyRecord k;
  const uint8_t flags = r.U8(2);
  k.inverse = flags & 0x01;
  k.doubleSize = flags & 0x02;
  k.hidden = flags & 0x04;
  k.isProtected = flags & 0x40;
  k.binding = r.ReadBinding();
  k.keyCode = r.U8(9);
  k.action = r.U8(10);
  k.value = r.U32(11);
  k.target = r.U16(13);
  // Byte 15 counts the picture bytes that follow, two per picture: 2 for the
  // key alone, 4 with the hand.
  const uint8_t refs = r.U8(15);
  k.hand = refs >= 4;
  const size_t count = k.hand ? 2 : 1;
  for (size_t i = 0; i < count; ++i) k.pictureSlots.push_back(r.U8(16 + i));
  const int side = k.doubleSize ? 32 : 16;
  e.box = BoxAt(e.x, e.y, side * (k.hand ? 2 : 1), side);
  e.body = std::move(k);
}

void ReadPicture(RecordBytes& r, ElementRecord& e) {
  PictureRecord p;
  p.width = r.U8(3);
  p.height = r.U8(4);
  p.data = r.U16(5);
  r.U8(8);  // the record's last byte must be there too
  e.box = BoxAt(e.x, e.y, p.width, p.height);
  e.body = p;
}

void ReadGraph(RecordBytes& r, ElementRecord& e, bool trend) {
  GraphRecord g;
  g.trend = trend;
  const uint8_t flags = r.U8(2);
  g.isSigned = flags & 0x10;
  g.decimal = flags & 0x20;
  g.binding = r.ReadBinding();
  g.width = r.U8(9);
  g.height = r.U8(10);
  g.fullScale = r.I32(11);
  g.zeroScale = r.I32(15);
  if (trend) {
    g.points = r.U8(19);
    g.interval = r.U16(20);
    g.trendCount = r.U8(22);
    g.trendIndex = r.U8(23);
  } else {
    g.direction = r.U8(19);
  }
  e.box = BoxAt(e.x, e.y, g.width, g.height);
  e.body = g;
}

void ReadDynamic(RecordBytes& r, ElementRecord& e) {
  DynamicRecord d;
  const uint8_t flags = r.U8(2);
  d.inverse = flags & 0x01;
  d.doubleSize = flags & 0x02;
  d.isSigned = flags & 0x10;
  d.decimal = flags & 0x20;
  d.binding = r.ReadBinding();
  const uint8_t rows = r.U8(10);
  d.cells = r.U8(11);
  d.rows.reserve(rows);
  for (size_t j = 0; j < rows; ++j) d.rows.push_back({r.U16(12 + 4 * j), r.U16(14 + 4 * j)});
  const int s = d.doubleSize ? 2 : 1;
  e.box = BoxAt(e.x, e.y, 8 * d.cells * s, 16 * s);
  e.body = std::move(d);
}

const char* KindName(uint8_t kind) {
  switch (kind) {
    case kKindText:
      return "text";
    case kKindRegister:
      return "register";
    case kKindLight:
      return "light";
    case kKindKey:
      return "function key";
    case kKindPicture:
      return "picture";
    case kKindBar:
      return "bar graph";
    case kKindTrend:
      return "trend graph";
    case kKindDynamic:
      return "dynamic text";
    default:
      return "element";
  }
}

}  // namespace

bool DecodeRecord(const PanelImage& image, const IndexEntry& entry, ElementRecord& out,
                  std::string& problem) {
  out = ElementRecord{};
  out.kind = entry.kind;
  out.address = entry.address;
  RecordBytes r(image, entry.address);
  out.x = r.U8(0);
  out.y = r.U8(1);
  switch (entry.kind) {
    case kKindText:
      ReadText(r, out);
      break;
    case kKindRegister:
      ReadRegister(r, out);
      break;
    case kKindLight:
      ReadLight(r, out);
      break;
    case kKindKey:
      ReadKey(r, out);
      break;
    case kKindPicture:
      ReadPicture(r, out);
      break;
    case kKindBar:
    case kKindTrend:
      ReadGraph(r, out, entry.kind == kKindTrend);
      break;
    case kKindDynamic:
      ReadDynamic(r, out);
      break;
    default:
      problem = "element of unknown kind " + std::to_string(entry.kind) + " at " +
                HexAddress(entry.address);
      out.body = std::monostate{};
      return false;
  }
  if (!r.Ok()) {
    problem = std::string(KindName(entry.kind)) + " record at " + HexAddress(entry.address) +
              " runs past the end of the image";
    out.body = std::monostate{};
    return false;
  }
  return true;
}

DecodedScreen DecodeScreen(const PanelImage& image, const ScreenEntry& screen) {
  DecodedScreen out;
  const std::vector<IndexEntry> index = image.Index(screen);
  if (index.size() < screen.elementCount)
    out.problems.push_back("screen " + std::to_string(screen.number) + ": element index at " +
                           HexAddress(screen.indexAddress) + " is cut off after " +
                           std::to_string(index.size()) + " of " +
                           std::to_string(screen.elementCount) + " entries");
  for (const IndexEntry& entry : index) {
    ElementRecord e;
    std::string problem;
    if (DecodeRecord(image, entry, e, problem))
      out.elements.push_back(std::move(e));
    else
      out.problems.push_back("screen " + std::to_string(screen.number) + ": " + problem);
  }
  return out;
}

bool ReadDynamicText(const PanelImage& image, uint16_t block, DynamicText& out) {
  out = DynamicText{};
  uint8_t len = 0;
  if (!image.Byte(block, out.flags) || !image.Byte(block + 1u, len)) return false;
  auto codes = image.Bytes(block + 2u, len);
  if (len != 0 && codes.empty()) return false;
  out.codes.assign(codes.begin(), codes.end());
  return true;
}

}  // namespace tavo::panel

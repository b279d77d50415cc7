#include "panel/PanelPainter.h"

#include <algorithm>

#include "model/Base.h"
#include "panel/FirmwareFont.h"
#include "panel/ValueFormat.h"

namespace tavo::panel {

namespace {

// A damaged image could report the same fault for every cell; a few hundred
// lines tell enough.
constexpr size_t kMaxProblems = 200;

void Note(const PaintContext& ctx, const std::string& text) {
  if (!ctx.problems || ctx.problems->size() >= kMaxProblems) return;
  if (std::find(ctx.problems->begin(), ctx.problems->end(), text) == ctx.problems->end())
    ctx.problems->push_back(text);
}

std::string Where(const ElementRecord& e) {
  return "element at " + HexAddress(e.address) + ": ";
}

// The 32 bytes of 16 x 16 slot `slot`, when inside the image. Slots past the
// slot area are noted.
std::span<const uint8_t> Slot(const PaintContext& ctx, uint32_t slot, const std::string& what) {
  const uint32_t address = kFirstSlotAddress + slot * static_cast<uint32_t>(kImageSlotSize);
  if (address + kImageSlotSize > ctx.image.SlotAreaEnd())
    Note(ctx, what + " slot " + std::to_string(slot) + " at " + HexAddress(address) +
                  " lies past the slot area (narrow glyphs start at " +
                  HexAddress(ctx.image.SlotAreaEnd()) + ")");
  return ctx.image.Bytes(address, kImageSlotSize);
}

int Scale(bool doubleSize) {
  return doubleSize ? 2 : 1;
}

uint32_t Value(const PaintContext& ctx, const Binding& b) {
  return ctx.plc.Get(b.key);
}

void PaintText(PanelBitmap& bm, const ElementRecord& e, const TextRecord& t,
               const PaintContext& ctx) {
  PaintGlyphCodes(bm, e.x, e.y, t.codes, Scale(t.doubleSize), t.inverse, ctx);
}

void PaintRegister(PanelBitmap& bm, const ElementRecord& e, const RegisterRecord& r,
                   const PaintContext& ctx) {
  const std::string text = FormatRegister(r, Value(ctx, r.binding));
  DrawFirmwareText(bm, e.x, e.y, text, Scale(r.doubleSize), r.inverse);
}

void PaintLight(PanelBitmap& bm, const ElementRecord& e, const LightRecord& l,
                const PaintContext& ctx) {
  const uint32_t raw = Value(ctx, l.binding);
  const bool on = l.bitOffset < 32 && ((raw >> l.bitOffset) & 1) != 0;
  const uint8_t picture = on ? l.onPicture : l.offPicture;
  if (picture > 3) Note(ctx, Where(e) + "lamp picture " + std::to_string(picture) + " is not 0-3");
  auto bits = Slot(ctx, picture, Where(e) + "lamp picture");
  const int s = Scale(l.doubleSize);
  bm.DrawBands(e.x, e.y, bits, 16, 16, s, false);
}

void PaintKey(PanelBitmap& bm, const ElementRecord& e, const KeyRecord& k,
              const PaintContext& ctx) {
  if (k.hidden) return;  // an invisible key still acts
  const int s = Scale(k.doubleSize);
  int x = e.x;
  for (uint8_t slot : k.pictureSlots) {
    auto bits = Slot(ctx, slot, Where(e) + "key picture");
    bm.DrawBands(x, e.y, bits, 16, 16, s, k.inverse);
    x += 16 * s;
  }
}

void PaintPicture(PanelBitmap& bm, const ElementRecord& e, const PictureRecord& p,
                  const PaintContext& ctx) {
  const size_t length = static_cast<size_t>(p.width) * ((p.height + 7u) / 8u);
  if (length == 0) return;
  auto data = ctx.image.Bytes(p.data, length);
  if (data.empty()) {
    Note(ctx, Where(e) + "picture data at " + HexAddress(p.data) + " (" + std::to_string(length) +
                  " bytes) runs past the end of the image");
    return;
  }
  if (p.data < ctx.image.SlotAreaEnd() || p.data + length > ctx.image.SharedAreaEnd())
    Note(ctx, Where(e) + "picture data at " + HexAddress(p.data) +
                  " lies outside the glyph and picture area");
  bm.DrawBands(e.x, e.y, data, p.width, p.height, 1, false);
}

void PaintBar(PanelBitmap& bm, const ElementRecord& e, const GraphRecord& g,
              const PaintContext& ctx) {
  const int w = g.width, h = g.height;
  bm.Fill(e.x, e.y, w, h, false);
  bm.Frame(e.x, e.y, w, h, true);
  // A gap of one pixel between frame and bar where the box allows it.
  const int inset = (w >= 5 && h >= 5) ? 2 : 1;
  const int ix = e.x + inset, iy = e.y + inset, iw = w - 2 * inset, ih = h - 2 * inset;
  if (iw <= 0 || ih <= 0) return;
  const int64_t value = ItemValue(Value(ctx, g.binding), g.binding.width, g.isSigned);
  const int64_t zero = FieldValue(g.zeroScale, g.isSigned);
  const int64_t full = FieldValue(g.fullScale, g.isSigned);
  uint8_t direction = g.direction;
  if (direction != 1 && direction != 2 && direction != 4 && direction != 8) {
    Note(ctx, Where(e) + "bar direction " + std::to_string(direction) +
                  " is none of 1, 2, 4, 8; "
                  "drawn upwards");
    direction = 1;
  }
  const bool vertical = direction == 1 || direction == 2;
  const int fill = GraphFill(value, zero, full, vertical ? ih : iw);
  switch (direction) {
    case 1:
      bm.Fill(ix, iy + ih - fill, iw, fill, true);
      break;
    case 2:
      bm.Fill(ix, iy, iw, fill, true);
      break;
    case 4:
      bm.Fill(ix + iw - fill, iy, fill, ih, true);
      break;
    default:
      bm.Fill(ix, iy, fill, ih, true);
  }
}

void PaintTrend(PanelBitmap& bm, const ElementRecord& e, const GraphRecord& g, size_t position,
                const PaintContext& ctx) {
  const int w = g.width, h = g.height;
  bm.Fill(e.x, e.y, w, h, false);
  if (w < 4 || h < 4) return;
  const int bottom = e.y + h - 1;
  bm.Line(e.x, e.y, e.x, bottom, true);             // value axis
  bm.Line(e.x, bottom, e.x + w - 1, bottom, true);  // time axis
  for (int k = 0; k < 4; ++k) {                     // ticks at 0, 1/4, 1/2, 3/4 of the height
    const int ty = e.y + (h - 1) * k / 4;
    bm.Line(e.x + 1, ty, e.x + (k == 2 ? 3 : 2), ty, true);
  }
  // The plot area right of the ticks and above the time axis.
  const int px = e.x + 4, pw = w - 4, py = e.y, ph = h - 2;
  if (pw < 2 || ph < 1 || !ctx.trends) return;
  auto it = ctx.trends->find(position);
  if (it == ctx.trends->end() || it->second.empty()) return;
  const std::deque<uint32_t>& samples = it->second;
  const int points = std::max<int>(g.points, 2);
  const int64_t zero = FieldValue(g.zeroScale, g.isSigned);
  const int64_t full = FieldValue(g.fullScale, g.isSigned);
  // The newest `points` samples, oldest at the left; fewer fill from the left.
  const size_t shown = std::min<size_t>(samples.size(), static_cast<size_t>(points));
  int lastX = 0, lastY = 0;
  for (size_t i = 0; i < shown; ++i) {
    const uint32_t raw = samples[samples.size() - shown + i];
    const int64_t value = ItemValue(raw, g.binding.width, g.isSigned);
    const int x = px + static_cast<int>(i) * (pw - 1) / (points - 1);
    const int y = py + (ph - 1) - GraphFill(value, zero, full, ph - 1);
    if (i == 0)
      bm.Set(x, y, true);
    else
      bm.Line(lastX, lastY, x, y, true);
    lastX = x;
    lastY = y;
  }
}

void PaintDynamic(PanelBitmap& bm, const ElementRecord& e, const DynamicRecord& d,
                  const PaintContext& ctx) {
  const int s = Scale(d.doubleSize);
  bm.Fill(e.x, e.y, 8 * d.cells * s, 16 * s, d.inverse);
  const int64_t value = ItemValue(Value(ctx, d.binding), d.binding.width, d.isSigned);
  const uint16_t key = static_cast<uint16_t>(value & 0xFFFF);
  for (const DynamicRow& row : d.rows) {
    if (row.value != key) continue;
    DynamicText text;
    if (!ReadDynamicText(ctx.image, row.block, text)) {
      Note(ctx, Where(e) + "dynamic text block at " + HexAddress(row.block) +
                    " runs past the end of the image");
      return;
    }
    if (row.block < ctx.image.Header().screenTable)
      Note(ctx, Where(e) + "dynamic text block at " + HexAddress(row.block) +
                    " lies before the screen table");
    PaintGlyphCodes(bm, e.x, e.y, text.codes, s, d.inverse, ctx);
    return;
  }
  // A value that matches no row leaves the field blank.
}

}  // namespace

int PaintGlyphCodes(PanelBitmap& bm, int x, int y, const std::vector<uint8_t>& codes, int scale,
                    bool inverse, const PaintContext& ctx) {
  const PanelImage& image = ctx.image;
  for (size_t i = 0; i < codes.size(); ++i) {
    if (x >= PanelBitmap::kWidth) break;
    const uint8_t b = codes[i];
    if (b < 0x80) {
      const uint32_t address = image.Header().narrowGlyphs + uint32_t{b} * kNarrowGlyphSize;
      if (address + kNarrowGlyphSize > image.SharedAreaEnd())
        Note(ctx, "narrow glyph " + std::to_string(b) + " at " + HexAddress(address) +
                      " lies past the glyph area (screen table at " +
                      HexAddress(image.SharedAreaEnd()) + ")");
      bm.DrawBands(x, y, image.Bytes(address, kNarrowGlyphSize), 8, 16, scale, inverse);
      x += 8 * scale;
    } else if (i + 1 < codes.size()) {
      const uint32_t code = uint32_t{b} << 8 | codes[++i];
      bm.DrawBands(x, y, Slot(ctx, code - 0x8000, "wide glyph"), 16, 16, scale, inverse);
      x += 16 * scale;
    } else {
      // A lone first byte of a two-byte code: a blank narrow cell.
      bm.Fill(x, y, 8 * scale, 16 * scale, inverse);
      x += 8 * scale;
    }
  }
  return x;
}

void PaintElement(PanelBitmap& bitmap, const ElementRecord& element, size_t position,
                  const PaintContext& context) {
  const RecordBody& b = element.body;
  if (auto* t = std::get_if<TextRecord>(&b)) PaintText(bitmap, element, *t, context);
  if (auto* r = std::get_if<RegisterRecord>(&b)) PaintRegister(bitmap, element, *r, context);
  if (auto* l = std::get_if<LightRecord>(&b)) PaintLight(bitmap, element, *l, context);
  if (auto* k = std::get_if<KeyRecord>(&b)) PaintKey(bitmap, element, *k, context);
  if (auto* p = std::get_if<PictureRecord>(&b)) PaintPicture(bitmap, element, *p, context);
  if (auto* d = std::get_if<DynamicRecord>(&b)) PaintDynamic(bitmap, element, *d, context);
  if (auto* g = std::get_if<GraphRecord>(&b)) {
    if (g->trend)
      PaintTrend(bitmap, element, *g, position, context);
    else
      PaintBar(bitmap, element, *g, context);
  }
}

void PaintRegisterEntry(PanelBitmap& bitmap, const ElementRecord& element,
                        const std::string& text) {
  auto* r = std::get_if<RegisterRecord>(&element.body);
  if (!r) return;
  std::string shown = text.size() > r->cells ? text.substr(text.size() - r->cells) : text;
  shown.insert(0, r->cells - shown.size(), ' ');
  DrawFirmwareText(bitmap, element.x, element.y, shown, Scale(r->doubleSize), !r->inverse);
}

}  // namespace tavo::panel

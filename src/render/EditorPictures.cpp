#include "render/EditorPictures.h"

#include <cmath>
#include <string_view>
#include <vector>

namespace tavo {

namespace {

// ---- legend glyphs ----

// 5 x 7 capitals and digits for the key legends.
struct Glyph5x7 {
  char c;
  const char* rows[7];
};

constexpr Glyph5x7 kFont5x7[] = {
    {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'C', {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."}},
    {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
    {'M', {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
    {'N', {"#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"}},
    {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
    {'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
    {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    {'0', {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."}},
    {'1', {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'2', {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"}},
    {'3', {"####.", "....#", "....#", ".###.", "....#", "....#", "####."}},
    {'4', {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."}},
    {'5', {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."}},
    {'6', {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."}},
    {'7', {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."}},
    {'8', {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."}},
    {'9', {".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."}},
};

// 3 x 5 capitals for three-letter legends in a 16 x 16 panel cell.
struct Glyph3x5 {
  char c;
  const char* rows[5];
};

constexpr Glyph3x5 kFont3x5[] = {
    {'A', {".#.", "#.#", "###", "#.#", "#.#"}}, {'C', {"###", "#..", "#..", "#..", "###"}},
    {'E', {"###", "#..", "##.", "#..", "###"}}, {'L', {"#..", "#..", "#..", "#..", "###"}},
    {'M', {"#.#", "###", "###", "#.#", "#.#"}}, {'N', {"##.", "#.#", "#.#", "#.#", "#.#"}},
    {'R', {"##.", "#.#", "##.", "#.#", "#.#"}}, {'S', {".##", "#..", ".#.", "..#", "##."}},
    {'T', {"###", ".#.", ".#.", ".#.", ".#."}},
};

// 7 x 7 symbols: the right arrow (the other arrows are turned from it) and
// plus-minus.
constexpr const char* kArrowRight[7] = {"...#...", "...##..", "######.", "#######",
                                        "######.", "...##..", "...#..."};
constexpr const char* kPlusMinus[7] = {"...#...", "...#...", "#######", "...#...",
                                       "...#...", ".......", "#######"};

// A small bit mask with its own size, used to build every picture.
struct Mask {
  int w = 0, h = 0;
  std::vector<uint8_t> on;
  Mask(int width, int height) : w(width), h(height), on(static_cast<size_t>(width) * height, 0) {}
  bool At(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h && on[y * w + x]; }
  void Set(int x, int y) {
    if (x >= 0 && y >= 0 && x < w && y < h) on[y * w + x] = 1;
  }
};

Mask FromRows(const char* const* rows, int w, int h) {
  Mask m(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (rows[y][x] == '#') m.Set(x, y);
  return m;
}

// The arrow turned so that it points the given way (0 right, 1 left, 2 down, 3 up).
Mask Arrow(int way) {
  const Mask r = FromRows(kArrowRight, 7, 7);
  Mask m(7, 7);
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 7; ++x) {
      if (!r.At(x, y)) continue;
      switch (way) {
        case 0:
          m.Set(x, y);
          break;
        case 1:
          m.Set(6 - x, y);
          break;
        case 2:
          m.Set(y, x);
          break;
        default:
          m.Set(y, 6 - x);
          break;
      }
    }
  return m;
}

Mask Glyph7(char c) {
  for (const auto& g : kFont5x7)
    if (g.c == c) return FromRows(g.rows, 5, 7);
  return Mask(5, 7);
}

Mask Glyph5(char c) {
  for (const auto& g : kFont3x5)
    if (g.c == c) return FromRows(g.rows, 3, 5);
  return Mask(3, 5);
}

// Stamps a mask scaled by (sx, sy) with its top-left at (x0, y0); `bold`
// widens every stroke by one pixel to the right.
void Stamp(Mask& dst, const Mask& src, int x0, int y0, int sx, int sy, bool bold = false) {
  for (int y = 0; y < src.h; ++y)
    for (int x = 0; x < src.w; ++x) {
      if (!src.At(x, y)) continue;
      for (int dy = 0; dy < sy; ++dy)
        for (int dx = 0; dx < sx + (bold ? 1 : 0); ++dx)
          dst.Set(x0 + x * sx + dx, y0 + y * sy + dy);
    }
}

// The legend of key k: its text, or a symbol.
constexpr std::string_view kKeyLegends[kKeyPictureCount] = {
    "ESC", "<", ">", "v", "^", "SET", "ENT", "ALM", "0",   "1",
    "2",   "3", "4", "5", "6", "7",   "8",   "9",   "CLR", "+-"};

Mask SymbolOf(std::string_view legend) {
  if (legend == "<") return Arrow(1);
  if (legend == ">") return Arrow(0);
  if (legend == "v") return Arrow(2);
  if (legend == "^") return Arrow(3);
  return FromRows(kPlusMinus, 7, 7);
}

// The legend centred in a square cell of the given side.
Mask Legend(int key, int side) {
  Mask m(side, side);
  const std::string_view legend = kKeyLegends[key];
  const bool big = side > 16;
  if (legend.size() == 3) {
    // Three letters: 5 x 7 bold, doubled in height (20 x 14) at 36; 3 x 5 at 16.
    const int gw = big ? 6 : 3, gh = big ? 14 : 5, gap = 1;
    const int total = 3 * gw + 2 * gap;
    const int x0 = (side - total) / 2, y0 = (side - gh) / 2;
    for (int i = 0; i < 3; ++i) {
      const int x = x0 + i * (gw + gap);
      if (big)
        Stamp(m, Glyph7(legend[i]), x, y0, 1, 2, true);
      else
        Stamp(m, Glyph5(legend[i]), x, y0, 1, 1);
    }
  } else if (legend.size() == 1 && legend[0] >= '0' && legend[0] <= '9') {
    const int s = big ? 3 : 1;
    Stamp(m, Glyph7(legend[0]), (side - 5 * s) / 2, (side - 7 * s) / 2, s, s);
  } else {
    const int s = big ? 3 : 1;
    Stamp(m, SymbolOf(legend), (side - 7 * s) / 2, (side - 7 * s) / 2, s, s);
  }
  return m;
}

// ---- shapes ----

// Inside test of a rounded rectangle [x0, x1) x [y0, y1) with corner radius r,
// for the pixel centre (px + 0.5, py + 0.5).
bool InRoundRect(int px, int py, double x0, double y0, double x1, double y1, double r) {
  const double x = px + 0.5, y = py + 0.5;
  if (x < x0 || x >= x1 || y < y0 || y >= y1) return false;
  const double cx = std::clamp(x, x0 + r, x1 - r), cy = std::clamp(y, y0 + r, y1 - r);
  return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
}

Mask RoundRect(int side, double x0, double y0, double x1, double y1, double r) {
  Mask m(side, side);
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x)
      if (InRoundRect(x, y, x0, y0, x1, y1, r)) m.Set(x, y);
  return m;
}

// The pixels of `m` within `width` steps (4-neighbourhood) of its outside.
Mask Border(const Mask& m, int width) {
  Mask inner = m;
  for (int i = 0; i < width; ++i) {
    Mask next(m.w, m.h);
    for (int y = 0; y < m.h; ++y)
      for (int x = 0; x < m.w; ++x)
        if (inner.At(x, y) && inner.At(x - 1, y) && inner.At(x + 1, y) && inner.At(x, y - 1) &&
            inner.At(x, y + 1))
          next.Set(x, y);
    inner = next;
  }
  Mask b(m.w, m.h);
  for (int y = 0; y < m.h; ++y)
    for (int x = 0; x < m.w; ++x)
      if (m.At(x, y) && !inner.At(x, y)) b.Set(x, y);
  return b;
}

void Paint(Canvas& c, const Mask& m, Color color) {
  for (int y = 0; y < m.h; ++y)
    for (int x = 0; x < m.w; ++x)
      if (m.At(x, y)) c.SetPixel(x, y, color);
}

// ---- the pictures ----

constexpr int S = kPictureSide;

Canvas Lamp(bool square, bool bright) {
  Canvas c(S, S, kDisplayDark);
  const Mask body = square ? RoundRect(S, 3, 3, 33, 33, 3) : RoundRect(S, 3, 3, 33, 33, 15);
  // A short highlight arc or corner near the top left, as light catches a lens.
  const Mask glint =
      square ? Border(RoundRect(S, 8, 8, 40, 40, 2), 2) : Border(RoundRect(S, 8, 8, 28, 28, 10), 2);
  Mask glintPart(S, S);
  for (int y = 0; y < S; ++y)
    for (int x = 0; x < S; ++x)
      if (glint.At(x, y) && (square ? (x < 20 && y < 20) : (x + y < 30))) glintPart.Set(x, y);
  if (bright) {
    Paint(c, body, kDisplayLit);
    Paint(c, glintPart, kDisplayDark);
  } else {
    Paint(c, Border(body, 2), kDisplayLit);
    Paint(c, glintPart, kDisplayLit);
  }
  return c;
}

Canvas KeyFace(int key, int state) {
  Canvas c(S, S, kDisplayDark);
  const Mask body = RoundRect(S, 2, 2, 34, 34, 6);
  const Mask legend = Legend(key, S);
  switch (state) {
    case 0:  // dark face: lit border and legend
      Paint(c, Border(body, 2), kDisplayLit);
      Paint(c, legend, kDisplayLit);
      break;
    case 1:  // bright face: lit key, dark legend
      Paint(c, body, kDisplayLit);
      Paint(c, legend, kDisplayDark);
      break;
    default: {  // hidden key: dotted outline, the legend in grey
      const Mask b = Border(body, 1);
      for (int y = 0; y < S; ++y)
        for (int x = 0; x < S; ++x)
          if (b.At(x, y) && (x + y) % 2 == 0) c.SetPixel(x, y, kOutlineGrey);
      Paint(c, legend, kOutlineGrey);
      break;
    }
  }
  return c;
}

// The pointing hand in a 16 x 16 cell, finger to the right, thumb on top,
// three curled fingers below and the cuff at the left: '#' lines, '.' inside,
// ' ' outside.
constexpr const char* kHand[16] = {
    "                ",  //
    "                ",  //
    "                ",  //
    "     ######     ",  //
    "   ##......#    ",  //
    "####..#####.### ",  //
    "#..#...........#",  //
    "#..#....####### ",  //
    "#..#.......#    ",  //
    "#..#....####    ",  //
    "#..#.......#    ",  //
    "#..#....###     ",  //
    "####......#     ",  //
    "   #######      ",  //
    "                ",  //
    "                ",  //
};

// The hand's lines, and everything it covers.
void HandMasks(Mask& lines, Mask& all) {
  lines = Mask(16, 16);
  all = Mask(16, 16);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      if (kHand[y][x] == '#') lines.Set(x, y);
      if (kHand[y][x] != ' ') all.Set(x, y);
    }
}

// Dark: the lines lit. Bright: the whole hand lit with its inner lines dark.
Canvas Hand16(bool bright) {
  Mask lines(16, 16), all(16, 16);
  HandMasks(lines, all);
  Canvas c(16, 16, kDisplayDark);
  if (!bright) {
    Paint(c, lines, kDisplayLit);
    return c;
  }
  Paint(c, all, kDisplayLit);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      const bool edge =
          !all.At(x - 1, y) || !all.At(x + 1, y) || !all.At(x, y - 1) || !all.At(x, y + 1);
      if (lines.At(x, y) && !edge) c.SetPixel(x, y, kDisplayDark);
    }
  return c;
}

// The editor's hand is the panel's, each panel pixel on its 2.25 cell.
Canvas Hand(bool bright) {
  Canvas c(S, S, kDisplayDark);
  c.CopyScaled(Hand16(bright), {0, 0, S, S});
  return c;
}

std::vector<Canvas> MakePictures() {
  std::vector<Canvas> pics;
  pics.reserve(kPictureCount);
  pics.push_back(Lamp(false, false));
  pics.push_back(Lamp(false, true));
  pics.push_back(Lamp(true, false));
  pics.push_back(Lamp(true, true));
  for (int k = 0; k < kKeyPictureCount; ++k)
    for (int state = 0; state < 3; ++state) pics.push_back(KeyFace(k, state));
  pics.push_back(Hand(false));
  pics.push_back(Hand(true));
  return pics;
}

PanelBitmap16 ToPanelBands(const Canvas& c) {
  PanelBitmap16 out{};
  for (int band = 0; band < 2; ++band)
    for (int x = 0; x < 16; ++x)
      for (int k = 0; k < 8; ++k)
        if (c.Pixel(x, band * 8 + k) == kDisplayLit) out[band * 16 + x] |= 1 << k;
  return out;
}

}  // namespace

const Canvas* EditorPicture(int number) {
  static const std::vector<Canvas> pictures = MakePictures();
  if (number < 0 || number >= kPictureCount) return nullptr;
  return &pictures[number];
}

int LampPictureNumber(int style, int bright) {
  return (style != 0 ? 2 : 0) + (bright != 0 ? 1 : 0);
}

int KeyPictureNumber(int key, int inverse, int hidden) {
  const int k = std::clamp(key, 0, kKeyPictureCount - 1);
  return kPicFirstKey + 3 * k + (hidden != 0 ? 2 : (inverse != 0 ? 1 : 0));
}

std::optional<PanelBitmap16> PanelKeyBitmap(int id) {
  if (id < 0 || id > kHandKeyId) return std::nullopt;
  Canvas c(16, 16, kDisplayDark);
  if (id == kHandKeyId) {
    c = Hand16(false);
  } else {
    const Mask body = RoundRect(16, 0, 0, 16, 16, 3);
    Paint(c, Border(body, 1), kDisplayLit);
    Paint(c, Legend(id, 16), kDisplayLit);
  }
  return ToPanelBands(c);
}

}  // namespace tavo

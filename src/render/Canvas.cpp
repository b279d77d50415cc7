#include "render/Canvas.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <utility>

#include "base/SafeFile.h"
#include "render/StbIo.h"

namespace tavo {

namespace {

Rect Intersect(const Rect& a, const Rect& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

bool IsEmpty(const Rect& r) {
  return r.left >= r.right || r.top >= r.bottom;
}

}  // namespace

bool MonoBitmap::Pixel(int x, int y) const {
  if (!bits || x < 0 || y < 0 || x >= width || y >= height) return false;
  const int row = bottomUp ? height - 1 - y : y;
  return (bits[static_cast<size_t>(row) * stride + x / 8] >> (7 - x % 8)) & 1;
}

int ScaledSource(long long d, int srcLen, long long dstLen) {
  if (dstLen <= 0 || srcLen <= 0) return 0;
  const long long s = ((2LL * d + 1) * srcLen) / (2LL * dstLen);
  return static_cast<int>(std::min<long long>(std::max<long long>(s, 0), srcLen - 1));
}

Canvas::Canvas(int width, int height, Color fill)
    : m_width(std::max(width, 0)),
      m_height(std::max(height, 0)),
      m_clip{0, 0, m_width, m_height},
      m_pixels(static_cast<size_t>(m_width) * m_height, fill) {}

Color Canvas::Pixel(int x, int y, Color outside) const {
  if (x < 0 || y < 0 || x >= m_width || y >= m_height) return outside;
  return m_pixels[static_cast<size_t>(y) * m_width + x];
}

void Canvas::SetPixel(int x, int y, Color c) {
  if (x < m_clip.left || y < m_clip.top || x >= m_clip.right || y >= m_clip.bottom) return;
  m_pixels[static_cast<size_t>(y) * m_width + x] = c;
}

void Canvas::SetClip(const Rect& clip) {
  m_clip = Intersect(clip, {0, 0, m_width, m_height});
}

void Canvas::ResetClip() {
  m_clip = {0, 0, m_width, m_height};
}

void Canvas::FillRect(const Rect& r, Color c) {
  const Rect a = Intersect(r, m_clip);
  if (IsEmpty(a)) return;
  for (int y = a.top; y < a.bottom; ++y) {
    Color* row = &m_pixels[static_cast<size_t>(y) * m_width];
    std::fill(row + a.left, row + a.right, c);
  }
}

void Canvas::FrameRect(const Rect& r, Color c, int pen) {
  if (IsEmpty(r) || pen <= 0) return;
  const int px =
      static_cast<int>(std::min<long long>(pen, static_cast<long long>(r.right) - r.left));
  const int py =
      static_cast<int>(std::min<long long>(pen, static_cast<long long>(r.bottom) - r.top));
  FillRect({r.left, r.top, r.right, r.top + py}, c);
  FillRect({r.left, r.bottom - py, r.right, r.bottom}, c);
  FillRect({r.left, r.top, r.left + px, r.bottom}, c);
  FillRect({r.right - px, r.top, r.right, r.bottom}, c);
}

void Canvas::Line(Point a, Point b, Color c, int pen) {
  if (pen <= 0) return;
  // Clip the segment to a box a little larger than the canvas so that the
  // walk below is bounded whatever the coordinates; pixels inside the canvas
  // come out as for the whole segment.
  const double margin = pen + 2.0;
  const double bx0 = -margin, by0 = -margin, bx1 = m_width + margin, by1 = m_height + margin;
  const double x0 = a.x, y0 = a.y, ddx = static_cast<double>(b.x) - a.x,
               ddy = static_cast<double>(b.y) - a.y;
  double t0 = 0, t1 = 1;
  auto clipEdge = [&](double p, double q) {  // Liang-Barsky
    if (p == 0) return q >= 0;
    const double t = q / p;
    if (p < 0) {
      if (t > t1) return false;
      t0 = std::max(t0, t);
    } else {
      if (t < t0) return false;
      t1 = std::min(t1, t);
    }
    return true;
  };
  if (!clipEdge(-ddx, x0 - bx0) || !clipEdge(ddx, bx1 - x0) || !clipEdge(-ddy, y0 - by0) ||
      !clipEdge(ddy, by1 - y0))
    return;
  auto at = [](double v) { return static_cast<long long>(v < 0 ? v - 0.5 : v + 0.5); };
  long long x = t0 == 0 ? a.x : at(x0 + t0 * ddx);
  long long y = t0 == 0 ? a.y : at(y0 + t0 * ddy);
  const long long ex = t1 == 1 ? b.x : at(x0 + t1 * ddx);
  const long long ey = t1 == 1 ? b.y : at(y0 + t1 * ddy);
  const bool includeEnd = t1 < 1;  // the real end point lies beyond the box
  const long long dx = std::llabs(ex - x), dy = -std::llabs(ey - y);
  const int sx = x < ex ? 1 : -1, sy = y < ey ? 1 : -1;
  const int lo = -(pen / 2);
  auto plot = [&](long long px, long long py) {
    FillRect({static_cast<int>(px) + lo, static_cast<int>(py) + lo, static_cast<int>(px) + lo + pen,
              static_cast<int>(py) + lo + pen},
             c);
  };
  long long err = dx + dy;
  while (!(x == ex && y == ey)) {
    plot(x, y);
    const long long e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y += sy;
    }
  }
  if (includeEnd) plot(x, y);
}

namespace {

// Calls `dot(x, y)` for the dots of the closed path left-top -> right-top ->
// right-bottom -> left-bottom -> left-top, one every second pixel along it,
// within `clip`. Each pixel's place on the path is computed, so only the
// visible stretch is walked.
template <typename Dot>
void WalkDottedOutline(const Rect& r, const Rect& clip, Dot dot) {
  const long long l = r.left, t = r.top, rr = r.right, b = r.bottom;
  if (rr < l || b < t) return;
  const long long w = rr - l, h = b - t;
  if (w == 0 && h == 0) {
    dot(l, t);
    return;
  }
  const long long cl = clip.left, ct = clip.top, cr = clip.right, cb = clip.bottom;
  auto put = [&](long long x, long long y, long long n) {
    if ((n & 1) == 0) dot(x, y);
  };
  // Top edge: x from l to rr - 1, n = x - l.
  if (t >= ct && t < cb)
    for (long long x = std::max(l, cl); x < std::min(rr, cr); ++x) put(x, t, x - l);
  // Right edge: y from t to b - 1, n = w + y - t.
  if (rr >= cl && rr < cr)
    for (long long y = std::max(t, ct); y < std::min(b, cb); ++y) put(rr, y, w + y - t);
  // Bottom edge: x from rr down to l + 1, n = w + h + rr - x.
  if (b >= ct && b < cb)
    for (long long x = std::max(l + 1, cl); x <= std::min(rr, cr - 1); ++x)
      put(x, b, w + h + rr - x);
  // Left edge: y from b down to t + 1, n = 2w + h + b - y.
  if (l >= cl && l < cr)
    for (long long y = std::max(t + 1, ct); y <= std::min(b, cb - 1); ++y)
      put(l, y, 2 * w + h + b - y);
}

// Lit by the eye's weighting of red, green and blue: at least half of white.
bool IsLight(Color c) {
  const int r = (c >> 16) & 0xFF, g = (c >> 8) & 0xFF, b = c & 0xFF;
  return 299 * r + 587 * g + 114 * b >= 128 * 1000;
}

}  // namespace

void Canvas::DottedOutline(const Rect& r, Color c) {
  WalkDottedOutline(r, m_clip, [&](long long x, long long y) {
    SetPixel(static_cast<int>(x), static_cast<int>(y), c);
  });
}

void Canvas::DottedOutline(const Rect& r, Color overDark, Color overLight) {
  // Every dot's colour is chosen from the pixels as they were before the
  // outline: a degenerate rectangle visits some pixels twice.
  std::vector<std::pair<size_t, Color>> dots;
  WalkDottedOutline(r, m_clip, [&](long long x, long long y) {
    if (x < m_clip.left || y < m_clip.top || x >= m_clip.right || y >= m_clip.bottom) return;
    const size_t i = static_cast<size_t>(y) * m_width + static_cast<size_t>(x);
    dots.emplace_back(i, IsLight(m_pixels[i]) ? overLight : overDark);
  });
  for (const auto& [i, c] : dots) m_pixels[i] = c;
}

template <typename Sample>
void Canvas::ScaleInto(int srcW, int srcH, const Rect& to, Sample sample) {
  if (srcW <= 0 || srcH <= 0 || IsEmpty(to)) return;
  const Rect a = Intersect(to, m_clip);
  if (IsEmpty(a)) return;
  const long long dw = static_cast<long long>(to.right) - to.left;
  const long long dh = static_cast<long long>(to.bottom) - to.top;
  for (int y = a.top; y < a.bottom; ++y) {
    const int sy = ScaledSource(static_cast<long long>(y) - to.top, srcH, dh);
    Color* row = &m_pixels[static_cast<size_t>(y) * m_width];
    for (int x = a.left; x < a.right; ++x) {
      const int sx = ScaledSource(static_cast<long long>(x) - to.left, srcW, dw);
      sample(sx, sy, row[x]);
    }
  }
}

void Canvas::CopyScaled(const Canvas& src, const Rect& from, const Rect& to) {
  const Rect f = Intersect(from, {0, 0, src.Width(), src.Height()});
  if (IsEmpty(f) || &src == this) return;
  ScaleInto(f.Width(), f.Height(), to, [&](int sx, int sy, Color& out) {
    out = src.m_pixels[static_cast<size_t>(f.top + sy) * src.m_width + f.left + sx];
  });
}

void Canvas::CopyScaled(const MonoBitmap& src, const Rect& to, Color zero, Color one) {
  ScaleInto(src.width, src.height, to,
            [&](int sx, int sy, Color& out) { out = src.Pixel(sx, sy) ? one : zero; });
}

void Canvas::StampScaled(const MonoBitmap& src, const Rect& to, Color one) {
  ScaleInto(src.width, src.height, to, [&](int sx, int sy, Color& out) {
    if (src.Pixel(sx, sy)) out = one;
  });
}

std::vector<uint8_t> Canvas::EncodePng() const {
  std::vector<uint8_t> rgb(static_cast<size_t>(m_width) * m_height * 3);
  for (size_t i = 0; i < m_pixels.size(); ++i) {
    rgb[i * 3] = static_cast<uint8_t>(m_pixels[i] >> 16);
    rgb[i * 3 + 1] = static_cast<uint8_t>(m_pixels[i] >> 8);
    rgb[i * 3 + 2] = static_cast<uint8_t>(m_pixels[i]);
  }
  return EncodePngRgb(rgb.data(), m_width, m_height);
}

bool Canvas::WritePng(const std::string& path) const {
  const std::vector<uint8_t> png = EncodePng();
  if (png.empty()) return false;
  return WriteFileSafely(path, png) == 0;
}

Canvas MakeDisplayBackground() {
  Canvas c(kDisplayWidth, kDisplayHeight, kDisplayDark);
  for (int gy = 18; gy < kDisplayHeight; gy += 18)
    for (int gx = 18; gx < kDisplayWidth; gx += 18)
      c.FillRect({gx - 1, gy - 1, gx + 1, gy + 1}, kDisplayLit);
  return c;
}

}  // namespace tavo

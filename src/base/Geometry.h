#pragma once

#include <algorithm>
#include <cstdint>

namespace tavo {

// The panel's display and the editor's simulated display (2.25 editor pixels per
// panel pixel).
constexpr int kPanelWidth = 192;
constexpr int kPanelHeight = 64;
constexpr int kDisplayWidth = 432;
constexpr int kDisplayHeight = 144;

// editor = trunc(panel * 2.25 + 0.5), panel = trunc(editor / 2.25 + 0.5); both
// truncate toward zero, as the stored positions always have.
// Panel positions also come from files: the editor value is held within
// +-900,000,000 so that adding an element's size to it never overflows.
inline int PanelToEditor(int panel) {
  return static_cast<int>(std::clamp(panel * 2.25 + 0.5, -9e8, 9e8));
}
inline int EditorToPanel(int editor) {
  return static_cast<int>(editor / 2.25 + 0.5);
}

struct Point {
  int x = 0;
  int y = 0;
};

// Editor-pixel rectangle; right and bottom are exclusive.
struct Rect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  Rect United(const Rect& o) const {
    return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right),
            std::max(bottom, o.bottom)};
  }
  Rect Inflated(int d) const { return {left - d, top - d, right + d, bottom + d}; }
  bool operator==(const Rect&) const = default;
};

// The largest panel X and Y of an element whose rectangle is `rect` (editor
// pixels): 192 - width / 2.25 and 64 - height / 2.25, truncated toward zero.
// The property pages' X and Y ranges and the keyboard moves share them.
inline int MaxXOf(const Rect& rect) {
  return static_cast<int>(kPanelWidth - rect.Width() / 2.25);
}
inline int MaxYOf(const Rect& rect) {
  return static_cast<int>(kPanelHeight - rect.Height() / 2.25);
}

}  // namespace tavo

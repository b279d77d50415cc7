#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "base/Geometry.h"

namespace tavo {

class CArchive;     // the project file's tagged object stream
class Canvas;       // the simulated display's raster canvas
class ImageShared;  // the download image's shared tables (glyph lists, pictures)

// Element kind codes, written into project files and the download image.
enum ElementKind : uint8_t {
  kKindText = 1,
  kKindRegister = 2,
  kKindLight = 3,
  kKindKey = 4,
  kKindPicture = 5,
  kKindBar = 6,
  kKindTrend = 7,
  kKindDynamic = 8,
};

// Base of every element a screen holds: position, attributes, the PLC address
// binding and the compiled download record.
class CBase {
 public:
  CBase();
  virtual ~CBase() = default;

  // The registered class name written into project files ("CChars", ...).
  virtual const char* ClassName() const { return "CBase"; }
  // A copy with every field but the compiled record.
  virtual std::unique_ptr<CBase> Clone() const { return std::unique_ptr<CBase>(new CBase(*this)); }

  // The element operations, in their slot order.
  virtual void Serialize(CArchive& ar);
  virtual void SetOption(uint8_t value, int which) { m_numFormat = value; }
  virtual void ShowPosition();
  virtual void FreeCode();
  // Patches references into the image's shared areas; may advance the offset.
  virtual void Relocate(uint16_t& offset) {}
  virtual void CalcCodeSize() {}
  virtual void CollectShared(ImageShared& shared) {}
  virtual void Compile();
  virtual void Draw(Canvas& canvas) {}
  virtual void SetScreenPos(int left, int top) {}
  // The page hooks: every placed element kind reaches its property page
  // through CurrentPageHooks(), which dispatches on m_kind.
  virtual void LoadPage();
  virtual void ShowPage();

  bool HitTest(Point p) const { return m_rect.Contains(p); }
  bool IsInsideDisplay() const;
  void ClampToDisplay();
  // One drag step: moves on the 4-panel-pixel grid and advances the anchor by
  // what was used. Returns the editor area to repaint (empty when nothing moved).
  Rect MoveBy(Point pointer, Point& anchor);
  // A keyboard move by (dx, dy) panel pixels. The element stops at the
  // display's edges (X and Y within 0 and MaxXOf / MaxYOf, the property
  // page's ranges); one already beyond an edge is never pushed further out.
  // Returns the editor area to repaint (empty when nothing moved).
  Rect NudgeBy(int dx, int dy);
  void PlaceAt(int left, int top);
  void Replace();
  // Appends kind and the running offset (high byte first); adds m_codeSize.
  void WriteIndexEntry(std::vector<uint8_t>& out, uint16_t& offset) const;
  // Appends tag, character column m_x / 8 and text row m_y / 16.
  void WriteCursorEntry(std::vector<uint8_t>& out, uint8_t tag) const;

  // Places the element's rectangle at its stored panel position.
  void PlaceAtStoredPosition() { SetScreenPos(PanelToEditor(m_x), PanelToEditor(m_y)); }

  Rect m_rect;
  uint8_t m_kind = 0;
  uint8_t m_valueSigned = 0;
  uint8_t m_subAddr = 0;
  uint16_t m_addr = 0;
  uint8_t m_subType = 0;
  uint8_t m_regType = 0;
  uint8_t m_numFormat = 1;
  uint8_t m_station = 1;
  uint8_t m_valueFormat = 0;
  uint8_t m_regCount = 1;
  int32_t m_x = 0;
  int32_t m_y = 0;
  uint8_t m_double = 0;
  uint8_t m_inverse = 0;
  uint8_t m_signed = 0;
  uint8_t m_valueHex = 0;
  uint16_t m_codeSize = 0;
  std::vector<uint8_t> m_code;

 protected:
  // Copies never carry the compiled record.
  CBase(const CBase& other);
  CBase& operator=(const CBase&) = delete;
  // Writes or reads the common part: kind, x, y.
  void SerializeCommon(CArchive& ar);
};

// Orders cursor entries made by WriteCursorEntry by row, then column (stable),
// and replaces the list by their tags. A list whose length is not a multiple
// of 3 shows "排序出错" and stays as it was.
void SortCursorEntries(std::vector<uint8_t>& entries);

// Protocol-dependent defaults of a new element.
uint16_t DefaultAddress(uint8_t protocol);
uint8_t DefaultStation(uint8_t protocol);

}  // namespace tavo

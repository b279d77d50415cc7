#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/Base.h"

namespace tavo {

// One numbered screen ("画面") with its elements. The head of m_elements is
// the selected, topmost element; the screen draws from the tail to the head.
class CMainView {
 public:
  CMainView() = default;
  CMainView(uint16_t number, std::string description);

  // Creates an element of kind 1..8 at the editor point, puts it at the head
  // and places it. Returns it, or nullptr for any other kind.
  CBase* AddElement(uint8_t kind, Point at);
  // Takes the first element from the head that the point hits, moves it to
  // the head and shows its page. False when nothing is hit.
  bool SelectAt(Point p);
  // Moves the element at `index` to the head and shows its page; returns it.
  CBase* Select(size_t index);
  // Removes and deletes the head element, if any.
  void DeleteSelected();
  void ClearElements();
  // Takes the source's description and appends copies of its elements (no
  // compiled records); number and key targets stay.
  void CopyContentFrom(const CMainView& source);
  // Draws tail to head. Returns the head's rectangle less 1 at right and
  // bottom (the selection frame) unless told not to or there is no element.
  Rect DrawAll(Canvas& canvas, bool showSelection) const;
  // Writes the 9-byte screen-table entry at index * 9 and advances the offset
  // by 3 per element.
  void WriteDirectoryEntry(std::vector<uint8_t>& buffer, size_t index, uint16_t& offset) const;

  // The screen's file record: number, description, key targets, reserved
  // block, then its elements as tagged objects from the head to the tail.
  void Serialize(CArchive& ar);

  CBase* Head() const { return m_elements.empty() ? nullptr : m_elements.front().get(); }
  size_t ElementCount() const { return m_elements.size(); }

  std::vector<std::unique_ptr<CBase>> m_elements;
  uint16_t m_number = 0;
  std::string m_description;  // GBK
  uint16_t m_upScreen = 0;
  uint16_t m_downScreen = 0;
  std::vector<uint8_t> m_regOrder;  // rebuilt by every compilation, never stored
};

}  // namespace tavo

#include "model/Screen.h"

#include "model/ElementFactory.h"

namespace tavo {

CMainView::CMainView(uint16_t number, std::string description)
    : m_number(number),
      m_description(std::move(description)),
      m_upScreen(static_cast<uint16_t>(number - 1)),
      m_downScreen(static_cast<uint16_t>(number + 1)) {}

CBase* CMainView::AddElement(uint8_t kind, Point at) {
  auto element = CreateElement(kind, at);
  if (!element) return nullptr;
  CBase* e = element.get();
  m_elements.insert(m_elements.begin(), std::move(element));
  e->PlaceAt(at.x, at.y);
  return e;
}

bool CMainView::SelectAt(Point p) {
  for (size_t i = 0; i < m_elements.size(); ++i) {
    if (!m_elements[i]->HitTest(p)) continue;
    Select(i);
    return true;
  }
  return false;
}

CBase* CMainView::Select(size_t index) {
  if (index >= m_elements.size()) return nullptr;
  if (index != 0) {
    auto e = std::move(m_elements[index]);
    m_elements.erase(m_elements.begin() + static_cast<long>(index));
    m_elements.insert(m_elements.begin(), std::move(e));
  }
  m_elements.front()->ShowPage();
  m_elements.front()->LoadPage();
  return m_elements.front().get();
}

void CMainView::DeleteSelected() {
  if (!m_elements.empty()) m_elements.erase(m_elements.begin());
}

void CMainView::ClearElements() {
  m_elements.clear();
}

void CMainView::CopyContentFrom(const CMainView& source) {
  m_description = source.m_description;
  // Copy first: the source may be this screen.
  std::vector<std::unique_ptr<CBase>> copies;
  copies.reserve(source.m_elements.size());
  for (auto& e : source.m_elements) copies.push_back(e->Clone());
  for (auto& c : copies) m_elements.push_back(std::move(c));
}

Rect CMainView::DrawAll(Canvas& canvas, bool showSelection) const {
  for (auto it = m_elements.rbegin(); it != m_elements.rend(); ++it) (*it)->Draw(canvas);
  if (!showSelection || m_elements.empty()) return Rect{};
  Rect r = m_elements.front()->m_rect;
  r.right -= 1;
  r.bottom -= 1;
  return r;
}

void CMainView::WriteDirectoryEntry(std::vector<uint8_t>& buffer, size_t index,
                                    uint16_t& offset) const {
  const size_t at = index * 9;
  if (buffer.size() < at + 9) buffer.resize(at + 9);
  auto put16 = [&](size_t pos, uint16_t v) {
    buffer[pos] = static_cast<uint8_t>(v >> 8);
    buffer[pos + 1] = static_cast<uint8_t>(v);
  };
  const auto count = m_elements.size();
  put16(at, m_number);
  buffer[at + 2] = static_cast<uint8_t>(count);
  put16(at + 3, m_upScreen);
  put16(at + 5, m_downScreen);
  put16(at + 7, offset);
  offset = static_cast<uint16_t>(offset + 3 * count);
}

}  // namespace tavo

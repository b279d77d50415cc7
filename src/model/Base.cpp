#include "model/Base.h"

#include "base/Prompter.h"
#include "base/Texts.h"
#include "model/PageHooks.h"
#include "plc/Protocol.h"
#include "plc/ProtocolTraits.h"

namespace tavo {

uint16_t DefaultAddress(uint8_t protocol) {
  return TraitsOf(protocol).elementAddress;
}

uint8_t DefaultStation(uint8_t protocol) {
  return TraitsOf(protocol).elementStation;
}

CBase::CBase() {
  uint8_t p = CurrentProtocol();
  m_addr = DefaultAddress(p);
  m_station = DefaultStation(p);
}

CBase::CBase(const CBase& o)
    : m_rect(o.m_rect),
      m_kind(o.m_kind),
      m_valueSigned(o.m_valueSigned),
      m_subAddr(o.m_subAddr),
      m_addr(o.m_addr),
      m_subType(o.m_subType),
      m_regType(o.m_regType),
      m_numFormat(o.m_numFormat),
      m_station(o.m_station),
      m_valueFormat(o.m_valueFormat),
      m_regCount(o.m_regCount),
      m_x(o.m_x),
      m_y(o.m_y),
      m_double(o.m_double),
      m_inverse(o.m_inverse),
      m_signed(o.m_signed),
      m_valueHex(o.m_valueHex),
      m_codeSize(0) {}

void CBase::ShowPosition() {
  CurrentPageHooks().ShowPosition(*this);
}
void CBase::LoadPage() {
  CurrentPageHooks().LoadPage(*this);
}
void CBase::ShowPage() {
  CurrentPageHooks().ShowPage(*this);
}

void CBase::FreeCode() {
  m_code.clear();
  m_code.shrink_to_fit();
}

void CBase::Compile() {
  m_code.assign(m_codeSize, 0);
  if (m_codeSize >= 1) m_code[0] = static_cast<uint8_t>(m_x);
  if (m_codeSize >= 2) m_code[1] = static_cast<uint8_t>(m_y);
}

bool CBase::IsInsideDisplay() const {
  return m_rect.left >= 0 && m_rect.top >= 0 && m_rect.right <= kDisplayWidth &&
         m_rect.bottom <= kDisplayHeight;
}

void CBase::ClampToDisplay() {
  const int w = m_rect.Width();
  const int h = m_rect.Height();
  if (m_rect.left < 0) {
    m_rect.left = 0;
    m_x = 0;
    m_rect.right = w;
  }
  if (m_rect.top < 0) {
    m_rect.top = 0;
    m_y = 0;
    m_rect.bottom = h;
  }
  if (m_rect.right > kDisplayWidth) {
    m_rect.right = kDisplayWidth;
    m_rect.left = kDisplayWidth - w;
    m_x = EditorToPanel(kDisplayWidth - w);
  }
  if (m_rect.bottom > kDisplayHeight) {
    m_rect.bottom = kDisplayHeight;
    m_rect.top = kDisplayHeight - h;
    m_y = EditorToPanel(kDisplayHeight - h);
  }
}

Rect CBase::MoveBy(Point pointer, Point& anchor) {
  const int dx = pointer.x - anchor.x;
  const int dy = pointer.y - anchor.y;
  if ((dx == 0 && dy == 0) || (dx > -9 && dx < 9 && dy > -9 && dy < 9)) return Rect{};
  const int sx = dx / 9;  // truncates toward zero
  const int sy = dy / 9;
  m_x += 4 * sx;
  m_y += 4 * sy;
  anchor.x += 9 * sx;
  anchor.y += 9 * sy;
  const Rect old = m_rect;
  SetScreenPos(m_rect.left + 9 * sx, m_rect.top + 9 * sy);
  if (!IsInsideDisplay()) ClampToDisplay();
  ShowPosition();
  return old.United(m_rect).Inflated(1);
}

namespace {
// `from` moved by `by` toward [0, max]: not past a bound it had not passed yet.
int32_t StepWithin(int32_t from, int by, int max) {
  const long long to = static_cast<long long>(from) + by;
  if (by > 0) return static_cast<int32_t>(std::min<long long>(to, std::max(from, max)));
  if (by < 0) return static_cast<int32_t>(std::max<long long>(to, std::min(from, 0)));
  return from;
}
}  // namespace

Rect CBase::NudgeBy(int dx, int dy) {
  const int32_t x = StepWithin(m_x, dx, MaxXOf(m_rect));
  const int32_t y = StepWithin(m_y, dy, MaxYOf(m_rect));
  if (x == m_x && y == m_y) return Rect{};
  m_x = x;
  m_y = y;
  const Rect old = m_rect;
  PlaceAtStoredPosition();
  ShowPosition();
  return old.United(m_rect).Inflated(1);
}

void CBase::PlaceAt(int left, int top) {
  SetScreenPos(left, top);
  if (!IsInsideDisplay()) ClampToDisplay();
  ShowPage();
  LoadPage();
}

void CBase::Replace() {
  SetScreenPos(m_rect.left, m_rect.top);
  if (!IsInsideDisplay()) {
    ClampToDisplay();
    ShowPosition();
  }
}

void CBase::WriteIndexEntry(std::vector<uint8_t>& out, uint16_t& offset) const {
  out.push_back(m_kind);
  out.push_back(static_cast<uint8_t>(offset >> 8));
  out.push_back(static_cast<uint8_t>(offset));
  offset = static_cast<uint16_t>(offset + m_codeSize);
}

void CBase::WriteCursorEntry(std::vector<uint8_t>& out, uint8_t tag) const {
  out.push_back(tag);
  out.push_back(static_cast<uint8_t>(m_x / 8));
  out.push_back(static_cast<uint8_t>(m_y / 16));
}

void SortCursorEntries(std::vector<uint8_t>& entries) {
  if (entries.size() % 3 != 0) {
    const char* text = TAVO_TRANSLATE_NOOP("tavo::model::Base", "排序出错");
    CurrentPrompter().Message(Translate("tavo::model::Base", text), "", MessageIcon::Warning);
    return;
  }
  const size_t n = entries.size() / 3;
  auto greater = [&](size_t a, size_t b) {  // entry a sorts strictly after entry b
    const uint8_t ra = entries[a * 3 + 2], rb = entries[b * 3 + 2];
    if (ra != rb) return ra > rb;
    return entries[a * 3 + 1] > entries[b * 3 + 1];
  };
  for (size_t pass = 0; pass + 1 < n; ++pass)
    for (size_t i = 0; i + 1 < n - pass; ++i)
      if (greater(i, i + 1))
        for (int k = 0; k < 3; ++k) std::swap(entries[i * 3 + k], entries[(i + 1) * 3 + k]);
  std::vector<uint8_t> tags(n);
  for (size_t i = 0; i < n; ++i) tags[i] = entries[i * 3];
  entries = std::move(tags);
}

}  // namespace tavo

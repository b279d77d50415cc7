#include "elements/Dynamic.h"

#include <algorithm>
#include <cstdio>

#include "elements/ElementCommon.h"
#include "plc/Protocol.h"

namespace tavo {

CDynamic::CDynamic() : m_texts(kRows), m_valueTexts(kRows), m_values(kRows, 0) {
  m_kind = kKindDynamic;
  m_addr = DefaultBitElementAddress(CurrentProtocol());
}

CDynamic::CDynamic(Point at, std::string text) : CDynamic() {
  SetPanelPosition(*this, at);
  m_texts[0] = std::move(text);
  m_valueTexts[0] = "1";
  m_values[0] = 1;
}

// The compiled rows belong to one download: a copy starts without them.
CDynamic::CDynamic(const CDynamic& o)
    : CBase(o),
      m_texts(o.m_texts),
      m_valueTexts(o.m_valueTexts),
      m_values(o.m_values),
      m_width(o.m_width),
      m_newValue(o.m_newValue),
      m_subTypeAddr(o.m_subTypeAddr),
      m_subTypeCode(o.m_subTypeCode) {}

std::unique_ptr<CBase> CDynamic::Clone() const {
  return std::unique_ptr<CBase>(new CDynamic(*this));
}

uint8_t CDynamic::LongestText() const {
  uint8_t longest = 0;
  for (const auto& t : m_texts) longest = std::max(longest, TextLength(t));
  return longest;
}

const std::string& CDynamic::ShownText() const {
  static const std::string kNone;
  for (const auto& t : m_texts)
    if (!t.empty()) return t;
  return kNone;
}

void CDynamic::SetScreenPos(int left, int top) {
  m_width = LongestText();
  const int scale = 1 + Flag(m_double);
  m_rect = {left, top, left + scale * 18 * m_width, top + 36 * scale};
}

void CDynamic::EditContent(int row, const std::string& text) {
  if (row < 1 || row > static_cast<int>(m_texts.size())) return;
  m_texts[row - 1] = text;
  Replace();
}

void CDynamic::EditValue(int row, const std::string& valueText) {
  if (row < 1 || row > static_cast<int>(m_valueTexts.size()) ||
      row > static_cast<int>(m_values.size()))
    return;
  m_valueTexts[row - 1] = valueText;
  m_values[row - 1] = m_newValue;
  if (valueText.empty() && row <= static_cast<int>(m_texts.size())) EditContent(row, "");
}

void CDynamic::ClampValues(uint8_t mode, int32_t maximum, int32_t minimum) {
  const size_t rows = std::min({m_texts.size(), m_valueTexts.size(), m_values.size()});
  for (size_t i = 0; i < rows; ++i) {
    // A row without a value is not in use: it stays without one.
    if (m_valueTexts[i].empty()) continue;
    int32_t v = m_values[i];
    if (v > maximum) v = maximum;
    if (v < minimum) v = minimum;
    m_values[i] = v;
    char buf[16];
    if (mode == 0)
      std::snprintf(buf, sizeof buf, "%x", static_cast<unsigned>(v));
    else
      std::snprintf(buf, sizeof buf, "%d", v);
    m_valueTexts[i] = buf;
  }
}

}  // namespace tavo

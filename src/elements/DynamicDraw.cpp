#include "elements/Dynamic.h"
#include "render/PanelText.h"

// The dynamic text on the simulated display: its first non-empty text, padded
// with spaces to the element's width.
namespace tavo {

void CDynamic::Draw(Canvas& canvas) {
  std::string text = ShownText();
  if (text.size() < m_width) text.append(m_width - text.size(), ' ');
  DrawPanelText(canvas, text, m_rect, m_double, m_inverse);
}

}  // namespace tavo

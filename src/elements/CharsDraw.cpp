#include "elements/Chars.h"
#include "render/PanelText.h"

// The text on the simulated display.
namespace tavo {

void CChars::Draw(Canvas& canvas) {
  DrawPanelText(canvas, m_text, m_rect, m_double, m_inverse);
}

}  // namespace tavo

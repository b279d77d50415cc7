#include <string>

#include "elements/Register.h"
#include "render/PanelText.h"

// The numeric register on the simulated display: a sample value with the
// register's digits, decimals and sign.
namespace tavo {

namespace {

// "1234" ... with the last `decimals` digits after a point ("0." in front when
// every digit is a decimal; no point when there are more decimals than
// digits), "-" in front when signed.
std::string SampleValue(int digits, int decimals, bool isSigned) {
  std::string d;
  for (int i = 1; i <= digits; ++i) d += static_cast<char>('0' + i % 10);
  if (decimals > 0 && decimals < digits)
    d.insert(d.size() - static_cast<size_t>(decimals), ".");
  else if (decimals > 0 && decimals == digits)
    d.insert(0, "0.");
  if (isSigned) d.insert(d.begin(), '-');
  return d;
}

}  // namespace

void CRegister::Draw(Canvas& canvas) {
  canvas.FillRect(m_rect, m_inverse != 0 ? kDisplayLit : kDisplayDark);
  DrawPanelText(canvas, SampleValue(m_digits, m_decimals, m_signed != 0), m_rect, m_double,
                m_inverse);
}

}  // namespace tavo

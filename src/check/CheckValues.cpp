#include "check/CheckContext.h"
#include "elements/BarTide.h"
#include "elements/Register.h"
#include "model/Project.h"

// Digits and decimals of registers, and the limits and scales the compiler
// would have to correct (download warnings 1 and 3).
namespace tavo {

namespace {

constexpr int kMaxDigits = 10;

std::string Limit(int32_t v, bool isSigned) {
  return isSigned ? std::to_string(v) : std::to_string(static_cast<uint32_t>(v));
}

void CheckRegister(CheckContext& c, const CMainView& screen, size_t i, const CRegister& r,
                   const CBase& compiled) {
  if (r.m_digits < 1 || r.m_digits > kMaxDigits || r.m_decimals > kMaxDigits)
    c.Add(Severity::kError, "register-digits", &screen, i,
          FindingText(
              TAVO_TRANSLATE_NOOP("tavo::check::ProjectCheck", "%1的位数%2或小数位%3超出0至10"),
              {Describe(r), std::to_string(r.m_digits), std::to_string(r.m_decimals)}));
  else if (r.m_decimals > r.m_digits)
    c.Add(Severity::kError, "register-decimals", &screen, i,
          FindingText(TAVO_TRANSLATE_NOOP("tavo::check::ProjectCheck",
                                          "寄存器出现错误: %1的小数位%2多于位数%3"),
                      {Describe(r), std::to_string(r.m_decimals), std::to_string(r.m_digits)}));
  const auto* trial = dynamic_cast<const CRegister*>(&compiled);
  if (trial && trial->m_limitsCorrected)
    c.Add(
        Severity::kWarning, "register-limits", &screen, i,
        FindingText(TAVO_TRANSLATE_NOOP("tavo::check::ProjectCheck",
                                        "%1的输入上限%2不大于下限%3，下载时改正并询问是否取消下载"),
                    {Describe(r), Limit(r.m_inHigh, r.m_signed), Limit(r.m_inLow, r.m_signed)}));
}

void CheckGraph(CheckContext& c, const CMainView& screen, size_t i, const CBarTide& g,
                const CBase& compiled) {
  const auto* trial = dynamic_cast<const CBarTide*>(&compiled);
  if (trial && trial->m_scaleCorrected)
    c.Add(Severity::kWarning, "graph-scale", &screen, i,
          FindingText(
              TAVO_TRANSLATE_NOOP("tavo::check::ProjectCheck",
                                  "%1的满额度值%2不大于零额度值%3，下载时改正并询问是否取消下载"),
              {Describe(g), Limit(g.m_fullScale, g.m_signed), Limit(g.m_zeroScale, g.m_signed)}));
}

}  // namespace

void CheckValues(CheckContext& c) {
  const auto& screens = c.project.m_screens;
  for (size_t s = 0; s < screens.size(); ++s) {
    const CMainView& screen = *screens[s];
    const CMainView& compiled = *c.compiled.m_screens[s];
    for (size_t i = 0; i < screen.m_elements.size(); ++i) {
      const CBase& e = *screen.m_elements[i];
      if (const auto* r = dynamic_cast<const CRegister*>(&e))
        CheckRegister(c, screen, i, *r, *compiled.m_elements[i]);
      else if (const auto* g = dynamic_cast<const CBarTide*>(&e))
        CheckGraph(c, screen, i, *g, *compiled.m_elements[i]);
    }
  }
}

}  // namespace tavo

#include "check/CheckContext.h"
#include "elements/Function.h"
#include "model/Project.h"

// Where the elements lie on the 192 x 64 display, measured from the stored
// positions the panel receives: outside it, partly outside, or wholly under
// an element drawn above.
namespace tavo {

namespace {

bool Empty(const Rect& r) {
  return r.Width() <= 0 || r.Height() <= 0;
}

bool WhollyOutside(const Rect& r) {
  return r.right <= 0 || r.bottom <= 0 || r.left >= kDisplayWidth || r.top >= kDisplayHeight;
}

bool Covers(const Rect& over, const Rect& under) {
  return over.left <= under.left && over.top <= under.top && over.right >= under.right &&
         over.bottom >= under.bottom;
}

// A hidden key shows nothing on the panel: it neither hides nor is hidden.
bool Invisible(const CBase& e) {
  const auto* key = dynamic_cast<const CFunction*>(&e);
  return key && key->m_hidden;
}

}  // namespace

void CheckGeometry(CheckContext& c) {
  for (const auto& screen : c.compiled.m_screens) {
    const auto& elements = screen->m_elements;
    for (size_t i = 0; i < elements.size(); ++i) {
      const CBase& e = *elements[i];
      const Rect& r = e.m_rect;
      if (WhollyOutside(r) || e.m_x < 0 || e.m_y < 0 || e.m_x > 255 || e.m_y > 255) {
        c.Add(Severity::kError, "outside-display", screen.get(), i,
              FindingText(
                  TAVO_TRANSLATE_NOOP("tavo::check::ProjectCheck", "%1完全在192×64显示区之外"),
                  {Describe(e)}));
        continue;
      }
      if (!e.IsInsideDisplay())
        c.Add(
            Severity::kWarning, "partly-outside", screen.get(), i,
            FindingText(TAVO_TRANSLATE_NOOP("tavo::check::ProjectCheck", "%1部分超出192×64显示区"),
                        {Describe(e)}));
      if (Empty(r) || Invisible(e)) continue;
      // The head of the list is drawn last, on top of everything after it.
      for (size_t j = 0; j < i; ++j) {
        const CBase& above = *elements[j];
        if (Empty(above.m_rect) || Invisible(above) || !Covers(above.m_rect, r)) continue;
        c.Add(Severity::kWarning, "hidden-element", screen.get(), i,
              FindingText(TAVO_TRANSLATE_NOOP("tavo::check::ProjectCheck", "%1被%2完全遮住"),
                          {Describe(e), Describe(above)}));
        break;
      }
    }
  }
}

}  // namespace tavo

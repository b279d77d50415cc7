#include "check/ProjectCheck.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

#include "check/Bindings.h"
#include "check/CheckContext.h"
#include "check/ImageBudget.h"
#include "model/Project.h"
#include "plc/Catalogue.h"
#include "render/FontLibrary.h"

namespace tavo {

namespace {

void CheckImageSize(CheckContext& c, const ImageBudget& budget) {
  const size_t total = budget.Total();
  if (budget.Level() == BudgetLevel::kOverLimit) {
    // The compiler's own refusal, as a download would show it.
    c.AddProject(
        Severity::kError, "image-size",
        Phrase(compile_text::kContext, compile_text::kImageTooLarge, {std::to_string(total)}));
  } else if (budget.Level() == BudgetLevel::kNearLimit) {
    // %1 the image size, %2 the bytes left, both with thousands separators.
    c.AddProject(Severity::kWarning, "image-near-limit",
                 FindingText(TAVO_TRANSLATE_NOOP("tavo::check::ProjectCheck",
                                                 "画面数据共%1字节，离32767字节的上限只剩%2字节"),
                             {GroupedNumber(static_cast<long long>(total)),
                              GroupedNumber(budget.Remaining())}));
  }
}

}  // namespace

void CheckContext::Add(Severity severity, const char* code, const CMainView* screen, size_t element,
                       Phrase message) {
  Finding f{severity, code, std::nullopt, std::nullopt, message.Source(), std::move(message)};
  if (screen) f.screen = screen->m_number;
  if (screen && element != SIZE_MAX) f.element = element;
  out.push_back(std::move(f));
}

void CheckContext::AddProject(Severity severity, const char* code, Phrase message) {
  Add(severity, code, nullptr, SIZE_MAX, std::move(message));
}

Phrase Describe(const CBase& e) {
  return Phrase(
      kBindingsContext, kElementAt,
      {Phrase(kBindingsContext, KindName(e.m_kind)), std::to_string(e.m_x), std::to_string(e.m_y)});
}

std::vector<Finding> CheckProject(const Project& project, const CheckOptions& options,
                                  ImageBudget* budget) {
  std::vector<Finding> findings;
  const TrialCompile trial(project);
  const PanelFont& font = options.font ? *options.font : PanelFont::Shared();
  const bool haveFont = font.HasEnglish() && font.HasChinese();
  CheckContext c{project, trial.Copy(), CurrentProfile(), haveFont ? &font : nullptr, findings};

  CheckImageSize(c, trial.Budget());
  if (budget) *budget = trial.Budget();
  if (!haveFont)
    c.AddProject(Severity::kNote, "no-font-library",
                 FindingText(TAVO_TRANSLATE_NOOP("tavo::check::ProjectCheck",
                                                 "找不到字库文件，未检查文字的字形")));
  CheckScreens(c);
  CheckAlarmList(c);
  CheckGeometry(c);
  CheckTexts(c);
  CheckValues(c);
  CheckAddresses(c);

  // Project-wide findings first, then screen by screen in the project's
  // order, each screen's in element order.
  std::unordered_map<uint16_t, size_t> position;
  for (size_t i = 0; i < project.m_screens.size(); ++i)
    position.emplace(project.m_screens[i]->m_number, i + 1);
  auto rank = [&position](const Finding& f) -> std::pair<size_t, size_t> {
    const size_t screen = f.screen ? position[*f.screen] : 0;
    return {screen, f.element.value_or(0)};
  };
  std::stable_sort(findings.begin(), findings.end(),
                   [&](const Finding& a, const Finding& b) { return rank(a) < rank(b); });
  return findings;
}

}  // namespace tavo

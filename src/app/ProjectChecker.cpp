#include "app/ProjectChecker.h"

#include <QTimer>
#include <algorithm>
#include <exception>
#include <unordered_map>

#include "app/PreviewCompile.h"
#include "check/ProjectCheck.h"
#include "model/Project.h"
#include "plc/Catalogue.h"

namespace tavo::app {

namespace {

// The screens by number, the first of a number as the project finds it.
using ScreenIndex = std::unordered_map<uint16_t, const CMainView*>;

ScreenIndex IndexScreens(const Project& project) {
  ScreenIndex index;
  index.reserve(project.m_screens.size());
  for (const auto& s : project.m_screens) index.emplace(s->m_number, s.get());
  return index;
}

ElementRef RefOf(const ScreenIndex& screens, const std::optional<uint16_t>& screen,
                 const std::optional<size_t>& element) {
  ElementRef ref;
  if (!screen) return ref;
  ref.number = *screen;
  const auto found = screens.find(*screen);
  if (found == screens.end()) return ref;
  const CMainView* s = found->second;
  ref.screen = s;
  if (element && *element < s->m_elements.size()) {
    ref.element = s->m_elements[*element].get();
    ref.index = *element;
  }
  return ref;
}

}  // namespace

ProjectChecker::ProjectChecker(std::function<Project&()> project, QObject* parent)
    : QObject(parent), project_(std::move(project)) {
  timer_ = new QTimer(this);
  timer_->setSingleShot(true);
  timer_->setInterval(kIdleDelayMs);
  connect(timer_, &QTimer::timeout, this, &ProjectChecker::RefreshNow);
}

ProjectChecker::~ProjectChecker() = default;

void ProjectChecker::ProjectMayHaveChanged() {
  timer_->start();
}

bool ProjectChecker::RefreshPending() const {
  return timer_->isActive();
}

void ProjectChecker::RefreshNow() {
  timer_->stop();
  Project& project = project_();
  if (!project.HasProject()) {
    if (!hasProject_) return;
    hasProject_ = false;
    snapshot_.clear();
    findings_.clear();
    findingRefs_.clear();
    budget_ = {};
    xref_.clear();
    xrefRefs_.clear();
    xrefStale_ = true;
    emit Refreshed();
    return;
  }
  std::vector<uint8_t> snapshot;
  try {
    snapshot = PreviewSnapshot(project);
  } catch (const std::exception&) {
    snapshot.clear();  // not comparable: checked again every time
  }
  const bool changed = !hasProject_ || snapshot.empty() || snapshot != snapshot_;
  if (changed) {
    snapshot_ = std::move(snapshot);
    hasProject_ = true;
    findings_ = CheckProject(project, {}, &budget_);
    // Errors first, then warnings and notes, each in the project's order.
    std::stable_sort(findings_.begin(), findings_.end(),
                     [](const Finding& a, const Finding& b) { return a.severity < b.severity; });
    ++checks_;
    xrefStale_ = true;
  }
  const bool xrefNow = xrefWanted_ && xrefStale_;
  if (xrefNow) {
    xref_ = BuildCrossReference(project, CurrentProfile());
    xrefStale_ = false;
  } else if (xrefStale_) {
    xref_.clear();
  }
  // Undo and redo rebuild elements whose bytes are the same as before.
  ResolveRefs();
  if (changed || xrefNow) emit Refreshed();
}

void ProjectChecker::SetCrossReferenceWanted(bool wanted) {
  xrefWanted_ = wanted;
}

void ProjectChecker::ResolveRefs() {
  const ScreenIndex screens = IndexScreens(project_());
  findingRefs_.clear();
  findingRefs_.reserve(findings_.size());
  for (const Finding& f : findings_) findingRefs_.push_back(RefOf(screens, f.screen, f.element));
  xrefRefs_.clear();
  xrefRefs_.reserve(xref_.size());
  for (const XrefEntry& e : xref_) xrefRefs_.push_back(RefOf(screens, e.screen, e.element));
}

}  // namespace tavo::app

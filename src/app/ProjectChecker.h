#pragma once

#include <QObject>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "check/CrossReference.h"
#include "check/Finding.h"
#include "check/ImageBudget.h"

class QTimer;

namespace tavo {
class CBase;
class CMainView;
class Project;
}  // namespace tavo

namespace tavo::app {

// The screen and element a finding or an address use concerns, taken from
// the project when the check ran. The pointers are compared, never followed,
// until they were found in the project again: an edit since may have
// deleted or rebuilt them.
struct ElementRef {
  const CMainView* screen = nullptr;  // null: the project as a whole
  const CBase* element = nullptr;     // null: the screen as a whole
  uint16_t number = 0;                // the screen's number
  size_t index = 0;                   // the element's position then
};

// Checks the editor's project at idle: every change restarts a short
// single-shot timer, and when it runs out the project's stored content is
// compared with what was checked last; only a difference runs the check and
// the image budget (and the cross-reference while it is shown) again, so
// that typing or a drag costs one check at its end and a repaint none.
class ProjectChecker : public QObject {
  Q_OBJECT

 public:
  // Quiet time after the last change before the check runs.
  static constexpr int kIdleDelayMs = 250;

  explicit ProjectChecker(std::function<Project&()> project, QObject* parent = nullptr);
  ~ProjectChecker() override;

  // The project may have changed: looked at again once the changes stop.
  void ProjectMayHaveChanged();
  // Looks at the project now (what the timer would do) and reports
  // Refreshed() when the results changed.
  void RefreshNow();
  // True while a change waits for the quiet time to end.
  bool RefreshPending() const;
  // The cross-reference is built only while someone shows it; it follows
  // at the next refresh.
  void SetCrossReferenceWanted(bool wanted);

  // The results of the last check; empty while no project is open. The
  // findings come errors first, then warnings and notes.
  bool HasProject() const { return hasProject_; }
  const std::vector<Finding>& Findings() const { return findings_; }
  const std::vector<ElementRef>& FindingRefs() const { return findingRefs_; }
  const ImageBudget& Budget() const { return budget_; }
  const std::vector<XrefEntry>& CrossReference() const { return xref_; }
  const std::vector<ElementRef>& CrossReferenceRefs() const { return xrefRefs_; }
  // How many times the project was checked (tests see a check happen or not).
  int CheckCount() const { return checks_; }

 signals:
  void Refreshed();

 private:
  // Takes the screens and elements the results name from the project now.
  void ResolveRefs();

  std::function<Project&()> project_;
  QTimer* timer_ = nullptr;
  std::vector<uint8_t> snapshot_;  // the project as last checked
  bool hasProject_ = false;
  std::vector<Finding> findings_;
  std::vector<ElementRef> findingRefs_;
  ImageBudget budget_;
  std::vector<XrefEntry> xref_;
  std::vector<ElementRef> xrefRefs_;
  bool xrefWanted_ = false;
  bool xrefStale_ = true;  // the cross-reference is not that of the last check
  int checks_ = 0;
};

}  // namespace tavo::app

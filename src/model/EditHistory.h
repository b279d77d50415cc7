#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "base/PanelSettings.h"

namespace tavo {

class CMainView;
class Project;

// The undo history of a project. A step holds, for every part of the
// project it changed, the stored bytes before and after: a screen in its
// project-file record, and the project's own fields (panel settings, protocol,
// current screen, alarm list). Undo and redo rebuild the changed parts from
// those bytes, so a saved file comes back byte for byte. Parts no step
// changed are shared between the steps and the state they start from.
//
// Steps are found by comparison: the history keeps the bytes of the state
// after the last step, and Commit compares the project with them: every
// screen added or removed, the current screen, the screens Note() was told of,
// and the project's own fields.
class EditHistory {
 public:
  using Bytes = std::shared_ptr<const std::vector<uint8_t>>;
  // The project's fields outside its screens.
  struct ProjectFields {
    PanelSettings settings;
    uint8_t protocol = 0;
    uint16_t curScreen = 0;
    std::vector<uint8_t> alarmList;  // its file record
    bool operator==(const ProjectFields&) const = default;
  };

  static constexpr size_t kMaxSteps = 1000;  // older steps are dropped

  explicit EditHistory(Project& project, size_t maxSteps = kMaxSteps);

  // A project was opened or created: no steps, the state now is the saved one
  // (the project is not modified).
  void Reset();
  // The current screen changed or may change outside a step (selecting an
  // element brings it to the front, which the file keeps): it is compared at
  // the next Commit.
  void Note();
  // Screen `number` changed outside a step (the download corrected values of
  // its elements): it is compared at the next Commit.
  void Note(uint16_t number) { noted_.insert(number); }
  // Ends a change: when the project differs from the state after the last
  // step, records a step of that name. True when a step was recorded.
  bool Commit(const std::string& name);
  // Differences that no step holds yet (a selection's new order, another
  // current screen).
  bool HasPending() const;

  bool CanUndo() const { return index_ > 0 || HasPending(); }
  bool CanRedo() const { return index_ < steps_.size(); }
  // The step Undo or Redo would take back or do again ("移动元件").
  std::string UndoName() const;
  std::string RedoName() const;
  // Takes the last step back; differences still pending become a step of
  // their own first ("选择元件", "选择画面"). False when there is nothing.
  bool Undo();
  bool Redo();

  // The state after the last step is the saved one (pending differences were
  // saved too, so they become a step first).
  void MarkClean();
  // The project is as it was saved (or opened).
  bool IsClean() const { return index_ == clean_; }

  size_t StepCount() const { return steps_.size(); }
  size_t Position() const { return index_; }
  // Bytes held by the history: every distinct screen record and field set.
  size_t HeldBytes() const;

 private:
  struct ScreenChange {
    uint16_t number;
    Bytes before;  // null: no such screen
    Bytes after;
  };
  struct Step {
    std::string name;
    std::vector<ScreenChange> screens;
    std::shared_ptr<const ProjectFields> before, after;
    bool selectedBefore = false, selectedAfter = false;
  };
  struct Diff {
    std::vector<ScreenChange> screens;
    std::shared_ptr<const ProjectFields> fields;  // null: unchanged
    bool Empty() const { return screens.empty() && !fields; }
  };

  Diff Compare() const;
  std::string PendingName(const Diff& diff) const;
  void Push(std::string name, Diff diff);
  void Apply(const Step& step, bool forward);

  Project& project_;
  std::vector<Step> steps_;
  size_t index_ = 0;                                 // steps before it are done
  size_t clean_ = 0;                                 // index of the saved state; npos: unreachable
  std::vector<std::pair<uint16_t, Bytes>> screens_;  // by number, as after the last step
  std::shared_ptr<const ProjectFields> fields_;
  bool selected_ = false;
  std::set<uint16_t> noted_;
  size_t maxSteps_;
};

// A screen's project-file record, and the screen read back from one.
EditHistory::Bytes ScreenRecord(CMainView& screen);
void ReadScreenRecord(CMainView& screen, const std::vector<uint8_t>& record);

}  // namespace tavo

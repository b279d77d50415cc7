#include "model/EditHistory.h"

#include <algorithm>

#include "base/Archive.h"
#include "base/Texts.h"
#include "model/Project.h"
#include "model/ProjectFile.h"
#include "plc/Protocol.h"

namespace tavo {

namespace {

constexpr size_t kUnreachable = static_cast<size_t>(-1);

EditHistory::Bytes Share(std::vector<uint8_t> bytes) {
  return std::make_shared<const std::vector<uint8_t>>(std::move(bytes));
}

std::shared_ptr<const EditHistory::ProjectFields> FieldsOf(Project& p) {
  auto f = std::make_shared<EditHistory::ProjectFields>();
  f->settings = p.m_settings;
  f->protocol = CurrentProtocol();
  f->curScreen = p.m_curScreen;
  CArchive ar;
  ar.SetFileVersion(kProjectFileVersion);
  p.m_alarmList.Serialize(ar);
  f->alarmList = ar.TakeBuffer();
  return f;
}

bool SameBytes(const EditHistory::Bytes& a, const EditHistory::Bytes& b) {
  if (a == b) return true;
  return a && b && *a == *b;
}

}  // namespace

EditHistory::Bytes ScreenRecord(CMainView& screen) {
  CArchive ar;
  ar.SetFileVersion(kProjectFileVersion);
  screen.Serialize(ar);
  return Share(ar.TakeBuffer());
}

void ReadScreenRecord(CMainView& screen, const std::vector<uint8_t>& record) {
  CArchive ar(record);
  ar.SetFileVersion(kProjectFileVersion);
  screen.Serialize(ar);
}

EditHistory::EditHistory(Project& project, size_t maxSteps)
    : project_(project), maxSteps_(maxSteps < 1 ? 1 : maxSteps) {
  Reset();
}

void EditHistory::Reset() {
  steps_.clear();
  index_ = 0;
  clean_ = 0;
  screens_.clear();
  for (auto& s : project_.m_screens) screens_.emplace_back(s->m_number, ScreenRecord(*s));
  fields_ = FieldsOf(project_);
  selected_ = project_.m_elementSelected;
  noted_.clear();
  project_.m_modified = false;
}

void EditHistory::Note() {
  if (const CMainView* s = project_.CurrentScreen()) noted_.insert(s->m_number);
}

EditHistory::Diff EditHistory::Compare() const {
  Diff diff;
  const CMainView* current = project_.CurrentScreen();
  auto suspect = [&](uint16_t number) {
    return (current && current->m_number == number) || noted_.count(number) != 0;
  };
  // Both lists are in ascending number order: walk them side by side.
  const auto& now = project_.m_screens;
  size_t i = 0, j = 0;
  while (i < now.size() || j < screens_.size()) {
    if (j == screens_.size() || (i < now.size() && now[i]->m_number < screens_[j].first)) {
      diff.screens.push_back({now[i]->m_number, nullptr, ScreenRecord(*now[i])});
      ++i;
    } else if (i == now.size() || screens_[j].first < now[i]->m_number) {
      diff.screens.push_back({screens_[j].first, screens_[j].second, nullptr});
      ++j;
    } else {
      if (suspect(screens_[j].first)) {
        Bytes after = ScreenRecord(*now[i]);
        if (!SameBytes(after, screens_[j].second))
          diff.screens.push_back({screens_[j].first, screens_[j].second, std::move(after)});
      }
      ++i;
      ++j;
    }
  }
  auto fields = FieldsOf(project_);
  if (!(*fields == *fields_)) diff.fields = std::move(fields);
  return diff;
}

bool EditHistory::HasPending() const {
  return !Compare().Empty();
}

bool EditHistory::Commit(const std::string& name) {
  Diff diff = Compare();
  if (diff.Empty()) {
    noted_.clear();
    selected_ = project_.m_elementSelected;
    return false;
  }
  Push(name, std::move(diff));
  return true;
}

void EditHistory::Push(std::string name, Diff diff) {
  steps_.resize(index_);  // a new step ends what could be redone
  if (clean_ != kUnreachable && clean_ > index_) clean_ = kUnreachable;
  Step step;
  step.name = std::move(name);
  step.before = fields_;
  step.after = diff.fields ? diff.fields : fields_;
  step.selectedBefore = selected_;
  step.selectedAfter = project_.m_elementSelected;
  step.screens = std::move(diff.screens);
  // The new state becomes the one steps start from.
  for (const ScreenChange& c : step.screens) {
    auto at = std::lower_bound(screens_.begin(), screens_.end(), c.number,
                               [](const auto& entry, uint16_t n) { return entry.first < n; });
    const bool present = at != screens_.end() && at->first == c.number;
    if (!c.after) {
      if (present) screens_.erase(at);
    } else if (present) {
      at->second = c.after;
    } else {
      screens_.insert(at, {c.number, c.after});
    }
  }
  fields_ = step.after;
  selected_ = step.selectedAfter;
  noted_.clear();
  steps_.push_back(std::move(step));
  ++index_;
  project_.m_modified = true;
  if (steps_.size() > maxSteps_) {
    steps_.erase(steps_.begin());
    --index_;
    clean_ = clean_ == 0 || clean_ == kUnreachable ? kUnreachable : clean_ - 1;
  }
}

std::string EditHistory::PendingName(const Diff& diff) const {
  constexpr const char* kContext = "tavo::model::EditHistory";
  return Translate(kContext, diff.screens.empty()
                                 ? TAVO_TRANSLATE_NOOP("tavo::model::EditHistory", "选择画面")
                                 : TAVO_TRANSLATE_NOOP("tavo::model::EditHistory", "选择元件"));
}

std::string EditHistory::UndoName() const {
  Diff pending = Compare();
  if (!pending.Empty()) return PendingName(pending);
  return index_ > 0 ? steps_[index_ - 1].name : std::string();
}

std::string EditHistory::RedoName() const {
  return index_ < steps_.size() ? steps_[index_].name : std::string();
}

bool EditHistory::Undo() {
  Diff pending = Compare();
  if (!pending.Empty()) {
    std::string name = PendingName(pending);
    Push(std::move(name), std::move(pending));
  }
  if (index_ == 0) return false;
  --index_;
  Apply(steps_[index_], false);
  project_.m_modified = !IsClean();
  return true;
}

bool EditHistory::Redo() {
  if (index_ >= steps_.size()) return false;
  Apply(steps_[index_], true);
  ++index_;
  project_.m_modified = !IsClean();
  return true;
}

void EditHistory::Apply(const Step& step, bool forward) {
  Project& p = project_;
  for (const ScreenChange& c : step.screens) {
    const Bytes& record = forward ? c.after : c.before;
    const Project::Found f = p.FindScreen(c.number);
    if (!record) {
      if (f.found) p.RemoveScreenAt(f.position);
    } else if (f.found) {
      ReadScreenRecord(*p.m_screens[f.position], *record);
    } else {
      auto screen = std::make_unique<CMainView>();
      ReadScreenRecord(*screen, *record);
      p.m_screens.insert(p.m_screens.begin() + static_cast<long>(f.position), std::move(screen));
    }
    auto at = std::lower_bound(screens_.begin(), screens_.end(), c.number,
                               [](const auto& entry, uint16_t n) { return entry.first < n; });
    const bool present = at != screens_.end() && at->first == c.number;
    if (!record) {
      if (present) screens_.erase(at);
    } else if (present) {
      at->second = record;
    } else {
      screens_.insert(at, {c.number, record});
    }
  }
  const auto& fields = forward ? step.after : step.before;
  if (fields->protocol != CurrentProtocol()) {
    // The profile follows the protocol; the settings are then the stored ones.
    SetCurrentProtocol(fields->protocol);
    p.ApplyProtocol(fields->protocol);
  }
  p.m_settings = fields->settings;
  CArchive ar(fields->alarmList);
  ar.SetFileVersion(kProjectFileVersion);
  p.m_alarmList.Serialize(ar);
  p.m_curScreen = fields->curScreen;
  if (p.m_curScreen >= p.m_screens.size()) p.m_curScreen = 0;
  const CMainView* screen = p.CurrentScreen();
  p.m_elementSelected =
      (forward ? step.selectedAfter : step.selectedBefore) && screen && screen->Head() != nullptr;
  fields_ = fields;
  selected_ = p.m_elementSelected;
  noted_.clear();
}

void EditHistory::MarkClean() {
  Diff pending = Compare();
  if (!pending.Empty()) {
    std::string name = PendingName(pending);
    Push(std::move(name), std::move(pending));
  }
  clean_ = index_;
  project_.m_modified = false;
}

size_t EditHistory::HeldBytes() const {
  std::set<const void*> seen;
  size_t total = 0;
  auto add = [&](const Bytes& b) {
    if (b && seen.insert(b.get()).second) total += b->capacity() + sizeof(*b);
  };
  auto addFields = [&](const std::shared_ptr<const ProjectFields>& f) {
    if (f && seen.insert(f.get()).second) total += sizeof(*f) + f->alarmList.capacity();
  };
  for (const auto& [number, bytes] : screens_) add(bytes);
  addFields(fields_);
  for (const Step& s : steps_) {
    total += sizeof(Step) + s.name.capacity() + s.screens.capacity() * sizeof(ScreenChange);
    for (const ScreenChange& c : s.screens) {
      add(c.before);
      add(c.after);
    }
    addFields(s.before);
    addFields(s.after);
  }
  total += screens_.capacity() * sizeof(screens_[0]);
  return total;
}

}  // namespace tavo

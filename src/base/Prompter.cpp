#include "base/Prompter.h"

#include "base/WindowThread.h"

namespace tavo {

namespace {
SilentPrompter g_silent;
Prompter* g_prompter = &g_silent;
}  // namespace

Prompter& CurrentPrompter() {
  return *g_prompter;
}
void SetPrompter(Prompter* prompter) {
  ExpectWindowThread("the prompter");
  g_prompter = prompter ? prompter : &g_silent;
}

MessageBatch::MessageBatch(std::string merged, std::function<std::string()> details)
    : previous_(&CurrentPrompter()), merged_(std::move(merged)), details_(std::move(details)) {
  SetPrompter(this);
}

void MessageBatch::Release() {
  if (released_) return;
  released_ = true;
  SetPrompter(previous_);
  bool mergedShown = false;
  for (const Held& m : held_) {
    std::string details = m.details;
    if (m.text == merged_) {
      if (mergedShown) continue;
      mergedShown = true;
      if (details_) details = details_();
    }
    if (details.empty())
      previous_->Message(m.text, m.caption, m.icon);
    else
      previous_->DetailedMessage(m.text, m.caption, m.icon, details);
  }
  held_.clear();
}

void MessageBatch::Message(const std::string& text, const std::string& caption, MessageIcon icon) {
  held_.push_back({text, caption, icon, {}});
}

void MessageBatch::DetailedMessage(const std::string& text, const std::string& caption,
                                   MessageIcon icon, const std::string& details) {
  held_.push_back({text, caption, icon, details});
}

bool MessageBatch::OkCancel(const std::string& text, const std::string& caption) {
  return previous_->OkCancel(text, caption);
}

Answer MessageBatch::YesNoCancel(const std::string& text, const std::string& caption) {
  return previous_->YesNoCancel(text, caption);
}

std::optional<PlcChoice> MessageBatch::ChoosePlc(const PlcChoice& proposed) {
  return previous_->ChoosePlc(proposed);
}

std::optional<std::string> MessageBatch::ChooseSavePath(const std::string& proposed) {
  return previous_->ChooseSavePath(proposed);
}

}  // namespace tavo

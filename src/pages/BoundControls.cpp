#include "pages/BoundControls.h"

#include <algorithm>

#include "base/Gbk.h"

namespace tavo::app {

void ControlState::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  Refresh();
}

void ControlState::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  Refresh();
}

// ---- check box ----

void BoundCheck::Bind(uint8_t& field) {
  field_ = &field;
  changed_ = false;
  Refresh();
}

void BoundCheck::Click() {
  if (!field_ || !enabled_) return;
  *field_ = *field_ ? 0 : 1;
  Refresh();
  UserEdited();
}

void BoundCheck::SetChecked(bool checked, bool markChanged) {
  if (!field_) return;
  const uint8_t v = checked ? 1 : 0;
  const bool differs = (*field_ != 0) != checked;
  *field_ = v;
  if (markChanged && differs) changed_ = true;
  Refresh();
}

// ---- text box ----

std::string CutGbk(const std::string& gbk, size_t maxBytes) {
  size_t end = 0;
  while (end < gbk.size()) {
    const size_t len = IsGbkLead(static_cast<unsigned char>(gbk[end])) ? 2 : 1;
    if (end + len > maxBytes) break;
    end += len;
  }
  return gbk.substr(0, std::min(end, gbk.size()));
}

void BoundText::Bind(std::string& field, size_t maxBytes) {
  field_ = &field;
  maxBytes_ = maxBytes;
  changed_ = false;
  Refresh();
}

const std::string& BoundText::Text() const {
  static const std::string kNone;
  return field_ ? *field_ : kNone;
}

bool BoundText::UserText(const std::string& gbk, bool keystroke) {
  if (!field_) return false;
  if (gbk.size() > maxBytes_ && keystroke) {
    Refresh();
    return false;
  }
  *field_ = gbk.size() > maxBytes_ ? CutGbk(gbk, maxBytes_) : gbk;
  Refresh();
  UserEdited();
  return true;
}

// ---- drop-down list ----

void BoundCombo::Bind(uint8_t& field, std::vector<std::string> items) {
  field_ = &field;
  items_ = std::move(items);
  visible_ = !items_.empty();
  if (!items_.empty() && *field_ >= items_.size())
    *field_ = static_cast<uint8_t>(items_.size() - 1);
  changed_ = false;
  Refresh();
}

int BoundCombo::Selected() const {
  if (!field_ || items_.empty()) return -1;
  return std::min<int>(*field_, static_cast<int>(items_.size()) - 1);
}

std::string BoundCombo::SelectedName() const {
  const int i = Selected();
  return i < 0 ? std::string() : items_[i];
}

void BoundCombo::Choose(int index) {
  if (!field_ || index < 0 || index >= static_cast<int>(items_.size())) return;
  if (index == *field_) return;
  *field_ = static_cast<uint8_t>(index);
  Refresh();
  UserEdited();
}

// ---- radio buttons ----

void RadioChoice::Set(int value) {
  value_ = value;
  Refresh();
}

void RadioChoice::Choose(int value) {
  if (!ButtonEnabled(value) || !enabled_) return;
  if (value == value_) return;
  value_ = value;
  Refresh();
  UserEdited();
}

void RadioChoice::SetButtonEnabled(int value, bool enabled) {
  auto it = std::find(disabled_.begin(), disabled_.end(), value);
  if (enabled && it != disabled_.end())
    disabled_.erase(it);
  else if (!enabled && it == disabled_.end())
    disabled_.push_back(value);
  else
    return;
  Refresh();
}

bool RadioChoice::ButtonEnabled(int value) const {
  return std::find(disabled_.begin(), disabled_.end(), value) == disabled_.end();
}

}  // namespace tavo::app

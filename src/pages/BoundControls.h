#pragma once

// The bound controls of the property pages without a window: a check box bound
// to a byte, a text box bound to a text with a byte limit, a drop-down list
// bound to an index byte, and a group of radio buttons. Each keeps the changed
// mark that the page's idle pass reads and clears. The Qt controls (`CBindCheck`,
// `CBindEdit`, `CBindCombo`) show their state and pass the user's actions here.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tavo::app {

// What every bound control shares: shown or hidden, enabled or not, the
// changed mark and the two notifications.
class ControlState {
 public:
  virtual ~ControlState() = default;
  // Lets go of the bound field (its owner is going away).
  virtual void Unbind() {}
  bool Visible() const { return visible_; }
  bool Enabled() const { return enabled_; }
  void SetVisible(bool visible);
  void SetEnabled(bool enabled);
  bool Changed() const { return changed_; }
  void ClearChanged() { changed_ = false; }
  void MarkChanged() { changed_ = true; }

  // After every stored user edit (the page marks the project modified).
  std::function<void()> onUserEdit;
  // Whenever what the window shows changed.
  std::function<void()> onRefresh;

 protected:
  void Refresh() const {
    if (onRefresh) onRefresh();
  }
  void UserEdited() {
    changed_ = true;
    if (onUserEdit) onUserEdit();
  }
  bool visible_ = true;
  bool enabled_ = true;
  bool changed_ = false;
};

// A check box bound to one byte holding 0 or 1 (any other value shows checked).
class BoundCheck : public ControlState {
 public:
  void Bind(uint8_t& field);
  void Unbind() override { field_ = nullptr; }
  bool Checked() const { return field_ && *field_ != 0; }
  // The user's click toggles the byte.
  void Click();
  // A program change of the byte; `markChanged` lets the idle pass see it.
  void SetChecked(bool checked, bool markChanged = false);

 private:
  uint8_t* field_ = nullptr;
};

// Cuts a GBK text to at most `maxBytes` bytes without splitting a two-byte
// character.
std::string CutGbk(const std::string& gbk, size_t maxBytes);

// A text box bound to a GBK text with a limit in bytes.
class BoundText : public ControlState {
 public:
  void Bind(std::string& field, size_t maxBytes);
  void Unbind() override { field_ = nullptr; }
  const std::string& Text() const;  // GBK
  size_t MaxBytes() const { return maxBytes_; }
  // The text became `gbk` through the user. A keystroke that makes it longer
  // than the limit is refused (false: the previous text stays); a longer text
  // arriving otherwise (pasted) is cut to the limit.
  bool UserText(const std::string& gbk, bool keystroke);

 private:
  std::string* field_ = nullptr;
  size_t maxBytes_ = 0;
};

// A drop-down list bound to the byte that holds the selected index.
class BoundCombo : public ControlState {
 public:
  // Fills the list (hidden when `items` is empty), clamps the bound index to
  // the last entry and selects it.
  void Bind(uint8_t& field, std::vector<std::string> items);
  void Unbind() override { field_ = nullptr; }
  const std::vector<std::string>& Items() const { return items_; }
  int Selected() const;  // -1 for an empty list
  std::string SelectedName() const;
  // The user chose entry `index`: stored when it differs from the bound byte.
  void Choose(int index);

 private:
  uint8_t* field_ = nullptr;
  std::vector<std::string> items_;
};

// A group of radio buttons; the page stores the choice in its idle pass.
class RadioChoice : public ControlState {
 public:
  int Value() const { return value_; }
  void Set(int value);     // a program change
  void Choose(int value);  // the user's click
  // Which buttons of the group can be chosen (all by default).
  void SetButtonEnabled(int value, bool enabled);
  bool ButtonEnabled(int value) const;

 private:
  int value_ = 0;
  std::vector<int> disabled_;
};

}  // namespace tavo::app

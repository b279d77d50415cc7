#pragma once

// The property pages without a window: which control is bound to which field,
// with what range, and what the idle pass does after an edit. The Qt pages lay
// out and show these controls; tests drive them directly.

#include <functional>
#include <string>
#include <vector>

#include "pages/BoundControls.h"
#include "pages/NumberBox.h"
#include "plc/Protocol31.h"

namespace tavo {
class CBase;
class CMainView;
}  // namespace tavo

namespace tavo::app {

// What a page needs from the editor around it.
struct PageEnv {
  std::function<void()> repaint;   // repaint the simulated display
  std::function<void()> modified;  // mark the project modified
  // The current screen's description changed (GBK): its row of the screen list.
  std::function<void(const std::string&)> screenRowChanged;

  void Repaint() const {
    if (repaint) repaint();
  }
};

class PageLogic {
 public:
  explicit PageLogic(PageEnv& env) : env_(env) {}
  virtual ~PageLogic() = default;
  PageLogic(const PageLogic&) = delete;
  PageLogic& operator=(const PageLogic&) = delete;

  // The idle pass: applies the consequences of the edits the marks record.
  virtual void Idle() = 0;
  // Lets go of the element or screen the page was loaded with: every control
  // is unbound and the idle pass does nothing until the next load.
  virtual void Unload();

  // Asked for after every user edit, so that the idle pass runs soon.
  std::function<void()> onIdleWanted;
  // Which controls are shown or enabled changed beyond single controls (a
  // sub-page, a list refilled): the window lays itself out again.
  std::function<void()> onLayout;

  // ---- edit sessions ----
  // A session runs from the user's first edit of a control until the user
  // turns to another control (the focus leaves it, another control is
  // edited) or the page loads again. The idle pass derives the fields that
  // follow from an edit from their values when the session began, so that a
  // passing keystroke ("1" on the way to "10") or a passing choice (HEX/BCD
  // and back) does not destroy them.
  void EndEdit();
  // The control (logic object) of the session; nullptr between sessions.
  const void* EditControl() const { return editControl_; }
  // The frame's hooks: a session began or ended (one undo step each).
  std::function<void()> onEditBegan;
  std::function<void()> onEditEnded;

 protected:
  // Every user edit of the control marks the project modified and asks for
  // the idle pass.
  void Connect(ControlState& control);
  void Connect(NumberBox& box);
  void Connect(class AddressControls& address);
  void Edited();
  // A user edit of `control`: begins a session unless one runs for it.
  void Touch(const void* control);
  // Records the values the idle pass derives from (called when a session
  // begins, after the edit that began it was stored, before its idle pass).
  virtual void TakeBaseline() {}
  void Layout() const {
    if (onLayout) onLayout();
  }

  PageEnv& env_;

 private:
  std::vector<ControlState*> controls_;
  std::vector<NumberBox*> boxes_;
  const void* editControl_ = nullptr;
};

// The PLC address controls of a page: "局号:", "类型:", "子类型:" (protocol 31
// only), "地址:" and the sub-address box.
class AddressControls {
 public:
  NumberBox station;
  BoundCombo type;
  BoundCombo subType;
  NumberBox addr;
  NumberBox subAddr;

  // Binds to the element's address fields. `use` chooses the type list (word
  // uses the word types, bit write the bit-write types, bit read the light's
  // bit types) and the protocol-31 variable lists; `bitAddress` the range of
  // the address box; `subAddrShown` (0 or 1) overrides whether the profile
  // shows the sub-address box.
  void Load(CBase& element, VariableUse use, bool bitAddress, int subAddrShown = -1);

  struct IdleResult {
    bool typeChanged = false;
  };
  // The idle steps of the address controls: protocol 20 switches the address
  // box between octal and decimal with the type; under protocol 31 the
  // sub-address box is hidden, a new type refills the sub-type list, and the
  // variable's class (into `typeCode`), code (into the sub-address) and
  // address (into `typeAddr`) are recomputed. Clears the marks it reads.
  IdleResult Idle(uint8_t* typeCode, uint16_t* typeAddr);

 private:
  void FillSubTypes();
  CBase* element_ = nullptr;
  VariableUse use_ = VariableUse::WordDisplay;
};

// A page with the panel position of an element: X and Y boxes whose maxima
// keep the element's rectangle on the display.
class ElementPageLogic : public PageLogic {
 public:
  explicit ElementPageLogic(PageEnv& env);

  NumberBox x;
  NumberBox y;

  // LoadPage: binds every control to the element's fields.
  virtual void Load(CBase& element);
  // ShowPosition: X and Y show m_x and m_y again.
  void ShowPosition();
  CBase* Element() const { return element_; }
  void Unload() override;

 protected:
  // The start of every Load: ends the session and takes the element.
  void StartLoad(CBase& element);
  // Step 2 of the idle pass: a changed X or Y places the element there.
  bool IdlePosition();
  // The element's size changed: re-place it where it was when the session
  // began (pulling it back onto the display) and set the X and Y maxima
  // again, so that a text that grows and shrinks again stays where it was.
  void Resize();
  // Sets the X and Y ranges from the element's rectangle.
  virtual void UpdateMaxima();
  void TakeBaseline() override;

  CBase* element_ = nullptr;
  int baseX_ = 0;
  int baseY_ = 0;
  bool placing_ = false;  // Resize is placing the element: not a drag
};

}  // namespace tavo::app

#pragma once

// What a number box of the property pages does, without a window: the bound
// integer, its range and radix, which texts it takes from the keyboard, and the
// changed mark the page's idle pass reads. The Qt number box (`CNumEdit`) shows
// Text() and passes every edit of the user here.

#include <cstdint>
#include <functional>
#include <string>

namespace tavo::app {

enum class Radix {
  Unsigned,  // "%u"
  Signed,    // "%d"
  Hex,       // "%X"
  Octal,     // "%o"
};

// How a text reads in a radix, against a range.
enum class TextCheck { Valid, OutOfRange, Empty, NotNumber, LoneMinus };

struct ParsedText {
  TextCheck check = TextCheck::NotNumber;
  int64_t value = 0;      // when Valid or OutOfRange (saturated far outside any range)
  bool negative = false;  // the text starts with "-"
};

// Reads `text` in `radix`: decimal modes as "%d%s" does (leading blanks, a sign,
// digits, nothing but blanks after); hexadecimal and octal take their digits only.
ParsedText ParseNumber(const std::string& text, Radix radix, int64_t min, int64_t max);

// The value shown in a radix.
std::string FormatNumber(int64_t value, Radix radix);

class NumberBox {
 public:
  enum class Edit { Accepted, Refused };

  // ---- binding (the page's LoadPage) ----
  void Bind(uint8_t& field) { BindRaw(&field, 8); }
  void Bind(uint16_t& field) { BindRaw(&field, 16); }
  void Bind(int32_t& field) { BindRaw(&field, 32); }
  void Bind(uint32_t& field) { BindRaw(&field, 32); }
  void Unbind();
  bool IsBound() const { return field_ != nullptr; }

  // Sets the radix and shows the value in it.
  void SetRadix(Radix radix);
  Radix GetRadix() const { return radix_; }
  // A range whose minimum is not below its maximum disables the box: a range
  // of one value holds the field at it, an empty range leaves the field as it
  // is. Otherwise the box is enabled and the value is brought into the new
  // range. A hidden box never changes its field: set its visibility first.
  void SetRange(double min, double max);
  int64_t Min() const { return min_; }
  int64_t Max() const { return max_; }
  // Clamps into the range, shows and stores.
  void SetValue(int64_t value);
  // The bound field read in the radix (sign-extended in signed mode).
  int64_t Value() const;
  // Shows the bound field again (after the program changed it).
  void Reload() { Show(); }
  // Shows a text without storing it (a cell's text as the user typed it).
  void ShowText(const std::string& text);
  void SetStep(int step) { step_ = step; }

  // ---- the user ----
  // The text became `text` through the user: a typed character or deletion
  // (`keystroke`), or a paste. A keystroke that leaves a text that is not a
  // number, or a number that no more typing can bring into the range, is
  // refused: the previous text comes back, selected whole. Empty text and a
  // lone "-" store 0 (or the range's value nearest 0). A pasted text that is
  // not valid is selected whole and not stored.
  Edit UserText(const std::string& text, bool keystroke);
  // One click on the arrows: adds `direction` (+1 / -1) steps, within the range.
  void Step(int direction);
  void SetFocused(bool focused);
  // Losing the focus clears the changed mark and shows the stored value again
  // where the text was left empty, a lone "-" or outside the range.
  void FocusOut();

  // ---- state the window shows ----
  const std::string& Text() const { return text_; }
  bool Enabled() const { return enabled_; }
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  void SetEnabled(bool enabled);
  bool Focused() const { return focused_; }
  // Set by UserText when the whole text should be selected.
  bool TakeSelectAll();

  // ---- the idle pass ----
  bool Changed() const { return changed_; }
  void ClearChanged() { changed_ = false; }
  void MarkChanged() { changed_ = true; }

  // Called after every stored user edit (the page marks the project modified).
  std::function<void()> onUserEdit;
  // Called whenever what the window shows changed (text, enabled, visible).
  std::function<void()> onRefresh;

 private:
  void BindRaw(void* field, int bits);
  void Store(int64_t value);
  void Show();  // a program update of the text
  void Refresh() const;
  int64_t NearestToZero() const;

  void* field_ = nullptr;
  int bits_ = 32;
  Radix radix_ = Radix::Unsigned;
  int64_t min_ = 0;
  int64_t max_ = 0xFFFFFFFFLL;
  int step_ = 1;
  std::string text_;
  bool changed_ = false;
  bool focused_ = false;
  bool enabled_ = true;
  bool visible_ = true;
  bool selectAll_ = false;
};

}  // namespace tavo::app

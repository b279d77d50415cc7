#pragma once

// The panel at work on a stored image: it shows the start screen, draws every
// element from the image's glyph and picture slots and the PLC's values,
// follows the keypad (function keys, Up and Down, register entry, the alarm
// list) and lets time pass (trend sampling, screen saver, screen changes
// asked for by the PLC). A window drives it with KeyDown/KeyUp and Advance
// and shows Render(); the simulated PLC's table can be edited at any time.
//
// A preview window: Load(CompileImage(project).image) whenever the project
// changes (then ShowScreen of the editor's current screen); a timer calls
// Advance(elapsed) and repaints when Source().Revision(), CurrentScreen() or
// View() changed; the keypad buttons call KeyDown on press and KeyUp on
// release; the value table lists Bindings() and writes through Source().Set;
// Render() fills the 192 x 64 buffer (PanelBitmap::Pixels(), or ToCanvas(zoom)
// for a ready picture); Status() and Problems() go to a status line.

#include <chrono>
#include <cstdint>
#include <ctime>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "panel/AlarmDisplay.h"
#include "panel/PanelBitmap.h"
#include "panel/PanelImage.h"
#include "panel/PanelPainter.h"
#include "panel/PanelRecords.h"
#include "panel/SimulatedPlc.h"

namespace tavo::panel {

// The keypad, valued by the key codes that function-key records carry.
enum class PanelKey : uint8_t {
  Esc = 0,
  Alm = 1,
  Down = 2,
  Up = 3,
  Left = 4,
  Set = 5,
  Right = 6,
  Ent = 7,
  Clr = 8,
  Digit0 = 10,
  Digit3 = 11,
  Digit2 = 12,
  Digit1 = 13,
  Digit6 = 14,
  Digit7 = 15,
  Digit8 = 16,
  Digit9 = 17,
  Digit4 = 18,
  Digit5 = 19,
};

// All nineteen keys in keypad order: ESC, arrows, SET, ENT, ALM, 0-9, CLR.
const std::vector<PanelKey>& AllPanelKeys();
// "ESC", "LEFT", "RIGHT", "DOWN", "UP", "SET", "ENT", "ALM", "0".."9", "CLR".
const char* PanelKeyName(PanelKey key);
std::optional<PanelKey> PanelKeyFromName(std::string_view name);  // any case
// The digit of a digit key, or -1.
int PanelKeyDigit(PanelKey key);

enum class PanelView {
  Nothing,    // no usable image: the display stays dark
  Screen,     // a screen of the image
  AlarmList,  // the alarms that are on
  Clock,      // the time and date
  Saver,      // the screen saver blanked the display
};

// A PLC item the shown screen reads or writes, for a table of values.
struct ScreenBinding {
  PlcKey key;
  uint8_t width = 0;     // bytes; 0 a coil
  uint8_t kind = 0;      // element kind that uses it
  size_t element = 0;    // position of that element in Elements()
  bool written = false;  // a function key or an entry writes it
};

// Whether the element that shows the binding reads its item as signed.
bool ReadsSigned(const std::vector<ElementRecord>& elements, const ScreenBinding& binding);

class PanelRuntime {
 public:
  PanelRuntime();

  // Takes a compiled image or a panel memory (see PanelImage) and shows the
  // start screen. False when there is nothing to show; Notice() says why.
  bool Load(std::span<const uint8_t> bytes);
  // The same from a file (at most 64 KiB are read); false with a reason.
  bool LoadFile(const std::string& path, std::string& error);

  const PanelImage& Image() const { return m_image; }
  bool Ready() const { return m_image.Ready(); }
  const std::string& Notice() const { return m_image.Notice(); }

  // The simulated PLC, the runtime's own.
  SimulatedPlc& Plc() { return m_plc; }
  const SimulatedPlc& Plc() const { return m_plc; }
  // The PLC the runtime talks to: the simulated one, or another connected in
  // its place (a live link, which must outlive the connection); nullptr
  // returns to the simulated one.
  void Connect(PlcInterface* plc) { m_source = plc; }
  PlcInterface& Source() {
    if (m_source) return *m_source;
    return m_plc;
  }
  const PlcInterface& Source() const {
    if (m_source) return *m_source;
    return m_plc;
  }

  // ---- screens ----
  const std::vector<ScreenEntry>& Screens() const { return m_image.Screens(); }
  // The header's start screen, or the first screen when no screen has that number.
  std::optional<uint16_t> StartScreen() const;
  std::optional<uint16_t> CurrentScreen() const;
  PanelView View() const { return m_view; }
  // Shows the screen with that number; false (nothing changes) when there is none.
  bool ShowScreen(uint16_t number);
  // The elements of the shown screen, in index order.
  const std::vector<ElementRecord>& Elements() const { return m_screen.elements; }
  std::vector<ScreenBinding> Bindings() const;
  // Every item the runtime reads or writes now: the bindings, the control
  // register and the screen report word (kind 0), and while the alarm list is
  // shown the items its alarms watch (kind 0). What a live link polls.
  std::vector<ScreenBinding> WatchedItems() const;

  // ---- keypad ----
  void KeyDown(PanelKey key);
  void KeyUp(PanelKey key);
  void PressKey(PanelKey key) {
    KeyDown(key);
    KeyUp(key);
  }
  // Position in Elements() of the register being entered, if any, and the
  // digits typed so far.
  std::optional<size_t> EntryElement() const { return m_entry; }
  const std::string& EntryText() const { return m_entryText; }

  // ---- time ----
  void Advance(std::chrono::milliseconds elapsed);
  // The wall clock of the time-and-date screen (the host's by default).
  void SetClock(std::function<std::time_t()> clock) { m_clock = std::move(clock); }

  // ---- display ----
  void Render(PanelBitmap& out) const;
  PanelBitmap Render() const {
    PanelBitmap b;
    Render(b);
    return b;
  }

  // What went wrong reading the image, the shown screen and its last drawing,
  // and what the last key could not do (a jump to a missing screen, an entry
  // out of limits...).
  std::vector<std::string> Problems() const;
  const std::string& Status() const { return m_status; }

 private:
  void EnterScreen(int position);
  void ResetTrends();
  void RunAction(const KeyRecord& k, PanelKey key);
  bool EntryKey(PanelKey key);
  void StartEntry();
  void MoveEntry(int step);
  void FinishEntry();
  std::string EntryShown() const;
  void WatchControlRegister();
  void ReportScreen();
  void Wake();
  const ElementRecord* Element(size_t position) const;

  PanelImage m_image;
  SimulatedPlc m_plc;
  PlcInterface* m_source = nullptr;
  AlarmList m_alarms;
  std::vector<std::string> m_imageProblems;
  PanelView m_view = PanelView::Nothing;
  int m_screenPosition = -1;
  DecodedScreen m_screen;
  TrendSamples m_trends;
  std::vector<std::chrono::milliseconds> m_trendClock;  // per element: time since its last sample
  std::optional<size_t> m_entry;
  std::string m_entryText;  // digits typed
  bool m_entryNegative = false;
  size_t m_alarmFirst = 0;
  std::chrono::milliseconds m_idle{0};
  int m_saverFrom = -1;  // screen and view the saver replaced
  PanelView m_saverFromView = PanelView::Nothing;
  bool m_saverBlank = false;
  std::optional<uint32_t> m_lastControlValue;
  // Coils of momentary keys held down, released with their key.
  std::vector<std::pair<PanelKey, PlcKey>> m_momentary;
  std::function<std::time_t()> m_clock;
  std::string m_status;
  mutable std::vector<std::string> m_paintProblems;
};

// The display as a PNG of `scale` x `scale` pixels per panel pixel.
bool WritePanelPng(const PanelBitmap& bitmap, int scale, const std::string& path);

}  // namespace tavo::panel

// The panel's keypad: function keys of the shown screen, Up and Down between
// screens, SET to enter a register value, ALM for the alarm list.
#include <algorithm>

#include "panel/PanelRuntime.h"
#include "panel/ValueFormat.h"

namespace tavo::panel {

namespace {

// Typed digits never exceed what a 64-bit value holds.
constexpr size_t kMaxEntryDigits = 18;

uint32_t FitWidth(int64_t value, uint8_t width) {
  return static_cast<uint32_t>(ItemValue(static_cast<uint32_t>(value), width, false));
}

// The range a register of `width` bytes can hold.
void WidthRange(uint8_t width, bool isSigned, int64_t& lo, int64_t& hi) {
  const unsigned bits = (width == 0 || width > 4) ? 32 : 8u * width;
  if (isSigned) {
    lo = -(int64_t{1} << (bits - 1));
    hi = (int64_t{1} << (bits - 1)) - 1;
  } else {
    lo = 0;
    hi = (int64_t{1} << bits) - 1;
  }
}

}  // namespace

void PanelRuntime::KeyDown(PanelKey key) {
  if (m_view == PanelView::Saver) {  // the first key only wakes the panel
    Wake();
    return;
  }
  m_idle = {};
  m_status.clear();
  switch (m_view) {
    case PanelView::Nothing:
    case PanelView::Saver:
      return;
    case PanelView::AlarmList: {
      const size_t active = ActiveAlarms(m_alarms, m_image.Header().wordStep, Source()).size();
      if (key == PanelKey::Up && m_alarmFirst > 0) --m_alarmFirst;
      if (key == PanelKey::Down && m_alarmFirst + kAlarmRows < active) ++m_alarmFirst;
      if (key == PanelKey::Esc || key == PanelKey::Alm) m_view = PanelView::Screen;
      return;
    }
    case PanelView::Clock:
      if (key == PanelKey::Esc) m_view = PanelView::Screen;
      return;
    case PanelView::Screen:
      break;
  }
  if (m_entry && EntryKey(key)) return;
  // A function key of this screen bound to the key decides; the first one in
  // the screen's order when several are.
  for (const ElementRecord& e : m_screen.elements)
    if (auto* k = std::get_if<KeyRecord>(&e.body); k && k->keyCode == static_cast<uint8_t>(key)) {
      RunAction(*k, key);
      return;
    }
  const ScreenEntry& screen = m_image.Screens()[static_cast<size_t>(m_screenPosition)];
  switch (key) {
    case PanelKey::Up:
    case PanelKey::Down: {
      const uint16_t target = key == PanelKey::Up ? screen.upScreen : screen.downScreen;
      if (target != 0 && !ShowScreen(target))
        m_status = "no screen " + std::to_string(target) + " to go to";
      return;
    }
    case PanelKey::Set:
      StartEntry();
      return;
    case PanelKey::Alm:
      if (m_alarms.present) {
        m_view = PanelView::AlarmList;
        m_alarmFirst = 0;
      }
      return;
    default:
      return;
  }
}

void PanelRuntime::KeyUp(PanelKey key) {
  for (auto it = m_momentary.begin(); it != m_momentary.end();) {
    if (it->first == key) {
      Source().Set(it->second, 0);
      it = m_momentary.erase(it);
    } else {
      ++it;
    }
  }
}

void PanelRuntime::RunAction(const KeyRecord& k, PanelKey key) {
  const PlcKey& item = k.binding.key;
  switch (k.action) {
    case kActionCoilOn:
      Source().Set(item, 1);
      return;
    case kActionCoilOff:
      Source().Set(item, 0);
      return;
    case kActionCoilToggle:
      Source().Set(item, Source().Get(item) != 0 ? 0 : 1);
      return;
    case kActionCoilMomentary:
      Source().Set(item, 1);
      m_momentary.emplace_back(key, item);
      return;
    case kActionSetRegister:
      Source().Set(item, FitWidth(static_cast<int32_t>(k.value), k.binding.width));
      return;
    case kActionJumpScreen:
      if (!ShowScreen(k.target)) m_status = "no screen " + std::to_string(k.target) + " to go to";
      return;
    case kActionJumpAlarmList:
      if (m_alarms.present) {
        m_view = PanelView::AlarmList;
        m_alarmFirst = 0;
      } else {
        m_status = "the image has no alarm list";
      }
      return;
    case kActionJumpClock:
      m_view = PanelView::Clock;
      return;
    default:
      if (k.action >= kActionRecipeUpload && k.action <= kActionRecipeBaseDown)
        m_status = "recipe keys move data between panel and PLC; the preview does not do that";
      else
        m_status = "function key with unknown action " + std::to_string(k.action);
      return;
  }
}

// ---- register entry ----

void PanelRuntime::StartEntry() {
  for (size_t i = 0; i < m_screen.elements.size(); ++i)
    if (auto* r = std::get_if<RegisterRecord>(&m_screen.elements[i].body); r && r->settable) {
      m_entry = i;
      m_entryText.clear();
      m_entryNegative = false;
      return;
    }
  m_status = "no register on this screen takes a value";
}

void PanelRuntime::MoveEntry(int step) {
  const size_t n = m_screen.elements.size();
  size_t i = *m_entry;
  for (size_t tries = 0; tries < n; ++tries) {
    i = (i + n + static_cast<size_t>(step)) % n;
    if (auto* r = std::get_if<RegisterRecord>(&m_screen.elements[i].body); r && r->settable) {
      m_entry = i;
      m_entryText.clear();
      m_entryNegative = false;
      return;
    }
  }
}

bool PanelRuntime::EntryKey(PanelKey key) {
  const auto* r = std::get_if<RegisterRecord>(&m_screen.elements[*m_entry].body);
  const int digit = PanelKeyDigit(key);
  if (digit >= 0) {
    // HEX/BCD digits are four bits each: eight fill 32 bits.
    const size_t room = std::min(static_cast<size_t>(RegisterDigitCells(*r)),
                                 r->decimal ? kMaxEntryDigits : size_t{8});
    if (m_entryText.size() < room) m_entryText += static_cast<char>('0' + digit);
    return true;
  }
  switch (key) {
    case PanelKey::Clr:
      m_entryText.clear();
      m_entryNegative = false;
      return true;
    case PanelKey::Down:  // the sign of a signed decimal register
      if (r->isSigned && r->decimal) m_entryNegative = !m_entryNegative;
      return true;
    case PanelKey::Left:
      MoveEntry(-1);
      return true;
    case PanelKey::Right:
    case PanelKey::Set:
      MoveEntry(1);
      return true;
    case PanelKey::Ent:
      FinishEntry();
      return true;
    case PanelKey::Esc:
      m_entry.reset();
      m_entryText.clear();
      return true;
    default:
      return true;  // nothing else acts while a value is being entered
  }
}

std::string PanelRuntime::EntryShown() const {
  const auto* r =
      Element(*m_entry) ? std::get_if<RegisterRecord>(&Element(*m_entry)->body) : nullptr;
  if (!r || (m_entryText.empty() && !m_entryNegative)) return {};
  std::string digits = m_entryText.empty() ? "0" : m_entryText;
  const size_t decimals = r->decimals;
  if (decimals > 0) {
    if (digits.size() < decimals + 1) digits.insert(0, decimals + 1 - digits.size(), '0');
    digits.insert(digits.size() - decimals, 1, '.');
  }
  return (m_entryNegative ? "-" : "") + digits;
}

void PanelRuntime::FinishEntry() {
  const auto* r = std::get_if<RegisterRecord>(&m_screen.elements[*m_entry].body);
  if (m_entryText.empty()) {  // nothing typed: the value stays
    m_entry.reset();
    return;
  }
  int64_t raw = 0;
  if (r->decimal) {
    int64_t typed = 0;
    for (char c : m_entryText) typed = typed * 10 + (c - '0');
    if (m_entryNegative) typed = -typed;
    raw = typed;
    if (r->scaled && r->limited)  // typed in engineering units
      raw = ScaleLinear(typed, FieldValue(r->engLow, r->isSigned),
                        FieldValue(r->engHigh, r->isSigned), FieldValue(r->inLow, r->isSigned),
                        FieldValue(r->inHigh, r->isSigned));
  } else {
    // HEX/BCD: each typed digit is one four-bit digit of the register.
    for (char c : m_entryText) raw = (raw << 4) | (c - '0');
  }
  int64_t lo = 0, hi = 0;
  WidthRange(r->binding.width, r->isSigned && r->decimal, lo, hi);
  if (r->limited) {
    lo = std::max(lo, FieldValue(r->inLow, r->isSigned));
    hi = std::min(hi, FieldValue(r->inHigh, r->isSigned));
  }
  if (raw < lo || raw > hi) {
    m_status = "value out of range " + std::to_string(lo) + " .. " + std::to_string(hi);
    m_entryText.clear();
    m_entryNegative = false;
    return;
  }
  Source().Set(r->binding.key, FitWidth(raw, r->binding.width));
  m_entry.reset();
  m_entryText.clear();
}

}  // namespace tavo::panel

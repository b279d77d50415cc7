#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/Texts.h"

namespace tavo {

class CBase;
class CAlarmList;
struct PanelSettings;
struct ProtocolProfile;

// Which register-type list of the protocol profile an index selects from.
enum class RegisterList : uint8_t {
  kWord,       // W: registers, dynamic texts, graphs, set register
  kWordWrite,  // WW: recipes
  kBitWrite,   // BW: set coil (some protocols)
  kBitRead,    // BL: lights, set coil
  kAlarmBit,   // BA: the alarm list
};

enum class Access : uint8_t { kRead, kWrite, kReadWrite };

// One PLC address that an element, the alarm list or the control register
// reads or writes, with the fields as the engineer set them.
struct Binding {
  RegisterList list = RegisterList::kWord;
  bool bit = false;      // a coil, not a word register
  unsigned regType = 0;  // index into the list
  std::string typeName;  // the list's name at that index (the last when past it)
  bool typePastEnd = false;
  bool panelInternal = false;  // "RP", "RWI", "RDI", "LW", "TM": the panel's own memory
  uint8_t station = 0;
  uint16_t address = 0;  // protocol 31: the variable's address
  uint8_t subAddr = 0;
  std::optional<uint8_t> bitOffset;  // lights and the alarm list
  unsigned count = 1;                // registers, coils of the alarm list, recipe words
  unsigned width = 0;                // bytes the panel reads or writes; 0 for a coil
  bool countChecked = false;         // the register count is one the profile limits
  Access access = Access::kRead;
};

// The bindings of an element under the profile's protocol: none for texts,
// pictures and screen-jump keys.
std::vector<Binding> ElementBindings(const CBase& element, const ProtocolProfile& profile);
// The alarm list's coils (none while it has no text).
std::vector<Binding> AlarmBindings(const CAlarmList& alarms, const ProtocolProfile& profile);
// The control register of the panel settings, when status control is on.
std::optional<Binding> ControlRegisterBinding(const PanelSettings& settings,
                                              const ProtocolProfile& profile);

// The names below are marked in this context and written as they are (CSV,
// JSON, the findings' source texts); a person reads them through Translate.
inline constexpr const char* kBindingsContext = "tavo::check::Bindings";

// "读", "写", "读写"
const char* AccessName(Access access);
std::string ShownAccessName(Access access);
// The element kinds as the editor names them ("文本", "寄存器", ...).
const char* KindName(uint8_t kind);
// The users of addresses that are not elements.
inline constexpr const char* kAlarmListUser =
    TAVO_TRANSLATE_NOOP("tavo::check::Bindings", "报警列表");
inline constexpr const char* kControlRegisterUser =
    TAVO_TRANSLATE_NOOP("tavo::check::Bindings", "控制寄存器");
// An element's kind and panel position: "寄存器(24,16)".
inline constexpr const char* kElementAt = TAVO_TRANSLATE_NOOP("tavo::check::Bindings", "%1(%2,%3)");
// A user's name (a kind name or one of the two above) in the user's language.
std::string ShownUserName(const std::string& name);

}  // namespace tavo

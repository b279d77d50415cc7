#pragma once

// The 36 PLC protocols the panel can speak: their names, the serial-line
// options offered for each, the default line settings, and the protocol profile
// (station range, address limits, register-type lists) rebuilt from the
// selected protocol number.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Language.h"
#include "base/PanelSettings.h"

namespace tavo {

inline constexpr uint8_t kProtocolCount = 36;

inline bool IsCatalogueProtocol(uint8_t protocol) {
  return protocol >= 1 && protocol <= kProtocolCount;
}

// ---- Names ---------------------------------------------------------------

// The catalogue's two name lists, Chinese and English (base/Language.h). They
// are the catalogue's own data, the same whatever language the programs speak.

// The 36 names in protocol order (entry n - 1 is protocol n). UTF-8.
const std::vector<std::string>& ProtocolNames(Language language);
// Name of protocol n; empty for a number outside 1..36.
std::string ProtocolName(uint8_t protocol, Language language = Language::Chinese);
// The text shown when the panel does not answer, kept with each name list.
std::string NoResponseText(Language language);

// ---- Line-setting option lists ----------------------------------------------
// The line settings are stored as indices into these lists, so their order is
// part of the stored data.

const std::vector<std::string>& FullBaudList();   // "1200" ... "115200"
const std::vector<std::string>& DataBitsList();   // "7位", "8位"
const std::vector<std::string>& StopBitsList();   // "1位", "2位"
const std::vector<std::string>& ParityList();     // "无校验", "奇校验", "偶校验"
const std::vector<std::string>& InterfaceList();  // "232", "485"
// The baud rates offered for a protocol: the full list, its first five entries
// (protocols 5 and 7) or "9600", "19200" (protocol 2).
const std::vector<std::string>& BaudList(uint8_t protocol);

// One of these lists, or a profile's data formats, as a person reads it (in
// the user's language); the stored indices are the same.
std::vector<std::string> ShownChoices(const std::vector<std::string>& list);

// Indices into the lists above.
namespace line {
inline constexpr uint8_t kBaud9600 = 3, kBaud19200 = 4, kBaud38400 = 5;
inline constexpr uint8_t kData7 = 0, kData8 = 1;
inline constexpr uint8_t kStop1 = 0, kStop2 = 1;
inline constexpr uint8_t kParityNone = 0, kParityOdd = 1, kParityEven = 2;
inline constexpr uint8_t kIface232 = 0, kIface485 = 1;
}  // namespace line

// Default line settings applied when a protocol is chosen. A field without a
// value is left as it was.
struct LineDefaults {
  uint8_t baud = 0;  // index into BaudList(protocol)
  uint8_t dataBits = 0;
  uint8_t stopBits = 0;
  uint8_t parity = 0;
  std::optional<uint8_t> commOption;  // interface; none for protocol 15
  std::optional<uint8_t> commParam;   // panel station number (protocols 14, 21)
  std::optional<uint16_t> e5Timeout;  // protocols 2, 3, 34
};

// Defaults of a catalogue protocol; nullopt outside 1..36.
std::optional<LineDefaults> DefaultLineSettings(uint8_t protocol);

// The panel's own station number on the PLC line is set for these protocols.
bool UsesPanelStation(uint8_t protocol);  // 14, 21, 31
// The E5 timeout is set for these protocols.
bool UsesE5Timeout(uint8_t protocol);  // 2, 3, 34

// ---- Protocol profile --------------------------------------------------------

// Values of the six show/hide switches that the property pages read.
inline constexpr uint8_t kSwitchShow = 5;
inline constexpr uint8_t kSwitchHide = 0;

// Everything the property pages, the panel settings and the image compiler need
// to know about the selected protocol. Rebuilt whenever the protocol changes, a
// project is created or a project is loaded. A number outside 1..36 gives an
// empty profile: no register types, station and address ranges 0.
struct ProtocolProfile {
  uint8_t m_protocol = 0;  // the protocol this profile was built for

  uint8_t m_stationMin = 0;  // range offered for an element's station number
  uint8_t m_stationMax = 0;
  uint16_t m_maxWordAddr = 0;
  uint16_t m_maxBitAddr = 0;
  uint8_t m_maxBitIndex = 0;  // highest bit index within a word (sub-address)
  uint8_t m_addrStep = 1;     // address step of one word (1, or 2)
  uint8_t m_baudOffset = 0;   // added to the stored baud index for the image header
  uint8_t m_maxRegCount = 2;  // 1 or 2

  std::vector<std::string> m_wordTypes;       // W: registers, dynamic text, graphs, keys
  std::vector<std::string> m_wordWriteTypes;  // WW: function-key word writes (recipes)
  std::vector<std::string> m_bitWriteTypes;   // BW: function-key bit writes
  std::vector<std::string> m_lightBitTypes;   // BL: indicator lights (bit read)
  std::vector<std::string> m_alarmBitTypes;   // BA: alarm list
  std::vector<std::string> m_dataFormats;     // "无符号", "HEX", "有符号"

  // Protocol 31 names device variables: after the type the element chooses a
  // sub-type from the lists of Protocol31.h.
  bool m_namedVariables = false;

  bool m_statusControl = false;         // panel settings may use the control register
  bool m_ctrlRegTypeChoosable = false;  // panel settings may choose its register type

  // Show/hide switches 1..6 (index 0..5) and the two flags of the property
  // pages. Flag 1 is set for protocol 1, flag 2 (octal addresses) for protocol 7.
  std::array<uint8_t, 6> m_switches{kSwitchShow, kSwitchHide, kSwitchShow,
                                    kSwitchHide, kSwitchHide, kSwitchShow};
  std::array<uint8_t, 2> m_flags{0, 0};

  // Limits of the panel-internal registers.
  uint16_t m_internalWordMax = 65535;
  uint16_t m_internalBitMax = 1024;

  bool Switch(int n) const { return n >= 1 && n <= 6 && m_switches[n - 1] == kSwitchShow; }
  bool OctalAddresses() const { return m_flags[1] != 0; }

  bool operator==(const ProtocolProfile&) const = default;
};

// The profile of a protocol. `panelStation` is the panel station number of the
// line settings, which is the whole station range of protocols 14 and 21.
ProtocolProfile BuildProfile(uint8_t protocol, uint8_t panelStation);

// Rebuilds the program's current profile for `protocol` and updates the three
// settings that follow from it: m_protoMode takes the address step, protocol 1
// clears m_ctrlFlags, protocol 2 sets m_ctrlRegType to 0.
void RebuildProfile(uint8_t protocol, PanelSettings& settings);

// Makes `protocol` the current protocol (plc/Protocol.h) and rebuilds the
// profile for it.
void ApplyProtocol(uint8_t protocol, PanelSettings& settings);

// The program-wide profile, last rebuilt by RebuildProfile / ApplyProtocol
// (protocol 1 before the first rebuild).
const ProtocolProfile& CurrentProfile();

// ---- Register-type codes ----------------------------------------------------

// Uses of a register type: which list an index selects from.
inline constexpr uint8_t kUseWord = 1;      // W
inline constexpr uint8_t kUseBitWrite = 2;  // BW
inline constexpr uint8_t kUseBitRead = 3;   // BL

// The list a use selects from (empty for an unknown use).
const std::vector<std::string>& TypeList(const ProtocolProfile& profile, uint8_t use);
// The list lives in the profile: a temporary profile would leave it dangling.
const std::vector<std::string>& TypeList(ProtocolProfile&& profile, uint8_t use) = delete;

// Name at `index` of `list`; an index at or past the end means the last entry;
// empty for an empty list.
std::string_view TypeNameAt(const std::vector<std::string>& list, unsigned index);

// The one-byte register-type code of a type name: low four bits the width of one
// item in bytes (0 = bit), high four bits the memory area in the panel's driver.
// 0 for an unknown name.
uint8_t RegisterTypeCode(uint8_t protocol, std::string_view name, uint8_t use);

// Code of the type at `index` of the list that `use` selects in `profile`.
uint8_t RegisterTypeCode(const ProtocolProfile& profile, unsigned index, uint8_t use);

// The same for the current profile.
uint8_t RegisterTypeCode(unsigned index, uint8_t use);

}  // namespace tavo

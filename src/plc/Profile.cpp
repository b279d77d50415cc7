// The protocol profile: per-protocol station range, address limits and
// register-type lists, and the program-wide current profile.

#include <algorithm>
#include <initializer_list>

#include "base/Texts.h"
#include "base/WindowThread.h"
#include "plc/Catalogue.h"
#include "plc/Protocol.h"
#include "plc/ProtocolTraits.h"

namespace tavo {

namespace {

// A type list of a profile row: its own names, or a copy of the row's W or BW
// list (copied before the panel-internal types are appended to W).
enum class From { Own, W, BW };
struct Names {
  From from = From::Own;
  std::vector<const char*> items;
};
Names L(std::initializer_list<const char*> items) {
  return {From::Own, items};
}
const Names kSameW{From::W, {}};
const Names kSameBW{From::BW, {}};
const Names kEmpty{};

constexpr int kPanelStation = -1;  // the station range is the panel station number

struct ProfileRow {
  std::vector<uint8_t> protocols;
  int stationMin, stationMax;
  uint16_t maxWordAddr, maxBitAddr;
  uint8_t maxBitIndex;  // 0 where the protocol has none
  Names w, ww, bw, bl, ba;
};

// clang-format off
const std::vector<ProfileRow>& Rows() {
  static const std::vector<ProfileRow> rows{
    {{1},          1, 15,  65535, 65535, 255, L({"B", "W", "D"}), L({"B", "W", "D"}), kSameW, kSameW, kSameW},
    {{2},          1, 126, 9999, 9999, 7,     L({"VW", "VD"}), L({"VW", "VD"}), L({"M"}), kSameBW, kSameBW},
    {{3, 16, 34},  1, 247, 65535, 65535, 15,  L({"4x", "3x"}), L({"4x", "3x"}), L({"0x"}), L({"0x", "1x"}), L({"0x", "1x"})},
    {{4},          1, 1,   9999, 9999, 0,     L({"D"}), L({"D"}), L({"M"}), kSameBW, kSameBW},
    {{5},          0, 99,  9999, 9999, 15,    L({"DM"}), L({"DM"}), L({"IR"}), kSameBW, kSameBW},
    {{6},          0, 254, 9999, 9999, 15,    L({"DT"}), L({"DT"}), L({"R"}), kSameBW, kSameBW},
    {{7},          1, 1,   9999, 9999, 0,     L({"R"}), L({"R"}), L({"M"}), kSameBW, kSameBW},
    {{8},          1, 247, 9999, 9999, 0,     L({"MW"}), L({"MW"}), L({"M"}), kSameBW, kSameBW},
    {{9},          1, 101, 9999, 9999, 0,     L({"W"}), L({"W"}), L({"M"}), kSameBW, kSameBW},
    {{10},         1, 254, 9999, 9999, 0,     L({"R", "D"}), L({"R", "D"}), L({"M"}), kSameBW, kSameBW},
    {{11},         0, 31,  9999, 9999, 15,    L({"D"}), L({"D"}), L({"M"}), kSameBW, kSameBW},
    {{12},         1, 31,  9999, 9999, 15,    L({"D"}), L({"D"}), L({"M"}), kSameBW, kSameBW},
    {{13},         0, 254, 9999, 9999, 0,     L({"D"}), L({"D"}), L({"M"}), kSameBW, kSameBW},
    {{14},         kPanelStation, kPanelStation, 9999, 9999, 15, L({"MW"}), L({"MW"}), L({"MW"}), kSameBW, kSameBW},
    {{15},         1, 1,   9999, 9999, 15,    L({"N7", "N9", "N10", "N11", "N12", "N13", "N14", "N15"}), kSameW,
                                              L({"B3", "B9", "B10", "B11", "B12", "B13"}), kSameBW, kSameBW},
    {{17},         0, 253, 9999, 9999, 0,     L({"R"}), L({"R"}), L({"F"}), kSameBW, kSameBW},
    {{18},         0, 0,   9999, 9999, 15,    L({"D"}), L({"D"}), L({"M"}), kSameBW, kSameBW},
    {{19, 25},     1, 247, 65535, 65535, 15,  L({"3x", "4x", "5x", "6x"}), kEmpty, L({"0x", "4x"}),
                                              L({"0x", "1x", "3x", "4x"}), L({"0x"})},
    {{20},         1, 247, 9999, 9999, 15,    L({"D", "SD", "Z", "T", "C", "C_double"}), kSameW,
                                              L({"M", "SM", "Y", "X", "S", "T", "C"}), kSameBW, L({"M", "SM"})},
    {{21},         kPanelStation, kPanelStation, 65535, 65535, 15, L({"4x", "5x"}), L({"4x", "5x"}),
                                              L({"0x", "4x"}), L({"0x", "4x"}), L({"0x"})},
    {{22},         0, 31,  9999, 9999, 15,    L({"MW"}), L({"MW"}), L({"MX"}), kSameBW, kSameBW},
    {{23},         1, 255, 9999, 9999, 0,     L({"M", "D", "T", "C", "C_double"}), kSameW, L({"M", "Y", "S"}),
                                              L({"X", "M", "Y", "S"}), L({"M"})},
    {{24},         1, 255, 9999, 9999, 255,   L({"DM", "TM"}), kEmpty, L({"R"}), L({"R"}), kSameBW},
    {{26},         0, 0,   65535, 65535, 15,  L({"WM", "WR"}), kEmpty, L({"R", "M"}), kSameBW, kSameBW},
    {{27},         0, 0,   65535, 65535, 15,  L({"D", "H", "W", "CIO", "A"}), kEmpty, L({"H", "W", "CIO", "A"}),
                                              kSameBW, kSameBW},
    {{28},         1, 247, 65535, 65535, 15,  L({"D", "Z", "V"}), kEmpty, L({"Y", "M", "S"}),
                                              L({"X", "Y", "M", "S", "T", "C"}), L({"M", "S"})},
    {{29, 30},     1, 255, 4094, 31, 7,       L({"AIW", "AQW", "VW"}), kEmpty, L({"M", "Q", "I"}),
                                              L({"M", "Q", "I"}), L({"Q", "M"})},
    {{31},         1, 255, 255, 255, 0,       L({"RC", "KV", "AI", "UI", "AU", "DI", "DU", "AK", "PK"}), kEmpty,
                                              L({"RC", "AI", "UI", "AU", "DI", "DU"}),
                                              L({"RC", "AI", "UI", "AU", "DI", "DU", "PK"}), kEmpty},
    {{32},         1, 255, 2564, 127, 15,     L({"W"}), kEmpty, L({"M"}), L({"M"}), L({"M"})},
    {{33},         0, 255, 65535, 9999, 15,   L({"R"}), L({"R"}), L({"M"}), L({"M"}), L({"M"})},
    {{35},         0, 255, 2047, 2047, 0,     L({"AI", "AQ", "V"}), L({"V"}), L({"M", "X", "Y"}),
                                              L({"M", "X", "Y"}), L({"M"})},
    {{36},         0, 255, 8000, 127, 7,      L({"D"}), L({"D"}), L({"M"}), L({"M"}), L({"M"})},
  };
  return rows;
}
// clang-format on

const ProfileRow* FindRow(uint8_t protocol) {
  for (const auto& row : Rows())
    if (std::find(row.protocols.begin(), row.protocols.end(), protocol) != row.protocols.end())
      return &row;
  return nullptr;
}

template <typename... P>
bool OneOf(uint8_t protocol, P... ps) {
  return ((protocol == ps) || ...);
}

void Fill(std::vector<std::string>& out, const Names& names, const ProtocolProfile& prof) {
  switch (names.from) {
    case From::Own:
      out.assign(names.items.begin(), names.items.end());
      break;
    case From::W:
      out = prof.m_wordTypes;
      break;
    case From::BW:
      out = prof.m_bitWriteTypes;
      break;
  }
}

void SetSwitches(uint8_t protocol, ProtocolProfile& prof) {
  auto& sw = prof.m_switches;  // sw[0] is switch 1
  if (protocol == 1) {
    sw[1] = kSwitchShow;
    sw[2] = kSwitchHide;
    sw[3] = kSwitchShow;
    sw[4] = kSwitchShow;
    sw[5] = kSwitchHide;
  }
  if (OneOf(protocol, 3, 4, 7, 8, 9, 10, 13, 16, 17, 20, 23, 24, 26, 28, 34, 33, 35))
    sw[0] = kSwitchHide;
  if (protocol == 31) {
    sw[0] = kSwitchHide;
    sw[2] = kSwitchHide;
  }
  if (protocol == 1) prof.m_flags[0] = 1;
  if (protocol == 7) prof.m_flags[1] = 1;
}

ProtocolProfile& Current() {
  static ProtocolProfile profile = BuildProfile(1, 0);
  return profile;
}

}  // namespace

ProtocolProfile BuildProfile(uint8_t protocol, uint8_t panelStation) {
  ProtocolProfile prof;  // defaults: register count 2, bit index 0, switches
  prof.m_protocol = protocol;
  prof.m_dataFormats = {TAVO_TRANSLATE_NOOP("tavo::plc::Catalogue", "无符号"), "HEX",
                        TAVO_TRANSLATE_NOOP("tavo::plc::Catalogue", "有符号")};
  prof.m_internalWordMax = 65535;
  prof.m_internalBitMax = 1024;

  const ProfileRow* row = FindRow(protocol);
  if (!row) return prof;  // not a catalogue protocol: the empty profile

  if (row->stationMin == kPanelStation) {
    prof.m_stationMin = prof.m_stationMax = panelStation;
  } else {
    prof.m_stationMin = static_cast<uint8_t>(row->stationMin);
    prof.m_stationMax = static_cast<uint8_t>(row->stationMax);
  }
  prof.m_maxWordAddr = row->maxWordAddr;
  prof.m_maxBitAddr = row->maxBitAddr;
  prof.m_maxBitIndex = row->maxBitIndex;

  // Lists in table order, so that the copies see the lists they copy.
  Fill(prof.m_wordTypes, row->w, prof);
  Fill(prof.m_wordWriteTypes, row->ww, prof);
  Fill(prof.m_bitWriteTypes, row->bw, prof);
  Fill(prof.m_lightBitTypes, row->bl, prof);
  Fill(prof.m_alarmBitTypes, row->ba, prof);

  prof.m_addrStep = OneOf(protocol, 2, 29, 30, 32, 33) ? 2 : 1;
  prof.m_baudOffset = protocol == 2 ? 3 : 0;
  prof.m_maxRegCount = OneOf(protocol, 1, 2, 17) ? 1 : 2;
  prof.m_namedVariables = TraitsOf(protocol).namedVariables;
  prof.m_statusControl = protocol != 1;
  prof.m_ctrlRegTypeChoosable = protocol != 1 && protocol != 2;
  SetSwitches(protocol, prof);

  // The panel's own registers, addressable unless the device names variables.
  if (!prof.m_namedVariables)
    for (const char* name : {"RP", "RWI", "RDI", "LW", "TM"}) prof.m_wordTypes.emplace_back(name);
  return prof;
}

void RebuildProfile(uint8_t protocol, PanelSettings& settings) {
  ExpectWindowThread("the protocol profile");
  Current() = BuildProfile(protocol, settings.m_commParam);
  settings.m_protoMode = Current().m_addrStep;
  if (protocol == 1) settings.m_ctrlFlags = 0;
  if (protocol == 2) settings.m_ctrlRegType = 0;
}

void ApplyProtocol(uint8_t protocol, PanelSettings& settings) {
  SetCurrentProtocol(protocol);
  RebuildProfile(protocol, settings);
}

const ProtocolProfile& CurrentProfile() {
  return Current();
}

}  // namespace tavo

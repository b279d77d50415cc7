// The protocol catalogue and profile: line-setting lists and defaults, profile
// rebuild and its side effects on the panel settings, register-type codes.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "plc/Catalogue.h"
#include "plc/Protocol.h"

namespace tavo {
namespace {

TEST(Catalogue, NamesAndNoResponseTexts) {
  EXPECT_EQ(ProtocolNames(Language::Chinese).size(), 36u);
  EXPECT_EQ(ProtocolNames(Language::English).size(), 36u);
  EXPECT_EQ(ProtocolName(1), "ECOSTEP");
  EXPECT_EQ(ProtocolName(2), "西门子S7-200 系列");
  EXPECT_EQ(ProtocolName(2, Language::English), "Siemens (S7-200)");
  EXPECT_EQ(ProtocolName(34), "德维森V80");
  EXPECT_EQ(ProtocolName(36, Language::English), "IDEC");
  EXPECT_EQ(ProtocolName(0), "");
  EXPECT_EQ(ProtocolName(37, Language::English), "");
  EXPECT_EQ(NoResponseText(Language::Chinese), "Tavo  下位机无响应");
  EXPECT_EQ(NoResponseText(Language::English), "Tavo   no response");
}

TEST(Catalogue, BaudListsPerProtocol) {
  EXPECT_EQ(FullBaudList().size(), 7u);
  EXPECT_EQ(FullBaudList()[line::kBaud9600], "9600");
  EXPECT_EQ(FullBaudList()[line::kBaud19200], "19200");
  EXPECT_EQ(BaudList(2), (std::vector<std::string>{"9600", "19200"}));
  for (uint8_t p : {5, 7})
    EXPECT_EQ(BaudList(p), (std::vector<std::string>{"1200", "2400", "4800", "9600", "19200"}));
  for (uint8_t p = 1; p <= 36; ++p)
    if (p != 2 && p != 5 && p != 7) {
      EXPECT_EQ(BaudList(p).size(), 7u) << int(p);
    }
}

TEST(Catalogue, DefaultsIndexTheOfferedLists) {
  // Every default must be a valid index of the list offered for that protocol.
  for (uint8_t p = 1; p <= 36; ++p) {
    auto d = DefaultLineSettings(p);
    ASSERT_TRUE(d) << int(p);
    EXPECT_LT(d->baud, BaudList(p).size()) << int(p);
    EXPECT_LT(d->dataBits, DataBitsList().size()) << int(p);
    EXPECT_LT(d->stopBits, StopBitsList().size()) << int(p);
    EXPECT_LT(d->parity, ParityList().size()) << int(p);
    if (d->commOption) {
      EXPECT_LT(*d->commOption, InterfaceList().size()) << int(p);
    }
    EXPECT_EQ(d->e5Timeout.has_value(), UsesE5Timeout(p)) << int(p);
  }
  EXPECT_FALSE(DefaultLineSettings(0));
  EXPECT_FALSE(DefaultLineSettings(37));
}

TEST(Catalogue, DefaultsOfSelectedProtocols) {
  struct Row {
    uint8_t p;
    const char* baud;
    const char* data;
    const char* stop;
    const char* parity;
    const char* iface;  // nullptr: left as it was
  };
  const Row rows[] = {
      {2, "9600", "8位", "1位", "偶校验", "485"},   {5, "9600", "7位", "2位", "偶校验", "232"},
      {6, "9600", "8位", "1位", "奇校验", "232"},   {15, "19200", "8位", "1位", "无校验", nullptr},
      {18, "38400", "8位", "1位", "无校验", "232"}, {28, "19200", "8位", "2位", "无校验", "232"},
      {33, "19200", "8位", "1位", "奇校验", "232"}, {36, "9600", "7位", "1位", "偶校验", "232"},
  };
  for (const Row& r : rows) {
    auto d = *DefaultLineSettings(r.p);
    EXPECT_EQ(BaudList(r.p)[d.baud], r.baud) << int(r.p);
    EXPECT_EQ(DataBitsList()[d.dataBits], r.data) << int(r.p);
    EXPECT_EQ(StopBitsList()[d.stopBits], r.stop) << int(r.p);
    EXPECT_EQ(ParityList()[d.parity], r.parity) << int(r.p);
    if (r.iface)
      EXPECT_EQ(InterfaceList()[d.commOption.value()], r.iface) << int(r.p);
    else
      EXPECT_FALSE(d.commOption) << int(r.p);
  }
  EXPECT_EQ(DefaultLineSettings(2)->baud, 0);  // 9600 is the first of its two rates
  EXPECT_EQ(DefaultLineSettings(2)->e5Timeout, 10000);
  EXPECT_EQ(DefaultLineSettings(3)->e5Timeout, 500);
  EXPECT_EQ(DefaultLineSettings(34)->e5Timeout, 500);
  EXPECT_EQ(DefaultLineSettings(14)->commParam, 1);
  EXPECT_EQ(DefaultLineSettings(21)->commParam, 1);
  EXPECT_FALSE(DefaultLineSettings(31)->commParam);  // station used, but no default
}

TEST(Profile, DerivedValuesPerProtocol) {
  // Address step, register count and the lists are in the golden listing.
  for (uint8_t p = 1; p <= 36; ++p) {
    ProtocolProfile prof = BuildProfile(p, 9);
    EXPECT_EQ(prof.m_baudOffset, p == 2 ? 3 : 0) << int(p);
    EXPECT_EQ(prof.m_statusControl, p != 1) << int(p);
    EXPECT_EQ(prof.m_ctrlRegTypeChoosable, p != 1 && p != 2) << int(p);
    EXPECT_EQ(prof.m_namedVariables, p == 31) << int(p);
    EXPECT_EQ(prof.m_dataFormats, (std::vector<std::string>{"无符号", "HEX", "有符号"}));
    EXPECT_EQ(prof.m_internalWordMax, 65535);
    EXPECT_EQ(prof.m_internalBitMax, 1024);
    EXPECT_LE(prof.m_stationMin, prof.m_stationMax) << int(p);
  }
}

TEST(Profile, StationRangeOfFreeAndServerProtocolsIsThePanelStation) {
  for (uint8_t p : {14, 21}) {
    auto prof = BuildProfile(p, 42);
    EXPECT_EQ(prof.m_stationMin, 42);
    EXPECT_EQ(prof.m_stationMax, 42);
  }
  EXPECT_EQ(BuildProfile(3, 42).m_stationMax, 247);
}

TEST(Profile, SwitchesAndFlags) {
  // Switch 1 is shown by exactly these protocols (protocol 1 among them).
  const std::set<int> switch1{1, 2, 5, 6, 11, 12, 14, 15, 18, 19, 21, 22, 25, 27, 29, 30, 32, 36};
  for (uint8_t p = 1; p <= 36; ++p) {
    auto prof = BuildProfile(p, 0);
    EXPECT_EQ(prof.Switch(1), switch1.count(p) == 1) << int(p);
    if (p == 1) {
      EXPECT_EQ(prof.m_switches, (std::array<uint8_t, 6>{5, 5, 0, 5, 5, 0}));
    } else {
      EXPECT_EQ(prof.Switch(2), false) << int(p);
      EXPECT_EQ(prof.Switch(3), p != 31) << int(p);
      EXPECT_FALSE(prof.Switch(4));
      EXPECT_FALSE(prof.Switch(5));  // the bit-offset field is protocol 1's alone
      EXPECT_TRUE(prof.Switch(6));
    }
    EXPECT_EQ(prof.m_flags[0], p == 1 ? 1 : 0) << int(p);
    EXPECT_EQ(prof.OctalAddresses(), p == 7) << int(p);
  }
  EXPECT_FALSE(BuildProfile(1, 0).Switch(0));
  EXPECT_FALSE(BuildProfile(1, 0).Switch(7));
}

TEST(Profile, OutsideTheCatalogueIsEmpty) {
  for (uint8_t p : {0, 37, 255}) {
    auto prof = BuildProfile(p, 5);
    EXPECT_TRUE(prof.m_wordTypes.empty());
    EXPECT_TRUE(prof.m_wordWriteTypes.empty());
    EXPECT_TRUE(prof.m_bitWriteTypes.empty());
    EXPECT_TRUE(prof.m_lightBitTypes.empty());
    EXPECT_TRUE(prof.m_alarmBitTypes.empty());
    EXPECT_EQ(prof.m_stationMax, 0);
    EXPECT_EQ(prof.m_maxWordAddr, 0);
    EXPECT_FALSE(prof.m_statusControl);
    for (uint8_t use : {kUseWord, kUseBitWrite, kUseBitRead})
      EXPECT_EQ(RegisterTypeCode(prof, 0, use), 0);
  }
}

TEST(Profile, RebuildTouchesThreeSettings) {
  struct Case {
    uint8_t protocol;
    uint8_t protoMode;
    uint8_t ctrlFlags;
    uint8_t ctrlRegType;
  };
  const Case cases[] = {{1, 1, 0, 4},  {2, 2, 7, 0},  {3, 1, 7, 4},
                        {29, 2, 7, 4}, {33, 2, 7, 4}, {40, 1, 7, 4}};
  for (const Case& c : cases) {
    PanelSettings s;
    s.m_protoMode = 9;
    s.m_ctrlFlags = 7;
    s.m_ctrlRegType = 4;
    PanelSettings expected = s;
    expected.m_protoMode = c.protoMode;
    expected.m_ctrlFlags = c.ctrlFlags;
    expected.m_ctrlRegType = c.ctrlRegType;
    RebuildProfile(c.protocol, s);
    EXPECT_EQ(s, expected) << int(c.protocol);
    EXPECT_EQ(CurrentProfile(), BuildProfile(c.protocol, s.m_commParam));
  }
}

TEST(Profile, ApplyProtocolSetsNumberAndProfile) {
  PanelSettings s;
  s.m_commParam = 17;
  ApplyProtocol(21, s);
  EXPECT_EQ(CurrentProtocol(), 21);
  EXPECT_EQ(CurrentProfile().m_protocol, 21);
  EXPECT_EQ(CurrentProfile().m_stationMin, 17);
  EXPECT_EQ(RegisterTypeCode(1u, kUseWord), 0x42);  // "5x"
  ApplyProtocol(1, s);
  EXPECT_EQ(RegisterTypeCode(0u, kUseWord), 0x01);  // "B"
}

TEST(RegisterTypeCode, IndexPastTheEndUsesTheLastType) {
  auto prof = BuildProfile(2, 0);  // W = VW, VD, RP, RWI, RDI, LW, TM
  EXPECT_EQ(RegisterTypeCode(prof, 6, kUseWord), 0x51);
  EXPECT_EQ(RegisterTypeCode(prof, 7, kUseWord), 0x51);
  EXPECT_EQ(RegisterTypeCode(prof, 1000000, kUseWord), 0x51);
  auto p20 = BuildProfile(20, 0);  // BW ends with "C"
  EXPECT_EQ(RegisterTypeCode(p20, 99, kUseBitWrite), 0x60);
  EXPECT_EQ(TypeNameAt(p20.m_bitWriteTypes, 99), "C");
  EXPECT_EQ(TypeNameAt({}, 0), "");
  EXPECT_EQ(RegisterTypeCode(prof, 0, 0), 0);  // no such use
  EXPECT_EQ(RegisterTypeCode(prof, 0, 4), 0);
}

TEST(RegisterTypeCode, Protocol24TimerTypeAppearsTwiceWithOneCode) {
  auto prof = BuildProfile(24, 0);
  ASSERT_EQ(prof.m_wordTypes[1], "TM");
  ASSERT_EQ(prof.m_wordTypes.back(), "TM");
  EXPECT_EQ(RegisterTypeCode(prof, 1, kUseWord), 0x51);
  EXPECT_EQ(RegisterTypeCode(prof, 6, kUseWord), 0x51);
}

TEST(RegisterTypeCode, ByNameProtocolAndUse) {
  struct Case {
    uint8_t protocol;
    const char* name;
    uint8_t use;
    uint8_t code;
  };
  // Protocols 20, 27 and 31 are covered by the golden listing.
  // clang-format off
  const Case cases[] = {
      {23, "M", kUseWord, 0x22},    {23, "M", kUseBitWrite, 0x20}, {26, "M", kUseBitRead, 0x40},
      {28, "M", kUseBitRead, 0x30}, {32, "M", kUseBitRead, 0x10},  {4, "M", kUseBitRead, 0x00},
      {6, "R", kUseBitRead, 0x00},  {17, "R", kUseWord, 0x04},     {24, "R", kUseBitRead, 0x10},
      {26, "R", kUseBitRead, 0x20}, {7, "R", kUseWord, 0x02},      {33, "R", kUseWord, 0x02},
      {4, "D", kUseWord, 0x02},     {10, "D", kUseWord, 0x12},     {28, "D", kUseWord, 0x22},
      {36, "D", kUseWord, 0xC2},    {1, "D", kUseBitRead, 0x04},   {23, "D", kUseWord, 0x82},
      {30, "VW", kUseWord, 0xC2},   {2, "VW", kUseWord, 0x02},     {24, "DM", kUseWord, 0xB2},
      {5, "DM", kUseWord, 0x02},    {35, "X", kUseBitRead, 0x80},  {35, "Y", kUseBitRead, 0x20},
      {28, "V", kUseWord, 0xB2},    {35, "V", kUseWord, 0xC2},     {14, "MW", kUseBitWrite, 0x02},
      {9, "MW", kUseWord, 0x00},    {6, "DT", kUseWord, 0x02},     {5, "DT", kUseWord, 0x00},
      // names that belong to one protocol give 0 elsewhere
      {26, "WM", kUseWord, 0xC2},   {25, "WM", kUseWord, 0x00},    {29, "Q", kUseBitRead, 0x20},
      {35, "Q", kUseBitRead, 0x00}, {28, "AIW", kUseWord, 0x00},   {26, "CIO", kUseWord, 0x00},
      {20, "H", kUseWord, 0x00},
      // names with one code everywhere
      {12, "CTH", kUseWord, 0x32},  {12, "CTC", kUseWord, 0x42},   {1, "VB", kUseWord, 0x01},
      {3, "6x", kUseWord, 0x22},    {3, "1x", kUseBitRead, 0x80},  {23, "C_double", kUseWord, 0xD4},
      {28, "T", kUseBitRead, 0x50}, {28, "C", kUseBitRead, 0x60},
      // unknown names; case matters
      {3, "", kUseWord, 0x00},      {3, "4X", kUseWord, 0x00},     {3, "rp", kUseWord, 0x00},
  };
  // clang-format on
  for (const Case& c : cases)
    EXPECT_EQ(RegisterTypeCode(c.protocol, c.name, c.use), c.code)
        << int(c.protocol) << " " << c.name << " use " << int(c.use);
}

TEST(RegisterTypeCode, LowNibbleIsAValidWidth) {
  // Every type of every list codes to a width of 0, 1, 2 or 4 bytes.
  for (uint8_t p = 1; p <= 36; ++p) {
    auto prof = BuildProfile(p, 0);
    for (uint8_t use : {kUseWord, kUseBitWrite, kUseBitRead})
      for (unsigned i = 0; i < TypeList(prof, use).size(); ++i) {
        int w = RegisterTypeCode(prof, i, use) & 0x0F;
        EXPECT_TRUE(w == 0 || w == 1 || w == 2 || w == 4)
            << int(p) << " use " << int(use) << " " << TypeList(prof, use)[i];
      }
  }
}

}  // namespace
}  // namespace tavo

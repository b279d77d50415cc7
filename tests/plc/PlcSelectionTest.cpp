// The PLC selection dialog's data: lists and defaults per protocol, the station
// field check, OK and Cancel.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "plc/Catalogue.h"
#include "plc/PlcSelection.h"
#include "plc/Protocol.h"
#include "plc/ProtocolFiles.h"
#include "support/TempDir.h"

namespace tavo {
namespace {

// Every protocol in catalogue order, as the generated protocol file offers them.
std::vector<uint8_t> AllProtocols() {
  std::vector<uint8_t> v;
  for (uint8_t p = 1; p <= 36; ++p) v.push_back(p);
  return v;
}

PlcChoice ProjectAt(uint8_t position) {
  PlcChoice c;
  c.plcPos = position;
  c.protocol = position + 1;
  return c;
}

TEST(PlcSelection, ChoosingProtocol2) {
  PlcSelection dlg(AllProtocols(), ProjectAt(0));
  EXPECT_FALSE(dlg.ShowsE5Timeout());
  dlg.SelectProtocolNow(1);
  EXPECT_EQ(dlg.Protocol(), 2);
  EXPECT_EQ(CurrentProtocol(), 2);
  EXPECT_EQ(dlg.BaudRates(), (std::vector<std::string>{"9600", "19200"}));
  const PlcChoice& c = dlg.Current();
  EXPECT_EQ(dlg.BaudRates()[c.baud], "9600");
  EXPECT_EQ(dlg.DataBits()[c.dataBits], "8位");
  EXPECT_EQ(dlg.StopBits()[c.stopBits], "1位");
  EXPECT_EQ(dlg.Parities()[c.parity], "偶校验");
  EXPECT_EQ(dlg.Interfaces()[c.commOption], "485");
  EXPECT_EQ(dlg.E5Field(), 10000);
  EXPECT_TRUE(dlg.ShowsE5Timeout());
  EXPECT_FALSE(dlg.ShowsStation());
  EXPECT_EQ(dlg.Result().e5Timeout, 10000);
}

TEST(PlcSelection, StationFieldCheckedAtIdle) {
  struct Case {
    uint8_t protocol;
    long typed;
    long after;
  };
  const Case cases[] = {{14, 300, 255}, {14, 0, 0},     {14, 255, 255}, {21, 0, 1},
                        {21, 250, 247}, {21, 247, 247}, {31, 256, 255}, {14, -3, 0}};
  for (const Case& c : cases) {
    PlcSelection dlg(AllProtocols(), ProjectAt(c.protocol - 1));
    dlg.SetStationField(c.typed);
    EXPECT_EQ(dlg.Result().commParam, c.after) << int(c.protocol) << " " << c.typed;
    dlg.Idle();
    EXPECT_EQ(dlg.StationField(), c.after) << int(c.protocol) << " " << c.typed;
  }
  PlcSelection dlg(AllProtocols(), ProjectAt(20));
  EXPECT_EQ(dlg.StationMin(), 1);
  EXPECT_EQ(dlg.StationMax(), 247);
}

TEST(PlcSelection, StoredIndicesClampedToTheOfferedLists) {
  PlcChoice project = ProjectAt(4);  // protocol 5: five baud rates
  project.baud = 6;
  project.dataBits = 9;
  project.parity = 3;
  project.commOption = 2;
  PlcSelection dlg(AllProtocols(), project);
  EXPECT_EQ(dlg.Current().baud, 4);
  EXPECT_EQ(dlg.Current().dataBits, 1);
  EXPECT_EQ(dlg.Current().parity, 2);
  EXPECT_EQ(dlg.Current().commOption, 1);
  // A position past the list selects its last entry.
  PlcSelection past(std::vector<uint8_t>{3, 2, 16}, ProjectAt(9));
  EXPECT_EQ(past.Position(), 2);
  EXPECT_EQ(past.Protocol(), 16);
}

TEST(PlcSelection, Protocol15KeepsTheInterface) {
  PlcChoice project = ProjectAt(1);  // protocol 2 with "485"
  project.commOption = 1;
  PlcSelection dlg(AllProtocols(), project);
  dlg.SelectProtocolNow(14);
  EXPECT_EQ(dlg.Protocol(), 15);
  EXPECT_EQ(dlg.Current().commOption, 1);
  EXPECT_EQ(dlg.BaudRates()[dlg.Current().baud], "19200");
  dlg.SelectProtocolNow(13);  // protocol 14 sets "232" and station 1
  EXPECT_EQ(dlg.Current().commOption, 0);
  EXPECT_EQ(dlg.StationField(), 1);
}

TEST(PlcSelection, SelectionTakesEffectAtIdleAndOnlyWhenChanged) {
  PlcChoice project = ProjectAt(2);  // protocol 3
  project.baud = 0;
  PlcSelection dlg(AllProtocols(), project);
  EXPECT_EQ(dlg.Current().baud, 0);  // opening keeps the stored settings
  dlg.SelectPosition(2);
  dlg.Idle();
  EXPECT_EQ(dlg.Current().baud, 0);  // same protocol: no defaults
  dlg.SelectPosition(3);
  EXPECT_EQ(dlg.Protocol(), 3);
  dlg.Idle();
  EXPECT_EQ(dlg.Protocol(), 4);
  EXPECT_EQ(dlg.Current().baud, line::kBaud9600);
  EXPECT_EQ(dlg.Current().dataBits, line::kData7);
}

TEST(PlcSelection, CancelAfterBrowsingChangesNothing) {
  PanelSettings settings;
  settings.m_plcPos = 20;
  settings.m_commParam = 33;
  settings.m_baud = 2;
  ApplyProtocol(21, settings);
  const PanelSettings before = settings;
  const ProtocolProfile profile = CurrentProfile();

  PlcSelection dlg(AllProtocols(), ChoiceFromSettings(settings, CurrentProtocol()));
  for (uint8_t pos : {1, 14, 30, 5}) dlg.SelectProtocolNow(pos);
  dlg.SetStationField(9);
  EXPECT_EQ(CurrentProtocol(), 6);
  dlg.Cancel();
  EXPECT_EQ(CurrentProtocol(), 21);
  EXPECT_EQ(settings, before);
  EXPECT_EQ(CurrentProfile(), profile);
  EXPECT_EQ(dlg.Current().baud, 2);
  EXPECT_EQ(dlg.StationField(), 33);
}

TEST(PlcSelection, OkStoresStationAndE5OnlyWhereTheyApply) {
  struct Case {
    uint8_t protocol;
    bool station;
    bool e5;
  };
  const Case cases[] = {{14, true, false}, {21, true, false}, {31, true, false},
                        {2, false, true},  {3, false, true},  {34, false, true},
                        {1, false, false}, {20, false, false}};
  for (const Case& c : cases) {
    PanelSettings s;
    s.m_commParam = 77;
    s.m_e5Timeout = 1234;
    PlcSelection dlg(AllProtocols(), ChoiceFromSettings(s, 1));
    dlg.SelectProtocolNow(c.protocol - 1);
    dlg.SetStationField(42);
    dlg.SetE5Field(321);
    ApplyChoice(dlg.Result(), s);
    EXPECT_EQ(s.m_plcPos, c.protocol - 1);
    EXPECT_EQ(s.m_commParam, c.station ? 42 : 77) << int(c.protocol);
    EXPECT_EQ(s.m_e5Timeout, c.e5 ? 321 : 1234) << int(c.protocol);
  }
}

TEST(PlcSelection, ConfirmWritesSettingsFileAndRebuildsProfile) {
  namespace fs = std::filesystem;
  const test::TempDir temp;
  const fs::path dir = temp.path;
  ProtocolFiles files((dir / "ormed_Ptc.dat").string(), (dir / "In.dat").string());
  files.m_available = AllProtocols();
  files.m_comPort = 3;
  files.m_driverVersion = 7;
  PanelSettings s;
  ApplyProtocol(1, s);
  PlcSelection dlg(files.m_available, ChoiceFromSettings(s, 1));
  dlg.SelectProtocolNow(30);
  dlg.SetStationField(12);
  EXPECT_EQ(ConfirmPlcSelection(dlg, s, files), "KTC.7");
  EXPECT_EQ(CurrentProtocol(), 31);
  EXPECT_EQ(CurrentProfile().m_protocol, 31);
  EXPECT_EQ(s.m_commParam, 12);
  std::ifstream in(dir / "In.dat", std::ios::binary);
  std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(bytes, (std::vector<char>{30, 3}));
}

TEST(PlcSelection, EmptyListKeepsTheProject) {
  PlcSelection dlg({}, ProjectAt(4));
  EXPECT_TRUE(dlg.ProtocolNames().empty());
  dlg.SelectProtocolNow(2);
  EXPECT_EQ(dlg.Protocol(), 5);
}

TEST(PlcSelection, NamesOfTheAvailableProtocols) {
  PlcSelection dlg(std::vector<uint8_t>{3, 2, 16}, ProjectAt(0));
  EXPECT_EQ(dlg.ProtocolNames(),
            (std::vector<std::string>{"Modbus RTU", "西门子S7-200 系列", "Modbus ASCII"}));
}

}  // namespace
}  // namespace tavo

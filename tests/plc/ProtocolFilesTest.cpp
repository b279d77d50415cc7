// "ormed_Ptc.dat" and "In.dat": start-up, driver loading, saving the choice,
// damaged files, and the protocol-file builder.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "plc/Catalogue.h"
#include "plc/Protocol.h"
#include "plc/ProtocolFiles.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace tavo {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

using test::TempDir;

void WriteFile(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

Bytes ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Bytes Driver(size_t size, uint8_t seed) {
  Bytes d(size);
  for (size_t i = 0; i < size; ++i) d[i] = static_cast<uint8_t>(seed + i * 7);
  return d;
}

Bytes ProtocolFile(const std::vector<PtcRecord>& records) {
  Bytes out;
  std::string error;
  EXPECT_TRUE(BuildProtocolFile(records, out, error)) << error;
  return out;
}

// A file with records for protocols 3, 2 and 16.
Bytes ThreeRecords() {
  return ProtocolFile({{3, 4, Driver(300, 1)}, {2, 9, Driver(1000, 2)}, {16, 5, Driver(10, 3)}});
}

struct Fixture : ::testing::Test {
  TempDir dir;
  std::string ptc = dir / "ormed_Ptc.dat";
  std::string in = dir / "In.dat";
  test::ScriptedPrompter prompter;
  PanelSettings settings;
};

using Startup = Fixture;

TEST_F(Startup, ListsRecordsInFileOrderAndClampsThePosition) {
  WriteFile(ptc, ThreeRecords());
  WriteFile(in, {7, 4});
  ProtocolFiles files(ptc, in);
  files.LoadAtStartup(settings);
  EXPECT_EQ(files.m_available, (Bytes{3, 2, 16}));
  EXPECT_EQ(settings.m_plcPos, 2);
  EXPECT_EQ(files.m_comPort, 4);
  EXPECT_EQ(CurrentProtocol(), 16);
  EXPECT_EQ(CurrentProfile().m_protocol, 16);
  EXPECT_EQ(settings.m_dataBits, line::kData7);  // Modbus ASCII defaults
  EXPECT_TRUE(prompter.Messages().empty());
  EXPECT_EQ(ReadFile(in), (Bytes{7, 4}));  // start-up does not rewrite it
}

TEST_F(Startup, MissingSettingsFileKeepsDefaultsAndIsCreatedEmpty) {
  WriteFile(ptc, ThreeRecords());
  ProtocolFiles files(ptc, in);
  settings.m_plcPos = 2;
  files.LoadAtStartup(settings);
  EXPECT_EQ(settings.m_plcPos, 0);
  EXPECT_EQ(files.m_comPort, 1);  // COM2
  EXPECT_EQ(CurrentProtocol(), 3);
  ASSERT_TRUE(fs::exists(in));
  EXPECT_EQ(fs::file_size(in), 0u);
}

TEST_F(Startup, ShortSettingsFileKeepsWhatItHolds) {
  WriteFile(ptc, ThreeRecords());
  for (const Bytes& content : {Bytes{}, Bytes{1}, Bytes{1, 5, 9, 9}}) {
    WriteFile(in, content);
    ProtocolFiles files(ptc, in);
    files.LoadAtStartup(settings);
    EXPECT_EQ(settings.m_plcPos, content.size() >= 1 ? content[0] : 0);
    EXPECT_EQ(files.m_comPort, content.size() >= 2 ? content[1] : 1);
  }
}

TEST_F(Startup, MissingProtocolFileLeavesNoProtocol) {
  ProtocolFiles files(ptc, in);
  files.LoadAtStartup(settings);
  ASSERT_EQ(prompter.Messages().size(), 1u);
  EXPECT_EQ(prompter.Messages()[0], "文件" + ptc + "不存在!");
  EXPECT_TRUE(files.m_available.empty());
  EXPECT_EQ(CurrentProtocol(), 0);
  EXPECT_TRUE(CurrentProfile().m_wordTypes.empty());
  EXPECT_FALSE(files.CheckForNewProject());
  EXPECT_EQ(prompter.Messages().back(), "文件ormed_Ptc.dat出错!!!");
}

TEST_F(Startup, EmptyProtocolFileOffersNothingWithoutComplaint) {
  for (const Bytes& content : {Bytes{}, Bytes{0}, Bytes{3}, Bytes{3, 0}}) {
    WriteFile(ptc, content);
    ProtocolFiles files(ptc, in);
    files.LoadAtStartup(settings);
    // {3, 0}: the first record is listed (as protocol 0) since only its
    // protocol byte is read at start-up.
    EXPECT_EQ(files.m_available.size(), content.size() == 2 ? 1u : 0u);
  }
  EXPECT_TRUE(prompter.Messages().empty());
}

TEST_F(Startup, LineSettingsOfTheStartProtocol) {
  struct Case {
    uint8_t protocol;
    uint8_t parity;
    uint8_t iface;  // starting from interface 1 ("485")
    uint8_t ctrlStation;
  };
  const Case cases[] = {
      {18, line::kParityOdd, 0, 1},  {15, line::kParityNone, 0, 1}, {24, line::kParityEven, 1, 1},
      {28, line::kParityNone, 1, 1}, {36, line::kParityEven, 1, 1}, {27, line::kParityEven, 0, 1},
      {2, line::kParityEven, 1, 2},  {1, line::kParityNone, 0, 1},
  };
  for (const Case& c : cases) {
    PanelSettings s;
    s.m_commOption = 1;
    ApplyStartupLineSettings(c.protocol, s);
    EXPECT_EQ(s.m_parity, c.parity) << int(c.protocol);
    EXPECT_EQ(s.m_commOption, c.iface) << int(c.protocol);
    EXPECT_EQ(s.m_ctrlStation, c.ctrlStation) << int(c.protocol);
  }
  PanelSettings s;
  ApplyStartupLineSettings(2, s);
  EXPECT_EQ(s.m_e5Timeout, 10000);
  EXPECT_EQ(s.m_baud, 0);
  ApplyStartupLineSettings(21, s);
  EXPECT_EQ(s.m_commParam, 1);
}

using LoadDriver = Fixture;

TEST_F(LoadDriver, FindsTheRecordAndStoresItsPosition) {
  WriteFile(ptc, ThreeRecords());
  WriteFile(in, {0, 3});
  ProtocolFiles files(ptc, in);
  files.LoadAtStartup(settings);
  PanelSettings s;
  ApplyProtocol(2, s);
  ASSERT_TRUE(files.LoadDriver(s));
  EXPECT_EQ(s.m_plcPos, 1);
  EXPECT_EQ(files.m_driverVersion, 9);
  Bytes expected = Driver(1000, 2);
  expected.resize(1000 + 128, 0);
  EXPECT_EQ(files.m_driver, expected);
  EXPECT_EQ(ReadFile(in), (Bytes{1, 3}));  // byte 1 left as it was
  files.ReleaseDriver();
  EXPECT_TRUE(files.m_driver.empty());
}

TEST_F(LoadDriver, AbsentProtocolFails) {
  WriteFile(ptc, ThreeRecords());
  WriteFile(in, {0, 3});
  ProtocolFiles files(ptc, in);
  ApplyProtocol(7, settings);
  settings.m_plcPos = 2;
  EXPECT_FALSE(files.LoadDriver(settings, "下载画面数据"));
  ASSERT_EQ(prompter.said.size(), 1u);
  EXPECT_EQ(prompter.said[0].text, "此协议不存在!");
  EXPECT_EQ(prompter.said[0].caption, "下载画面数据");
  EXPECT_TRUE(files.m_driver.empty());
  EXPECT_EQ(settings.m_plcPos, 2);
  EXPECT_EQ(ReadFile(in), (Bytes{0, 3}));
}

TEST_F(LoadDriver, MissingFileFails) {
  ProtocolFiles files(ptc, in);
  ApplyProtocol(3, settings);
  EXPECT_FALSE(files.LoadDriver(settings));
  EXPECT_EQ(prompter.Messages(), (std::vector<std::string>{"文件" + ptc + "不存在!"}));
  EXPECT_FALSE(fs::exists(in));
}

TEST_F(LoadDriver, WithoutSettingsPathNothingIsWritten) {
  WriteFile(ptc, ThreeRecords());
  ProtocolFiles files(ptc, "");
  ApplyProtocol(16, settings);
  EXPECT_TRUE(files.LoadDriver(settings));
  EXPECT_EQ(settings.m_plcPos, 2);
  EXPECT_FALSE(fs::exists(in));
}

TEST_F(LoadDriver, FirstOfTwoRecordsOfOneProtocolWins) {
  WriteFile(ptc, ProtocolFile({{5, 1, Driver(4, 0)}, {5, 2, Driver(8, 0)}}));
  ProtocolFiles files(ptc, "");
  ApplyProtocol(5, settings);
  ASSERT_TRUE(files.LoadDriver(settings));
  EXPECT_EQ(files.m_driverVersion, 1);
  EXPECT_EQ(files.m_driver.size(), 4u + 128);
}

using SaveChoice = Fixture;

TEST_F(SaveChoice, CreatesATwoByteFile) {
  ProtocolFiles files(ptc, in);
  files.m_comPort = 5;
  settings.m_plcPos = 1;
  EXPECT_TRUE(files.SaveChoice(settings));
  EXPECT_EQ(ReadFile(in), (Bytes{1, 5}));
}

TEST_F(SaveChoice, OverwritesWithoutTruncating) {
  WriteFile(in, {9, 9, 9, 9});
  ProtocolFiles files(ptc, in);
  files.m_comPort = 0;
  settings.m_plcPos = 3;
  EXPECT_TRUE(files.SaveChoice(settings));
  EXPECT_EQ(ReadFile(in), (Bytes{3, 0, 9, 9}));
}

TEST_F(SaveChoice, CreatesTheDirectoryAndReportsFailure) {
  ProtocolFiles nested(ptc, dir / "sub/dir/In.dat");
  EXPECT_TRUE(nested.SaveChoice(settings));
  EXPECT_EQ(ReadFile(dir / "sub/dir/In.dat"), (Bytes{0, 1}));
  fs::create_directory(dir / "adir");
  ProtocolFiles blocked(ptc, dir / "adir");  // a directory cannot be written as a file
  EXPECT_FALSE(blocked.SaveChoice(settings));
  ProtocolFiles none(ptc, "");
  EXPECT_FALSE(none.SaveChoice(settings));
}

// ---- damaged protocol files ----------------------------------------------------

TEST(DamagedProtocolFile, CutRecordsAndOversizedLengths) {
  TempDir dir;
  const std::string ptc = dir / "ormed_Ptc.dat";
  Bytes two = ProtocolFile({{3, 1, Driver(200, 1)}, {4, 2, Driver(100, 2)}});

  struct Case {
    const char* what;
    Bytes file;
    Bytes listed;
    size_t driverOf4;  // bytes of protocol 4's driver; SIZE_MAX = not found
  };
  Bytes cutInDriver(two.begin(), two.begin() + PtcRecordOffset(1) + kPtcHeadSize + 50);
  Bytes cutInHead(two.begin(), two.begin() + PtcRecordOffset(1) + 2);
  Bytes cutBeforeRecord(two.begin(), two.begin() + PtcRecordOffset(1));
  Bytes moreAnnounced = two;
  moreAnnounced[0] = 200;
  Bytes hugeLength = two;
  hugeLength[PtcRecordOffset(1) + 2] = 0xFF;
  hugeLength[PtcRecordOffset(1) + 3] = 0xFF;
  Bytes hugeFirst = two;  // record 0's length may not pull in record 1
  hugeFirst[PtcRecordOffset(0) + 2] = 0xFF;
  hugeFirst[PtcRecordOffset(0) + 3] = 0xFF;
  const Case cases[] = {
      {"whole", two, {3, 4}, 228},
      {"cut in the driver", cutInDriver, {3, 4}, 50},
      {"cut in the head", cutInHead, {3, 4}, 0},
      {"cut before the record", cutBeforeRecord, {3}, SIZE_MAX},
      {"more announced than held", moreAnnounced, {3, 4}, 228},
      {"length past the area", hugeLength, {3, 4}, kPtcDriverArea},
  };
  for (const Case& c : cases) {
    WriteFile(ptc, c.file);
    auto list = ReadProtocolCatalogue(ptc);
    ASSERT_TRUE(list) << c.what;
    EXPECT_EQ(*list, c.listed) << c.what;
    PtcDriver d;
    DriverRead r = ReadProtocolDriver(ptc, 4, d);
    if (c.driverOf4 == SIZE_MAX) {
      EXPECT_EQ(r, DriverRead::NotFound) << c.what;
    } else {
      ASSERT_EQ(r, DriverRead::Ok) << c.what;
      EXPECT_EQ(d.bytes.size(), c.driverOf4) << c.what;
      EXPECT_EQ(d.position, 1) << c.what;
    }
  }
  WriteFile(ptc, hugeFirst);
  PtcDriver d;
  ASSERT_EQ(ReadProtocolDriver(ptc, 3, d), DriverRead::Ok);
  ASSERT_EQ(d.bytes.size(), kPtcDriverArea);
  EXPECT_EQ(d.bytes[kPtcDriverArea - 1], 0);  // the area's end, not record 1's head
}

TEST(DamagedProtocolFile, NotAFile) {
  TempDir dir;
  fs::create_directory(dir / "ormed_Ptc.dat");
  EXPECT_FALSE(ReadProtocolCatalogue(dir / "ormed_Ptc.dat"));
  PtcDriver d;
  EXPECT_EQ(ReadProtocolDriver(dir / "ormed_Ptc.dat", 1, d), DriverRead::NoFile);
  EXPECT_FALSE(ReadSettingsFile(dir / "ormed_Ptc.dat"));
  EXPECT_FALSE(ReadProtocolCatalogue(""));
}

TEST(DamagedProtocolFile, RandomBytesNeverOverreach) {
  TempDir dir;
  const std::string ptc = dir / "ormed_Ptc.dat";
  std::mt19937 rng(12345);
  for (int round = 0; round < 60; ++round) {
    // Sizes around the record boundaries and a few random ones.
    size_t size = round % 3 == 0 ? rng() % 64 : PtcRecordOffset(rng() % 3) + rng() % 40000;
    Bytes file(size);
    for (auto& b : file) b = static_cast<uint8_t>(rng());
    if (!file.empty() && round % 2) file[0] = static_cast<uint8_t>(rng() % 4);
    WriteFile(ptc, file);
    auto list = ReadProtocolCatalogue(ptc);
    ASSERT_TRUE(list);
    EXPECT_LE(list->size(), file.empty() ? 0u : size_t{file[0]});
    for (uint8_t p : *list) {
      PtcDriver d;
      ASSERT_EQ(ReadProtocolDriver(ptc, p, d), DriverRead::Ok);
      EXPECT_LE(d.bytes.size(), kPtcDriverArea);
      EXPECT_LE(PtcRecordOffset(d.position) + kPtcHeadSize + d.bytes.size(),
                std::max(file.size(), PtcRecordOffset(d.position) + kPtcHeadSize));
    }
  }
}

// ---- the builder ---------------------------------------------------------------

TEST(ProtocolFileBuilder, RoundTrip) {
  TempDir dir;
  const std::string ptc = dir / "ormed_Ptc.dat";
  const std::vector<PtcRecord> records{
      {1, 1, {}}, {7, 200, Driver(1, 9)}, {36, 3, Driver(kPtcMaxDriver, 4)}};
  Bytes file = ProtocolFile(records);
  EXPECT_EQ(file.size(), 1 + 3 * kPtcRecordSize);
  EXPECT_EQ(file.size(), 1u + 3 * 32788);
  WriteFile(ptc, file);
  EXPECT_EQ(*ReadProtocolCatalogue(ptc), (Bytes{1, 7, 36}));
  for (size_t k = 0; k < records.size(); ++k) {
    PtcDriver d;
    ASSERT_EQ(ReadProtocolDriver(ptc, records[k].protocol, d), DriverRead::Ok);
    EXPECT_EQ(d.position, k);
    EXPECT_EQ(d.version, records[k].version);
    Bytes expected = records[k].driver;
    expected.resize(expected.size() + 128, 0);
    EXPECT_EQ(d.bytes, expected);
  }
  // Head: length little-endian, the unused bytes zero.
  const uint8_t* head = file.data() + PtcRecordOffset(2);
  EXPECT_EQ(head[2] | head[3] << 8, int(kPtcMaxDriver));
  EXPECT_TRUE(std::all_of(head + 4, head + 20, [](uint8_t b) { return b == 0; }));
}

TEST(ProtocolFileBuilder, Refusals) {
  Bytes out;
  std::string error;
  EXPECT_FALSE(BuildProtocolFile({{1, 1, Driver(kPtcMaxDriver + 1, 0)}}, out, error));
  EXPECT_FALSE(error.empty());
  std::vector<PtcRecord> many(256, PtcRecord{1, 1, {}});
  EXPECT_FALSE(BuildProtocolFile(many, out, error));
  many.pop_back();
  EXPECT_TRUE(BuildProtocolFile(many, out, error));
  EXPECT_EQ(out[0], 255);
}

}  // namespace
}  // namespace tavo

#include <gtest/gtest.h>

#include "base/Gbk.h"
#include "model/OrxBytes.h"
#include "model/ProjectFile.h"
#include "plc/Protocol.h"
#include "support/ScriptedPrompter.h"

namespace tavo {
namespace {

using test::AlarmRecord;
using test::Bytes;
using test::EmptyScreen;
using test::FileHead;
using test::MinimalFile;
using test::SettingsBytes;

struct Read {
  Project project;
  ReadInfo info;
  ProjectFileError error;
  explicit Read(const std::vector<uint8_t>& bytes) {
    error = ReadProjectBytes(bytes, project, info);
  }
};

std::vector<uint8_t> Rewrite(const std::vector<uint8_t>& bytes) {
  Read r(bytes);
  EXPECT_EQ(r.error, ProjectFileError::None);
  return WriteProjectBytes(r.project, r.info.protocol);
}

TEST(ProjectFile, MinimalProjectIs285BytesAndRoundTrips) {
  const auto file = MinimalFile().v;
  ASSERT_EQ(file.size(), 285u);
  Read r(file);
  ASSERT_EQ(r.error, ProjectFileError::None);
  ASSERT_EQ(r.project.ScreenCount(), 1u);
  const CMainView& s = *r.project.ScreenAt(0);
  EXPECT_EQ(s.m_number, 1);
  EXPECT_EQ(s.m_description, "");
  EXPECT_EQ(s.m_upScreen, 0);
  EXPECT_EQ(s.m_downScreen, 2);
  EXPECT_EQ(s.ElementCount(), 0u);
  EXPECT_TRUE(r.project.m_alarmList.m_alarmTexts.empty());
  EXPECT_EQ(r.project.m_fileVersion, 12);
  EXPECT_EQ(WriteProjectBytes(r.project, r.info.protocol), file);
}

TEST(ProjectFile, SettingsByVersion) {
  SettingsBytes s;
  s.protocol = 2;
  s.commOption = 1;
  s.e5Timeout = 300;
  struct Case {
    const char* name;
    Bytes head;
    uint8_t version, stopBits, commOption;
    uint16_t e5;
  } cases[] = {
      {"12", FileHead(12, s), 12, 1, 1, 300},
      {"11: no E5 timeout", FileHead(11, s), 11, 1, 1, 0},
      {"10: no E5 timeout", FileHead(10, s), 10, 1, 1, 0},
      {"1, stop bits 0x81: interface option follows",
       FileHead(1, s).u8(0x81).u8(s.parity).u8(s.commParam).u8(s.protoMode).u8(s.saverAction).u8(1),
       1, 1, 1, 0},
      {"1, stop bits 0x01: no interface option",
       FileHead(1, s).u8(0x01).u8(s.parity).u8(s.commParam).u8(s.protoMode).u8(s.saverAction), 1, 1,
       0, 0},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.name);
    Bytes file = c.head;
    file.zeros(98).w(1).newClass("CMainView").append(EmptyScreen(1)).append(AlarmRecord());
    Read r(file.v);
    ASSERT_EQ(r.error, ProjectFileError::None);
    const PanelSettings& p = r.project.m_settings;
    EXPECT_EQ(r.project.m_fileVersion, c.version);
    EXPECT_EQ(r.info.protocol, 2);
    EXPECT_EQ(p.m_password, 1234);
    EXPECT_EQ(p.m_startScreen, 7);
    EXPECT_EQ(p.m_ctrlStation, 4);
    EXPECT_EQ(p.m_ctrlRegAddr, 0x1122);
    EXPECT_EQ(p.m_ctrlRegType, 2);
    EXPECT_EQ(p.m_saverScreen, 9);
    EXPECT_EQ(p.m_saverDelay, 5);
    EXPECT_EQ(p.m_ctrlFlags, 5);
    EXPECT_EQ(p.m_baud, 3);
    EXPECT_EQ(p.m_dataBits, 1);
    EXPECT_EQ(p.m_stopBits, c.stopBits);
    EXPECT_EQ(p.m_parity, 2);
    EXPECT_EQ(p.m_commParam, 17);
    EXPECT_EQ(p.m_protoMode, 1);
    EXPECT_EQ(p.m_saverAction, 1);
    EXPECT_EQ(p.m_commOption, c.commOption);
    EXPECT_EQ(p.m_e5Timeout, c.e5);
    ASSERT_EQ(r.project.ScreenCount(), 1u);  // the rest of the file lines up
    EXPECT_EQ(r.project.ScreenAt(0)->m_downScreen, 2);

    // Written back in the program's own form: version 12 with every field.
    SettingsBytes expect = s;
    expect.commOption = c.commOption;
    expect.e5Timeout = c.e5;
    EXPECT_EQ(WriteProjectBytes(r.project, r.info.protocol), MinimalFile(12, expect).v);
  }
}

TEST(ProjectFile, ScreensTaggedWithTheRunningIndex) {
  const std::string desc255(255, 'd');
  Bytes file = FileHead(12);
  file.zeros(98).w(3);
  file.newClass("CMainView").append(EmptyScreen(1, G("首页")));
  file.w(0x8001).append(EmptyScreen(2, desc255));
  file.w(0x8001).append(EmptyScreen(65535));
  file.append(AlarmRecord({G("温度过高"), "", "Pump"}, 2, 100, 3, 1, 7));
  Read r(file.v);
  ASSERT_EQ(r.error, ProjectFileError::None);
  ASSERT_EQ(r.project.ScreenCount(), 3u);
  EXPECT_EQ(r.project.ScreenAt(0)->m_description, G("首页"));
  EXPECT_EQ(r.project.ScreenAt(1)->m_description, desc255);
  EXPECT_EQ(r.project.ScreenAt(2)->m_downScreen, 0);  // 65535 + 1 wraps
  const CAlarmList& a = r.project.m_alarmList;
  EXPECT_EQ(a.m_station, 2);
  EXPECT_EQ(a.m_alarmbegin, 100);
  EXPECT_EQ(a.m_subAddr, 3);
  EXPECT_EQ(a.m_regType, 1);
  EXPECT_EQ(a.m_bitOffset, 7);
  EXPECT_EQ(a.m_alarmTexts, (std::vector<std::string>{G("温度过高"), "", "Pump"}));
  const auto written = WriteProjectBytes(r.project, r.info.protocol);
  EXPECT_EQ(written, file.v);
  // The 255-byte description: byte 0xFF, then the word 255.
  const size_t at = 133 + 15 + (2 + 5 + 4 + 20 + 2) + 2 + 2;  // screen 2's description
  EXPECT_EQ(std::vector<uint8_t>(written.begin() + at, written.begin() + at + 3),
            (std::vector<uint8_t>{0xFF, 0xFF, 0x00}));
}

TEST(ProjectFile, FileFromElsewhereComesBackInOwnForm) {
  // Reserved bytes not zero, long length prefixes, a wide description, a long
  // count form and trailing bytes.
  Bytes file = FileHead(12);
  file.raw(std::string(98, '\x77')).w(0xFFFF).i32(1).newClass("CMainView");
  file.w(4).u8(0xFF).w(0xFFFE).u8(2).w(0x753B).w(0x9762).w(3).w(5).raw(std::string(20, '\x01'));
  file.w(0);
  file.u8(1).w(0).u8(0).u8(0).u8(0).raw(std::string(100, '\x02')).w(1).u8(0xFF).w(3).raw("abc");
  file.raw("trailing");
  Bytes own = FileHead(12);
  own.zeros(98).w(1).newClass("CMainView").w(4).str(G("画面")).w(3).w(5).zeros(20).w(0);
  own.append(AlarmRecord({"abc"}));
  EXPECT_EQ(Rewrite(file.v), own.v);
}

TEST(ProjectFile, ProtocolOutsideTheCatalogueIsKept) {
  SettingsBytes s;
  s.protocol = 99;
  EXPECT_EQ(Rewrite(MinimalFile(12, s).v), MinimalFile(12, s).v);
}

TEST(ProjectFile, CurrentScreenAlwaysExists) {
  SettingsBytes s;
  s.curScreen = 1;
  Bytes two = FileHead(12, s);
  two.zeros(98).w(2).newClass("CMainView").append(EmptyScreen(3)).w(0x8001);
  two.append(EmptyScreen(4)).append(AlarmRecord());
  EXPECT_EQ(Read(two.v).project.m_curScreen, 1);

  s.curScreen = 2;  // past the end: opens on the first screen
  Bytes past = FileHead(12, s);
  past.zeros(98).w(2).newClass("CMainView").append(EmptyScreen(3)).w(0x8001);
  past.append(EmptyScreen(4)).append(AlarmRecord());
  Read r(past.v);
  ASSERT_EQ(r.error, ProjectFileError::None);
  EXPECT_EQ(r.project.m_curScreen, 0);
  EXPECT_NE(r.project.CurrentScreen(), nullptr);

  s.curScreen = 0;  // no screen: screen 1 is created
  Bytes none = FileHead(12, s);
  none.zeros(98).w(0).append(AlarmRecord());
  Read n(none.v);
  ASSERT_EQ(n.error, ProjectFileError::None);
  ASSERT_EQ(n.project.ScreenCount(), 1u);
  EXPECT_EQ(n.project.ScreenAt(0)->m_number, 1);
  EXPECT_EQ(n.project.ScreenAt(0)->m_downScreen, 2);
}

TEST(ProjectFile, RefusalsAndTheirMessages) {
  const auto minimal = MinimalFile().v;
  const size_t screenTag = 8 + 25 + 98 + 2;
  auto patched = [&](size_t at, std::vector<uint8_t> bytes) {
    auto v = minimal;
    for (size_t i = 0; i < bytes.size(); ++i) v[at + i] = bytes[i];
    return v;
  };
  auto head = [&](size_t n) { return std::vector<uint8_t>(minimal.begin(), minimal.begin() + n); };
  Bytes elementScreen = FileHead(12);  // a screen whose element is a screen
  elementScreen.zeros(98).w(1).newClass("CMainView").w(1).str("").w(0).w(2).zeros(20).w(1);
  elementScreen.w(0x8001).append(EmptyScreen(2)).append(AlarmRecord());
  Bytes baseElement = FileHead(12);
  baseElement.zeros(98).w(1).newClass("CMainView").w(1).str("").w(0).w(2).zeros(20).w(1);
  baseElement.newClass("CBase").u8(0).i32(0).i32(0).append(AlarmRecord());
  Bytes hugeText = FileHead(12);
  hugeText.zeros(98).w(1).newClass("CMainView").w(1).u8(0xFF).w(0xFFFF).i32(0x7FFFFFFF);
  Bytes hugeAlarms = FileHead(12);
  hugeAlarms.zeros(98).w(1).newClass("CMainView").append(EmptyScreen(1));
  hugeAlarms.u8(1).w(0).u8(0).u8(0).u8(0).zeros(100).w(0xFFFF).i32(-1);

  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
    ProjectFileError error;
    const char* message;
  } cases[] = {
      {"file tag", patched(0, {0x09}), ProjectFileError::NotOrx, "请确认是否为orx文件!"},
      {"magic", patched(1, {'o'}), ProjectFileError::NotOrx, "请确认是否为orx文件!"},
      {"5 bytes", head(5), ProjectFileError::NotOrx, "请确认是否为orx文件!"},
      {"format mark 2", patched(7, {2}), ProjectFileError::VersionMismatch, "软件版本不匹配!"},
      {"version 13", patched(6, {13}), ProjectFileError::VersionMismatch, "软件版本不匹配!"},
      {"version 2", patched(6, {2}), ProjectFileError::VersionMismatch, "软件版本不匹配!"},
      {"no mark", head(7), ProjectFileError::VersionMismatch, "软件版本不匹配!"},
      {"cut in settings", head(20), ProjectFileError::EndOfFile,
       "试图越过其尾端对 a.orx 进行读写。"},
      {"cut in alarm list", head(284), ProjectFileError::EndOfFile,
       "试图越过其尾端对 a.orx 进行读写。"},
      {"text length 2^31", hugeText.v, ProjectFileError::EndOfFile,
       "试图越过其尾端对 a.orx 进行读写。"},
      {"alarm count 2^32-1", hugeAlarms.v, ProjectFileError::EndOfFile,
       "试图越过其尾端对 a.orx 进行读写。"},
      {"screen count too large", patched(screenTag - 2, {0xFF, 0xFF}), ProjectFileError::EndOfFile,
       "试图越过其尾端对 a.orx 进行读写。"},
      {"schema 2", patched(screenTag + 2, {2}), ProjectFileError::BadSchema,
       "a.orx 包含错误的模式。"},
      {"unknown class", patched(screenTag + 6, {'X'}), ProjectFileError::BadClass,
       "a.orx 含有非预期的对象。"},
      {"class name of 64", patched(screenTag + 4, {64}), ProjectFileError::BadClass,
       "a.orx 含有非预期的对象。"},
      {"element class for a screen", patched(screenTag + 4, {6, 0, 'C', 'C', 'h', 'a', 'r', 's'}),
       ProjectFileError::BadClass, "a.orx 含有非预期的对象。"},
      {"null screen", patched(screenTag, {0, 0}), ProjectFileError::BadClass,
       "a.orx 含有非预期的对象。"},
      {"reference tag", patched(screenTag, {5, 0}), ProjectFileError::BadIndex, "a.orx 格式错。"},
      {"class index never given", patched(screenTag, {0x05, 0x80}), ProjectFileError::BadIndex,
       "a.orx 格式错。"},
      {"screen where an element is", elementScreen.v, ProjectFileError::BadClass,
       "a.orx 含有非预期的对象。"},
      {"CBase where an element is", baseElement.v, ProjectFileError::BadClass,
       "a.orx 含有非预期的对象。"},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.name);
    Read r(c.bytes);
    EXPECT_EQ(r.error, c.error);
    EXPECT_EQ(ProjectFileMessage(r.error, "a.orx").text, c.message);
  }
  EXPECT_EQ(ProjectFileMessage(ProjectFileError::NotOrx, "a.orx").caption, "文件格式错误");
  EXPECT_EQ(ProjectFileMessage(ProjectFileError::VersionMismatch, "a.orx").caption, "文件格式错误");
}

TEST(ProjectFile, ReadingRestoresTheProgramProtocol) {
  SetCurrentProtocol(7);
  SettingsBytes s;
  s.protocol = 2;
  Read ok(MinimalFile(12, s).v);
  EXPECT_EQ(ok.info.protocol, 2);
  EXPECT_EQ(CurrentProtocol(), 7);  // applying it is the caller's step
  auto bad = MinimalFile(12, s).v;
  bad.resize(200);
  Read failed(bad);
  EXPECT_EQ(CurrentProtocol(), 7);
  SetCurrentProtocol(1);
}

}  // namespace
}  // namespace tavo

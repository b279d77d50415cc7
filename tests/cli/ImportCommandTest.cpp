#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "model/OldProject.h"
#include "support/CliRun.h"
#include "support/OldProjectBuilder.h"
#include "support/TempDir.h"

namespace tavo {
namespace {

using test::CliRun;
using test::OldElement;
using test::OldFileBuilder;
using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

CliRun Tavo(std::vector<std::string> args) {
  args.insert(args.begin(), "import");
  return test::Tavo(std::move(args));
}

std::vector<uint8_t> OldFile() {
  OldFileBuilder b;
  b.AddScreen(1, "main");
  b.alarms = {"a"};
  return b.Bytes();
}

TEST(ImportCommand, ConvertsBesideTheOldFileOrWhereTold) {
  TempDir dir;
  WriteBytes(dir.File("plant.qse"), OldFile());
  CliRun r = Tavo({dir.File("plant.qse")});
  EXPECT_EQ(r.status, cli::kExitOk) << r.err;
  EXPECT_EQ(r.out, "旧工程导入成功!\n");
  EXPECT_EQ(ReadBytes(dir.File("plant.orx")), *ConvertOldProject(OldFile()));

  r = Tavo({dir.File("plant.qse"), "-o", dir.File("other.orx"), "--data-dir", dir.path});
  EXPECT_EQ(r.status, cli::kExitOk) << r.err;
  EXPECT_TRUE(std::filesystem::exists(dir.File("other.orx")));
}

TEST(ImportCommand, ExitStatusSaysWhatWentWrong) {
  TempDir dir;
  auto bad = OldFile();
  bad[0] = 0x04;
  WriteBytes(dir.File("bad.qse"), bad);
  auto shortOne = OldFile();
  shortOne.resize(shortOne.size() - 1);
  WriteBytes(dir.File("short.qse"), shortOne);
  WriteBytes(dir.File("good.qse"), OldFile());
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string err;
  } cases[] = {
      {{dir.File("missing.qse")}, cli::kExitRefused, "文件打开错误!\n"},
      {{dir.File("bad.qse")}, cli::kExitRefused, "文件格式非法!\n"},
      {{dir.File("short.qse")}, cli::kExitRefused, "文件格式非法!\n"},
      {{dir.File("good.qse"), "-o", dir.File("none/x.orx")}, cli::kExitFailure, "导入失败!\n"},
  };
  for (const auto& c : cases) {
    CliRun r = Tavo(c.args);
    EXPECT_EQ(r.status, c.status) << c.args[0];
    EXPECT_EQ(r.err, c.err) << c.args[0];
    EXPECT_EQ(r.out, "");
  }
  EXPECT_FALSE(std::filesystem::exists(dir.File("bad.orx")));
  EXPECT_FALSE(std::filesystem::exists(dir.File("short.orx")));

  EXPECT_EQ(Tavo({}).status, cli::kExitFailure);
  EXPECT_EQ(Tavo({"a.qse", "b.qse"}).status, cli::kExitFailure);
  EXPECT_EQ(Tavo({"a.qse", "-o"}).status, cli::kExitFailure);
}

// JSON without the white space outside strings.
std::string Compact(const std::string& json) {
  std::string out;
  bool inString = false, escaped = false;
  for (char c : json) {
    if (inString) {
      escaped = !escaped && c == '\\';
      if (c == '"' && !escaped) inString = false;
    } else if (c == '"') {
      inString = true;
    } else if (c == ' ' || c == '\n') {
      continue;
    }
    out += c;
  }
  return out;
}

TEST(ImportCommand, TheConvertedProjectShowsItsValuesInInfo) {
  TempDir dir;
  OldFileBuilder b;
  b.header[13] = 1;                // protocol 7
  test::Put16(b.header, 58, 123);  // control register, octal digits
  auto& s = b.AddScreen(1, "main");
  s.elements.push_back(OldElement(kOldLight, 90, 0));
  auto text = OldElement(kOldText, 45, 36);
  test::PutText(text, 14, 15, "\xCE\xC2\xB6\xC8");  // 温度
  s.elements.push_back(text);
  WriteBytes(dir.File("p.qse"), b.Bytes());
  ASSERT_EQ(Tavo({dir.File("p.qse")}).status, cli::kExitOk);

  CliRun info = test::Tavo({"info", dir.File("p.orx"), "--json"});
  ASSERT_EQ(info.status, cli::kExitOk) << info.err;
  const std::string j = Compact(info.out);
  EXPECT_NE(j.find("\"m_fileVersion\":1,"), std::string::npos);
  EXPECT_NE(j.find("\"protocol\":7,"), std::string::npos);
  EXPECT_NE(j.find("\"m_ctrlRegAddr\":83,"), std::string::npos);
  // The text comes first, then the light.
  size_t textAt = j.find("{\"class\":\"CChars\",\"m_kind\":1,\"m_x\":20,\"m_y\":16,");
  size_t lightAt = j.find("{\"class\":\"CLight\",\"m_kind\":3,\"m_x\":40,\"m_y\":0,");
  ASSERT_NE(textAt, std::string::npos) << j;
  ASSERT_NE(lightAt, std::string::npos) << j;
  EXPECT_LT(textAt, lightAt);
  EXPECT_NE(j.find("\"m_text\":\"温度\""), std::string::npos);
}

}  // namespace
}  // namespace tavo

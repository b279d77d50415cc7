#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/Cli.h"
#include "render/FontLibrary.h"
#include "render/FontTestSupport.h"

namespace tavo {
namespace {

using test::TempDir;

const std::string kA = "00000000182424427E42424242000000";  // 8 x 16 'A'

int RunFontlib(std::vector<std::string> args) {
  args.insert(args.begin(), {"tavo", "fontlib"});
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  return cli::Main(static_cast<int>(argv.size()), argv.data());
}

}  // namespace

TEST(FontlibCommand, WritesBothLibrariesAndRefusesBadInput) {
  TempDir dir;
  std::string hex = dir.WriteText("f.hex", "0041:" + kA + "\n"), out = dir.File("out/sub");
  ASSERT_EQ(RunFontlib({"--unifont", hex, "-o", out}), cli::kExitOk);
  EXPECT_EQ(test::ReadAll(out + "/" + kEnglishFontFile).size(), kEnglishLibraryBytes);
  EXPECT_EQ(test::ReadAll(out + "/" + kChineseFontFile).size(), kChineseLibraryBytes);
  EXPECT_EQ(RunFontlib({"--unifont", hex}), cli::kExitFailure);
  EXPECT_EQ(RunFontlib({"--unifont", dir.File("none"), "-o", out}), cli::kExitFailure);
  EXPECT_EQ(RunFontlib({"--unifont", dir.path, "-o", out}), cli::kExitFailure);
  for (std::string bad :
       {std::string(), "hello\n" + std::string(5000, 'A'), "0041:" + kA.substr(1)})
    EXPECT_EQ(RunFontlib({"--unifont", dir.WriteText("bad.hex", bad), "-o", out}),
              cli::kExitRefused);
}

}  // namespace tavo

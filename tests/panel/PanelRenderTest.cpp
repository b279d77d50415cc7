// tavo-panel --render and the values file.
#include <gtest/gtest.h>

#include <cstdio>

#include "panel/PanelOptions.h"
#include "panel/PanelRender.h"
#include "panel/TestImage.h"
#include "support/TempDir.h"

namespace tavo::panel {
namespace {

using tavo::test::ReadBytes;
using tavo::test::TempDir;
using tavo::test::WriteBytes;

std::vector<uint8_t> SmallImage() {
  panel::test::TestImage t;
  t.slots = {panel::test::SlotBox(0, 0, 16, 16), panel::test::SlotBox(0, 0, 16, 16)};
  t.screens = {{1, 2, 0, {panel::test::Light(0, 0, 9, 0, 0, 1)}},
               {2, 0, 1, {panel::test::Key(0, 0, 0, 7, 1, 9, 0, {1})}}};
  return t.Build();
}

std::vector<uint8_t> Bytes(std::string_view text) {
  return {text.begin(), text.end()};
}

// Width and height from a PNG's header.
std::pair<int, int> PngSize(const std::vector<uint8_t>& png) {
  if (png.size() < 24) return {0, 0};
  auto be = [&](size_t at) {
    return png[at] << 24 | png[at + 1] << 16 | png[at + 2] << 8 | png[at + 3];
  };
  return {be(16), be(20)};
}

struct RunResult {
  int status = 0;
  std::string out, err;
};

RunResult Render(const std::vector<std::string>& args) {
  RunResult r;
  std::string error;
  auto options = ParseRenderOptions(args, error);
  if (!options) {
    r.status = -1;
    r.err = error;
    return r;
  }
  std::FILE* out = std::tmpfile();
  std::FILE* err = std::tmpfile();
  r.status = RunRender(*options, out, err);
  for (auto [file, text] : {std::pair{out, &r.out}, std::pair{err, &r.err}}) {
    std::rewind(file);
    char buf[512];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, file)) > 0) text->append(buf, n);
    std::fclose(file);
  }
  return r;
}

TEST(PanelRender, ImageToScaledPngWithValuesAndKeys) {
  TempDir dir;
  WriteBytes(dir.File("img.bin"), SmallImage());
  WriteBytes(dir.File("v.json"), Bytes(R"([{"type": 16, "address": 9, "value": 1}])"));
  RunResult r = Render({"--render", dir.File("img.bin"), "-o", dir.File("a.png")});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "screen 1\n");
  EXPECT_EQ(PngSize(ReadBytes(dir.File("a.png"))), (std::pair{768, 256}));
  r = Render({"--render", dir.File("img.bin"), "--scale", "1", "-o", dir.File("b.png"), "--values",
              dir.File("v.json"), "--press", "up,ent,down"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "screen 1\n");
  EXPECT_EQ(PngSize(ReadBytes(dir.File("b.png"))), (std::pair{192, 64}));
  r = Render({"--render", dir.File("img.bin"), "--screen", "2", "-o", dir.File("c.png")});
  EXPECT_EQ(r.out, "screen 2\n");
  // The panel memory of a completed download is drawn the same way.
  std::vector<uint8_t> memory(0x10000, 0);
  const std::vector<uint8_t> image = SmallImage();
  std::copy(image.begin(), image.end(), memory.begin() + 0x8000);
  memory[0x8000] = 0x5A;
  memory[0x8001] = 0xA5;
  WriteBytes(dir.File("mem.bin"), memory);
  r = Render({"--render", dir.File("mem.bin"), "--screen", "2", "-o", dir.File("d.png")});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(ReadBytes(dir.File("c.png")), ReadBytes(dir.File("d.png")));
}

TEST(PanelRender, RefusedInputsAndFailures) {
  TempDir dir;
  std::vector<uint8_t> memory(0x10000, 0xFF);
  WriteBytes(dir.File("cut.bin"), memory);
  WriteBytes(dir.File("img.bin"), SmallImage());
  WriteBytes(dir.File("junk.bin"), {1, 2, 3});
  WriteBytes(dir.File("bad.json"), Bytes("{}"));
  // No validity mark: exit 2, a notice, and the dark display the panel shows.
  RunResult r = Render({"--render", dir.File("cut.bin"), "-o", dir.File("cut.png")});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("validity mark"), std::string::npos);
  EXPECT_EQ(PngSize(ReadBytes(dir.File("cut.png"))), (std::pair{768, 256}));
  r = Render({"--render", dir.File("junk.bin"), "-o", dir.File("j.png")});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("not a screen-data image"), std::string::npos);
  r = Render({"--render", dir.File("none.bin"), "-o", dir.File("n.png")});
  EXPECT_EQ(r.status, 1);
  r = Render({"--render", dir.File("img.bin"), "--screen", "5", "-o", dir.File("s.png")});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("no screen 5"), std::string::npos);
  r = Render(
      {"--render", dir.File("img.bin"), "-o", dir.File("v.png"), "--values", dir.File("bad.json")});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("values"), std::string::npos);
  r = Render({"--render", dir.File("img.bin"), "-o", dir.File("nodir/x.png")});
  EXPECT_EQ(r.status, 1);
}

TEST(PanelRender, OptionErrors) {
  const std::vector<std::vector<std::string>> bad = {
      {"--render", "a.bin"},                                 // no output
      {"-o", "x.png"},                                       // no input
      {"--render", "a.bin", "-o", "x.png", "--scale", "0"},  // scale 1-16
      {"--render", "a.bin", "-o", "x.png", "--scale", "17"},
      {"--render", "a.bin", "-o", "x.png", "--screen", "65536"},
      {"--render", "a.bin", "-o", "x.png", "--press", "ent,,up"},
      {"--render", "a.bin", "-o", "x.png", "--press", "F1"},
      {"--render", "a.bin", "-o", "x.png", "--pace"},
      {"--render", "a.bin", "-o"},
  };
  for (const auto& args : bad) {
    std::string error;
    EXPECT_FALSE(ParseRenderOptions(args, error)) << args.back();
    EXPECT_FALSE(error.empty());
  }
  // The emulator's own parser hands every argument over when --render is present.
  std::string error;
  auto opt = ParsePanelOptions({"--scale", "2", "--render", "a.bin", "-o", "x.png"}, error);
  ASSERT_TRUE(opt);
  EXPECT_EQ(opt->render.size(), 6u);
  auto render = ParseRenderOptions(opt->render, error);
  ASSERT_TRUE(render);
  EXPECT_EQ(render->scale, 2);
}

TEST(PanelRender, TheEmulatorBinaryRenders) {
  TempDir dir;
  WriteBytes(dir.File("img.bin"), SmallImage());
  const std::string cmd = std::string(TAVO_BIN_DIR) + "/tavo-panel --render " +
                          dir.File("img.bin") + " -o " + dir.File("x.png") + " > /dev/null";
  EXPECT_EQ(std::system(cmd.c_str()), 0);
  EXPECT_EQ(PngSize(ReadBytes(dir.File("x.png"))), (std::pair{768, 256}));
}

// ---- values file ----

TEST(PlcValues, AcceptedForms) {
  SimulatedPlc plc;
  std::string error;
  ASSERT_TRUE(LoadPlcValues(R"({"values": [
      {"station": 2, "type": "0x12", "address": 100, "sub": 3, "value": 1234},
      {"type": 16, "address": 0, "value": true},
      {"type": "0X82", "address": "0x10", "value": -2},
      {"type": 2, "address": 65535, "value": 4294967295},
      {"type": 2, "address": 7, "value": [1, 2, 3]}
    ]})",
                            plc, error))
      << error;
  EXPECT_EQ(plc.Get({2, 0x12, 100, 3}), 1234u);
  EXPECT_EQ(plc.Get({1, 0x10, 0, 0}), 1u);  // station defaults to 1
  EXPECT_EQ(plc.Get({1, 0x82, 16, 0}), 0xFFFFFFFEu);
  EXPECT_EQ(plc.Get({1, 0x02, 65535, 0}), 0xFFFFFFFFu);
  EXPECT_EQ(plc.Get({1, 0x02, 7, 0}), 3u);
  ASSERT_NE(plc.History({1, 0x02, 7, 0}), nullptr);
  EXPECT_EQ(*plc.History({1, 0x02, 7, 0}), (std::vector<uint32_t>{1, 2}));
  // What is saved reads back the same.
  SimulatedPlc again;
  ASSERT_TRUE(LoadPlcValues(SavePlcValues(plc), again, error)) << error;
  EXPECT_EQ(again.Values(), plc.Values());
  EXPECT_EQ(*again.History({1, 0x02, 7, 0}), (std::vector<uint32_t>{1, 2}));
}

TEST(PlcValues, RefusedFilesLeaveThePlcAsItWas) {
  const char* bad[] = {
      "",
      "{}",
      "[{\"type\": 2, \"address\": 1}]",   // no value
      "[{\"address\": 1, \"value\": 1}]",  // no type
      "[{\"type\": 256, \"address\": 1, \"value\": 1}]",
      "[{\"type\": 2, \"address\": 65536, \"value\": 1}]",
      "[{\"type\": 2, \"address\": -1, \"value\": 1}]",
      "[{\"type\": 2, \"address\": 1, \"value\": 4294967296}]",
      "[{\"type\": 2, \"address\": 1, \"value\": -2147483649}]",
      "[{\"type\": 2, \"address\": 1, \"value\": 1.5}]",
      "[{\"type\": 2, \"address\": 1, \"value\": []}]",
      "[{\"type\": \"0xZZ\", \"address\": 1, \"value\": 1}]",
      "[{\"type\": 2, \"address\": 1, \"value\": 1}] trailing",
      "[{\"type\": 2, \"address\": 1, \"value\": 99999999999999999999}]",
      "[1]",
      "[[[[[[[[[[[[[[[[[[[[[[[[]]]]]]]]]]]]]]]]]]]]]]]]",
      "[{\"type\": 2, \"address\": 1, \"value\": \"x\"}",
  };
  for (const char* text : bad) {
    SimulatedPlc plc;
    plc.Set({1, 2, 3, 0}, 5);
    std::string error;
    EXPECT_FALSE(LoadPlcValues(text, plc, error)) << text;
    EXPECT_FALSE(error.empty()) << text;
    EXPECT_EQ(plc.Values().size(), 1u) << text;
  }
}

}  // namespace
}  // namespace tavo::panel

// Makes the fuzz targets' seed corpora from the example projects and from
// what the program itself writes: fuzz-seeds SOURCE_DIR BIN_DIR OUT_DIR, one
// folder per target under OUT_DIR.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "download/Frame.h"
#include "download/ImageCompiler.h"
#include "download/RunDownload.h"
#include "model/Project.h"
#include "model/ProjectFile.h"
#include "model/ProjectTextForm.h"
#include "panel/InProcessPanel.h"
#include "panel/PanelRuntime.h"
#include "panel/SimulatedPlc.h"
#include "plc/ProtocolFiles.h"
#include "support/OldProjectBuilder.h"

namespace fs = std::filesystem;
using namespace tavo;
using Bytes = std::vector<uint8_t>;

namespace {

fs::path g_out;

void Seed(const char* target, const std::string& name, const Bytes& bytes) {
  const fs::path dir = g_out / target;
  fs::create_directories(dir);
  std::ofstream(dir / name, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}
void Seed(const char* target, const std::string& name, const std::string& text) {
  Seed(target, name, Bytes(text.begin(), text.end()));
}

Bytes ReadAll(const fs::path& path, size_t max = SIZE_MAX) {
  std::ifstream in(path, std::ios::binary);
  Bytes b((std::istreambuf_iterator<char>(in)), {});
  if (b.size() > max) b.resize(max);
  return b;
}

void Put32(Bytes& b, uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

// A bottom-up BMP of `bits` bits a pixel (1 or 24), width x height.
Bytes Bmp(int width, int height, int bits) {
  const uint32_t row = ((static_cast<uint32_t>(width * bits) + 31) / 32) * 4;
  const uint32_t palette = bits == 1 ? 8 : 0;
  const uint32_t offset = 14 + 40 + palette, image = row * static_cast<uint32_t>(height);
  Bytes b = {'B', 'M'};
  Put32(b, offset + image);
  Put32(b, 0);
  Put32(b, offset);
  Put32(b, 40);
  Put32(b, static_cast<uint32_t>(width));
  Put32(b, static_cast<uint32_t>(height));
  b.push_back(1), b.push_back(0), b.push_back(static_cast<uint8_t>(bits)), b.push_back(0);
  Put32(b, 0);
  Put32(b, image);
  Put32(b, 2835), Put32(b, 2835), Put32(b, bits == 1 ? 2 : 0), Put32(b, 0);
  if (bits == 1) Put32(b, 0), Put32(b, 0x00FFFFFF);
  for (uint32_t i = 0; i < image; ++i) b.push_back(static_cast<uint8_t>(i * 37));
  return b;
}

void FromExamples(const fs::path& examples, const fs::path& bin) {
  for (const auto& e : fs::directory_iterator(examples)) {
    if (e.path().extension() != ".orx") continue;
    const std::string stem = e.path().stem().string();
    const Bytes orx = ReadAll(e.path());
    Seed("project_file", stem + ".orx", orx);
    Seed("compile", stem + ".orx", orx);
    Project p;
    ReadInfo info;
    if (ReadProjectBytes(orx, p, info) != ProjectFileError::None) continue;
    Seed("text_form", stem + ".json", ProjectToTextForm(p, info.protocol));
    ImageCompilerOptions options;
    options.loadDriver = [](PanelSettings&, ProtocolDriver&) { return true; };
    options.chineseFontPath = (bin / "ormed_CH.dat").string();
    options.englishFontPath = (bin / "ormed_EN.dat").string();
    const CompiledImage image = CompileImage(p, options);
    if (!image.Ok()) continue;
    Seed("panel_image", stem + ".img", image.image);
    panel::PanelRuntime rt;
    if (rt.Load(image.image)) Seed("plc_values", stem + ".json", panel::SavePlcValues(rt.Plc()));
  }
}

void OldProjects() {
  test::OldFileBuilder empty;
  empty.AddScreen(1, "screen");
  Seed("old_project", "one-screen.qse", empty.Bytes());
  test::OldFileBuilder all;
  auto& s = all.AddScreen(2, "all");
  for (uint8_t kind = 1; kind <= 8; ++kind)
    s.elements.push_back(
        test::OldElement(kind, 8 * kind, 4, kind == 7 ? 32 : 0, kind == 8 ? 2 : 0));
  all.AddScreen(3);
  all.alarms = {"alarm", "second"};
  Seed("old_project", "all-kinds.qse", all.Bytes());
}

void DataFiles(const fs::path& bin) {
  Seed("picture", "mono.bmp", Bmp(16, 8, 1));
  Seed("picture", "colour.bmp", Bmp(5, 3, 24));
  std::vector<PtcRecord> records = {{1, 3, Bytes(40, 0x11)}, {7, 1, Bytes(300, 0x22)}};
  Bytes ptc;
  std::string error;
  if (BuildProtocolFile(records, ptc, error)) Seed("protocol_file", "two.dat", ptc);
  // The glyph codes, then the library's bytes (the Chinese one cut short).
  Bytes en = {0xB0, 0xA1, 'A'}, ch = {0xA1, 0xA2, '0'};
  const Bytes enLib = ReadAll(bin / "ormed_EN.dat"), chLib = ReadAll(bin / "ormed_CH.dat", 8192);
  en.insert(en.end(), enLib.begin(), enLib.end());
  ch.insert(ch.end(), chLib.begin(), chLib.end());
  Seed("font_library", "english.dat", en);
  Seed("font_library", "chinese.dat", ch);
}

// What a panel says in a whole transfer, each reply led by its length, as
// the line of the transfer target hands them out; and what it is sent, in
// pieces led by their length, for the panel's side.
void Line() {
  panel::InProcessPanel panel;
  Bytes replies, sent;
  panel.SetReplyFilter([&](const Bytes& w, Bytes& out) {
    replies.push_back(static_cast<uint8_t>(out.size()));
    replies.insert(replies.end(), out.begin(), out.end());
    for (size_t at = 0; at < w.size(); at += 64) {
      const size_t n = std::min<size_t>(64, w.size() - at);
      sent.push_back(static_cast<uint8_t>(n - 1));
      sent.insert(sent.end(), w.begin() + static_cast<long>(at),
                  w.begin() + static_cast<long>(at + n));
    }
  });
  Bytes image(300), driver(200);
  for (size_t i = 0; i < image.size(); ++i) image[i] = static_cast<uint8_t>(i);
  link::TransferCallbacks quiet{[](int) {}, [](const link::TransferMessage&) {}};
  link::RunDownload(image, driver, link::TransferOptions{}, panel, quiet);
  Seed("transfer", "whole.bin", replies);
  Seed("panel_line", "whole.bin", sent);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: fuzz-seeds SOURCE_DIR BIN_DIR OUT_DIR\n");
    return 2;
  }
  g_out = argv[3];
  FromExamples(fs::path(argv[1]) / "examples", argv[2]);
  OldProjects();
  DataFiles(argv[2]);
  Line();
  return 0;
}

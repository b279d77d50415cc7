// The font libraries ("ormed_EN.dat", "ormed_CH.dat") as read for drawing
// and for the download: glyphs of any code from a file of any bytes.
#include "FuzzSupport.h"
#include "render/FontLibrary.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tavo;
  if (size < 3) return 0;
  const uint8_t lead = data[0], trail = data[1], code = data[2];
  const fuzz::MemoryFile file(data + 3, size - 3);
  LoadEnglishFontAtStartup(file.Path());
  GlyphFile glyphs(file.Path());
  ChineseGlyph chinese{};
  ReadChineseGlyph(glyphs, lead, trail, chinese);
  ChineseGlyphBitmap(chinese);
  ChineseGlyphToPanel(chinese);
  EnglishGlyph english{};
  ReadEnglishGlyph(glyphs, code, english);
  EnglishGlyphBitmap(english);
  EnglishGlyphToPanel(english);
  return 0;
}

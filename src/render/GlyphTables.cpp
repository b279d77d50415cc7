#include "render/GlyphTables.h"

#include <filesystem>

#include "base/Captions.h"
#include "base/DataFiles.h"
#include "base/Prompter.h"
#include "base/Substitute.h"
#include "base/Texts.h"
#include "render/FontLibrary.h"

namespace tavo {

namespace {

std::string FullPath(const std::string& path) {
  std::error_code ec;
  auto abs = std::filesystem::absolute(path, ec);
  return ec ? path : abs.lexically_normal().string();
}

bool ReportMissing(const std::string& path) {
  // %1 the library's full path.
  const char* text = TAVO_TRANSLATE_NOOP("tavo::render::GlyphTables", "请确认文件%1是否存在!");
  CurrentPrompter().Message(
      Substitute(Translate("tavo::render::GlyphTables", text), {FullPath(path)}), DownloadCaption(),
      MessageIcon::Question);
  return false;
}

}  // namespace

bool BuildGlyphTables(const std::string& chinesePath, const std::string& englishPath,
                      const WideCharList& wide, const NarrowCharList& narrow, GlyphTables& out) {
  out = {};
  {
    GlyphFile chinese(chinesePath);
    if (!chinese.IsOpen()) return ReportMissing(chinesePath);
    out.wide.reserve(wide.size() * kChineseGlyphBytes);
    for (const WideChar& c : wide) {
      ChineseGlyph g;
      ReadChineseGlyph(chinese, c[0], c[1], g);
      ChineseGlyphToPanel(g);
      out.wide.insert(out.wide.end(), g.begin(), g.end());
    }
  }
  GlyphFile english(englishPath);
  if (!english.IsOpen()) {
    out = {};
    return ReportMissing(englishPath);
  }
  out.narrow.reserve(narrow.size() * kEnglishGlyphBytes);
  for (uint8_t code : narrow) {
    EnglishGlyph g;
    ReadEnglishGlyph(english, code, g);
    EnglishGlyphToPanel(g);
    out.narrow.insert(out.narrow.end(), g.begin(), g.end());
  }
  return true;
}

bool BuildGlyphTables(const WideCharList& wide, const NarrowCharList& narrow, GlyphTables& out) {
  return BuildGlyphTables(DataFilePath(kChineseFontFile), DataFilePath(kEnglishFontFile), wide,
                          narrow, out);
}

}  // namespace tavo

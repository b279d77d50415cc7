#include "render/GlyphTables.h"

#include <filesystem>

#include "model/DataFiles.h"
#include "model/Prompter.h"
#include "render/FontLibrary.h"

namespace tavo {

namespace {

std::string FullPath(const std::string& path) {
  std::error_code ec;
  auto abs = std::filesystem::absolute(path, ec);
  return ec ? path : abs.lexically_normal().string();
}

}  // namespace

std::string MissingFontLibraryMessage(const std::string& fullPath) {
  return "请确认文件" + fullPath + "是否存在!";
}

bool BuildGlyphTables(const std::string& chinesePath, const std::string& englishPath,
                      const WideCharList& wide, const NarrowCharList& narrow, GlyphTables& out,
                      std::string& missingPath) {
  out = {};
  {
    GlyphFile chinese(chinesePath);
    if (!chinese.IsOpen()) {
      missingPath = chinesePath;
      return false;
    }
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
    missingPath = englishPath;
    return false;
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
  std::string missing;
  if (BuildGlyphTables(FullPath(DataFilePath(kChineseFontFile)),
                       FullPath(DataFilePath(kEnglishFontFile)), wide, narrow, out, missing))
    return true;
  CurrentPrompter().Message(MissingFontLibraryMessage(missing), "下载画面数据",
                            MessageIcon::Question);
  return false;
}

}  // namespace tavo

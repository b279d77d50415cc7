#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "render/TextEncoding.h"

namespace tavo {

// The glyph tables of a download image, in the panel's column-band format:
// 32 bytes per entry of the wide-character list and 16 bytes per entry of the
// narrow-character list, each in list order.
struct GlyphTables {
  std::vector<uint8_t> wide;
  std::vector<uint8_t> narrow;
};

// Builds the glyph tables from the font libraries among the data files. The
// Chinese library is opened first and closed before the English one is
// opened. When a library cannot be opened the user is told
// "请确认文件<full path>是否存在!" (caption "下载画面数据") and false is
// returned; `out` is then empty.
bool BuildGlyphTables(const WideCharList& wide, const NarrowCharList& narrow, GlyphTables& out);

// The same from the given library files.
bool BuildGlyphTables(const std::string& chinesePath, const std::string& englishPath,
                      const WideCharList& wide, const NarrowCharList& narrow, GlyphTables& out);

}  // namespace tavo

#pragma once

#include <string>
#include <string_view>

namespace tavo {

// Every text in project files, on the display and in the panel image is GBK
// (code page 936). The model keeps texts as GBK byte strings; these convert at
// the edges (terminal, windows, JSON).

// UTF-8 to GBK. Characters GBK cannot hold become '?'.
std::string Utf8ToGbk(std::string_view utf8);
// UTF-8 to GBK; with `strict` true it fails (returns false) on a character GBK
// cannot hold or a byte sequence that is not UTF-8.
bool Utf8ToGbk(std::string_view utf8, std::string& out, bool strict);

// GBK to UTF-8. Bytes that do not decode are kept as U+FFFD when `strict` is
// false; with `strict` true the conversion fails and returns false.
bool GbkToUtf8(std::string_view gbk, std::string& out, bool strict);
std::string GbkToUtf8(std::string_view gbk);

// Literal helper for tests and defaults written in UTF-8 source.
inline std::string G(std::string_view utf8) {
  return Utf8ToGbk(utf8);
}

// True when byte b starts a two-byte GBK character.
inline bool IsGbkLead(unsigned char b) {
  return b >= 0x81 && b <= 0xFE;
}

}  // namespace tavo

#include "model/Gbk.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace tavo {

namespace {

// Runs iconv over the whole input; on an input sequence the target cannot hold
// (or a bad source sequence) it writes `replacement` and skips `skip` bytes.
bool Convert(const char* to, const char* from, std::string_view in, std::string& out,
             std::string_view replacement, bool strict) {
  out.clear();
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  std::vector<char> buf(in.size() * 4 + 16);
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  bool ok = true;
  while (srcLeft > 0) {
    char* dst = buf.data();
    size_t dstLeft = buf.size();
    size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    out.append(buf.data(), dst - buf.data());
    if (r == static_cast<size_t>(-1)) {
      if (errno == E2BIG) continue;
      if (strict) {
        ok = false;
        break;
      }
      // EILSEQ or EINVAL: replace one source character and go on.
      out.append(replacement);
      size_t skip = 1;
      if (std::string_view(from) == "UTF-8") {
        unsigned char c = static_cast<unsigned char>(*src);
        skip = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        if (skip > srcLeft) skip = srcLeft;
      } else if (IsGbkLead(static_cast<unsigned char>(*src)) && srcLeft >= 2) {
        skip = 2;
      }
      src += skip;
      srcLeft -= skip;
    }
  }
  iconv_close(cd);
  return ok;
}

}  // namespace

std::string Utf8ToGbk(std::string_view utf8) {
  std::string out;
  Convert("CP936", "UTF-8", utf8, out, "?", false);
  return out;
}

bool Utf8ToGbk(std::string_view utf8, std::string& out, bool strict) {
  return Convert("CP936", "UTF-8", utf8, out, "?", strict);
}

bool GbkToUtf8(std::string_view gbk, std::string& out, bool strict) {
  return Convert("UTF-8", "CP936", gbk, out, "\xEF\xBF\xBD", strict);
}

std::string GbkToUtf8(std::string_view gbk) {
  std::string out;
  GbkToUtf8(gbk, out, false);
  return out;
}

}  // namespace tavo

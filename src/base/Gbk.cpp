#include "base/Gbk.h"

#include <iconv.h>

#include <cerrno>

namespace tavo {

namespace {

enum class Direction { ToGbk, ToUtf8 };

// One conversion descriptor per direction and thread, opened at first use:
// opening one costs far more than converting a field's text, and reading or
// writing a project converts every text it holds.
class Descriptors {
 public:
  ~Descriptors() {
    for (iconv_t cd : m_cd)
      if (cd != kNone) iconv_close(cd);
  }
  iconv_t Get(Direction d) {
    iconv_t& cd = m_cd[static_cast<int>(d)];
    if (cd == kNone)
      cd = d == Direction::ToGbk ? iconv_open("CP936", "UTF-8") : iconv_open("UTF-8", "CP936");
    if (cd != kNone) iconv(cd, nullptr, nullptr, nullptr, nullptr);  // initial state
    return cd;
  }

 private:
  static inline const iconv_t kNone = reinterpret_cast<iconv_t>(-1);
  iconv_t m_cd[2] = {kNone, kNone};
};

bool IsAscii(std::string_view s) {
  for (const char c : s)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

// Runs iconv over the whole input; on an input sequence the target cannot hold
// (or a bad source sequence) it writes `replacement` and skips `skip` bytes.
bool Convert(Direction direction, std::string_view in, std::string& out,
             std::string_view replacement, bool strict) {
  // Both encodings hold ASCII as it is.
  if (IsAscii(in)) {
    out.assign(in);
    return true;
  }
  out.clear();
  thread_local Descriptors descriptors;
  iconv_t cd = descriptors.Get(direction);
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  char buf[1024];
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  bool ok = true;
  while (srcLeft > 0) {
    char* dst = buf;
    size_t dstLeft = sizeof buf;
    size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    out.append(buf, static_cast<size_t>(dst - buf));
    if (r == static_cast<size_t>(-1)) {
      if (errno == E2BIG) continue;
      if (strict) {
        ok = false;
        break;
      }
      // EILSEQ or EINVAL: replace one source character and go on.
      out.append(replacement);
      size_t skip = 1;
      if (direction == Direction::ToGbk) {
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
  return ok;
}

}  // namespace

std::string Utf8ToGbk(std::string_view utf8) {
  std::string out;
  Convert(Direction::ToGbk, utf8, out, "?", false);
  return out;
}

bool Utf8ToGbk(std::string_view utf8, std::string& out, bool strict) {
  return Convert(Direction::ToGbk, utf8, out, "?", strict);
}

bool GbkToUtf8(std::string_view gbk, std::string& out, bool strict) {
  return Convert(Direction::ToUtf8, gbk, out, "\xEF\xBF\xBD", strict);
}

std::string GbkToUtf8(std::string_view gbk) {
  std::string out;
  GbkToUtf8(gbk, out, false);
  return out;
}

}  // namespace tavo

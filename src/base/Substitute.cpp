#include "base/Substitute.h"

namespace tavo {

std::string Substitute(std::string_view pattern, std::initializer_list<std::string_view> args) {
  std::string out;
  out.reserve(pattern.size());
  for (size_t i = 0; i < pattern.size(); ++i) {
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    if (pattern[i] == '%' && next >= '1' && next <= '9' &&
        static_cast<size_t>(next - '1') < args.size()) {
      out += args.begin()[next - '1'];
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

}  // namespace tavo

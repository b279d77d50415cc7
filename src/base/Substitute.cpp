#include "base/Substitute.h"

#include <iterator>

namespace tavo {

namespace {

template <typename Args>
std::string SubstituteFrom(std::string_view pattern, const Args& args) {
  const auto* first = std::data(args);
  const size_t count = std::size(args);
  std::string out;
  out.reserve(pattern.size());
  for (size_t i = 0; i < pattern.size(); ++i) {
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    if (pattern[i] == '%' && next >= '1' && next <= '9' &&
        static_cast<size_t>(next - '1') < count) {
      out += first[next - '1'];
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

}  // namespace

std::string Substitute(std::string_view pattern, std::initializer_list<std::string_view> args) {
  return SubstituteFrom(pattern, args);
}

std::string Substitute(std::string_view pattern, const std::vector<std::string>& args) {
  return SubstituteFrom(pattern, args);
}

}  // namespace tavo

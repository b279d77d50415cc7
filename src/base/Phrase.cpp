#include "base/Phrase.h"

#include <cstring>

#include "base/Substitute.h"
#include "base/Texts.h"

namespace tavo {

namespace {

bool SameText(const char* a, const char* b) {
  if (!a || !b) return a == b;
  return std::strcmp(a, b) == 0;
}

}  // namespace

std::string Phrase::Render(bool shown) const {
  if (!pattern_) return plain_;
  const std::string pattern = shown ? Translate(context_, pattern_) : std::string(pattern_);
  if (args_.empty()) return pattern;
  std::vector<std::string> args;
  args.reserve(args_.size());
  for (const Phrase& arg : args_) args.push_back(arg.Render(shown));
  return Substitute(pattern, args);
}

bool Phrase::operator==(const Phrase& other) const {
  return SameText(context_, other.context_) && SameText(pattern_, other.pattern_) &&
         plain_ == other.plain_ && args_ == other.args_;
}

}  // namespace tavo

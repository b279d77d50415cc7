#include "base/Texts.h"

#include <atomic>

namespace tavo {

namespace {

std::string SourceText(const char*, const char* source) {
  return source ? source : "";
}

std::atomic<TranslateFunction> g_translate{&SourceText};

}  // namespace

void SetTranslateFunction(TranslateFunction function) {
  g_translate.store(function ? function : &SourceText);
}

std::string Translate(const char* context, const char* source) {
  if (!source) return {};
  return g_translate.load()(context ? context : "", source);
}

std::vector<std::string> TranslateAll(const char* context,
                                      const std::vector<std::string>& sources) {
  std::vector<std::string> out;
  out.reserve(sources.size());
  for (const std::string& source : sources) out.push_back(Translate(context, source.c_str()));
  return out;
}

}  // namespace tavo

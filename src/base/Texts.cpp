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

}  // namespace tavo

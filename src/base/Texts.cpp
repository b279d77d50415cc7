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

void ReplaceArgument(std::string& text, int n, const std::string& value) {
  if (n < 1 || n > 9) return;
  const std::string marker = "%" + std::to_string(n);
  // Searching on after the inserted value: a value holding "%1" stays as it is.
  for (size_t at = text.find(marker); at != std::string::npos;
       at = text.find(marker, at + value.size())) {
    text.replace(at, marker.size(), value);
  }
}

}  // namespace tavo

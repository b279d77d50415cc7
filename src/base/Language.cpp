#include "base/Language.h"

#include <cstdlib>

namespace tavo {

const char* LanguageCode(Language language) {
  return language == Language::English ? "en" : "zh";
}

std::optional<Language> ParseLanguageCode(std::string_view code) {
  if (code == "zh") return Language::Chinese;
  if (code == "en") return Language::English;
  return std::nullopt;
}

std::string ProcessEnvironment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

namespace {

// The language part of a locale name: "zh_CN.UTF-8@x" -> "zh".
std::string_view LanguagePart(std::string_view locale) {
  return locale.substr(0, locale.find_first_of("_.@"));
}

}  // namespace

Language LanguageFromLocale(const EnvironmentLookup& environment) {
  for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
    std::string value = environment(name);
    if (value.empty()) continue;
    // LANGUAGE is a list in order of preference, "en_GB:zh_CN".
    std::string_view first = std::string_view(value).substr(0, value.find(':'));
    if (first.empty()) continue;
    const std::string_view language = LanguagePart(first);
    if (language == "C" || language == "POSIX") return Language::Chinese;
    return language == "zh" ? Language::Chinese : Language::English;
  }
  return Language::Chinese;
}

Language ChooseLanguage(std::optional<Language> commandLine, std::optional<Language> chosen,
                        const EnvironmentLookup& environment) {
  if (commandLine) return *commandLine;
  if (chosen) return *chosen;
  return LanguageFromLocale(environment);
}

LanguageOption TakeLanguageOption(std::vector<std::string>& args) {
  LanguageOption option;
  for (size_t i = 0; i < args.size();) {
    std::string value;
    size_t taken = 0;
    if (args[i] == "--lang") {
      if (i + 1 >= args.size()) {
        option.error = "--lang needs zh or en";
        args.erase(args.begin() + i);
        continue;
      }
      value = args[i + 1];
      taken = 2;
    } else if (args[i].rfind("--lang=", 0) == 0) {
      value = args[i].substr(7);
      taken = 1;
    } else {
      ++i;
      continue;
    }
    args.erase(args.begin() + i, args.begin() + i + taken);
    if (auto language = ParseLanguageCode(value))
      option.language = language;
    else
      option.error = "--lang takes zh or en, not '" + value + "'";
  }
  return option;
}

}  // namespace tavo

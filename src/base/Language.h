#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavo {

// The languages the programs speak. Chinese is the language the texts are
// written in; English comes from the catalogues.
enum class Language { Chinese, English };

// "zh" or "en", as --lang and the editor's settings spell them.
const char* LanguageCode(Language language);
std::optional<Language> ParseLanguageCode(std::string_view code);

// Looks an environment variable up; empty when it is not set.
using EnvironmentLookup = std::function<std::string(const char* name)>;
std::string ProcessEnvironment(const char* name);

// The language of the locale: the first of LANGUAGE, LC_ALL, LC_MESSAGES and
// LANG that is set decides (of LANGUAGE's list its first entry). zh, zh_CN,
// zh_TW.UTF-8 and the like are Chinese, any other language English. An unset
// locale, or C / POSIX (C.UTF-8 too), names no language at all: that is how
// containers, services and build machines run, not a person's choice, so the
// programs keep to their own language, Chinese, and say what they always said.
Language LanguageFromLocale(const EnvironmentLookup& environment = ProcessEnvironment);

// The one choice of every program: --lang first, then (the editor) the
// language the user chose in the program, then the locale.
Language ChooseLanguage(std::optional<Language> commandLine, std::optional<Language> chosen,
                        const EnvironmentLookup& environment = ProcessEnvironment);

// The --lang option: "--lang zh|en" or "--lang=zh|en", taken out of `args`.
struct LanguageOption {
  std::optional<Language> language;  // none when the option is absent
  std::string error;                 // set when the option is malformed
};
LanguageOption TakeLanguageOption(std::vector<std::string>& args);

}  // namespace tavo

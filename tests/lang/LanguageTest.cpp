#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "base/Language.h"
#include "base/Phrase.h"
#include "base/Substitute.h"
#include "base/Texts.h"

namespace tavo {
namespace {

EnvironmentLookup Env(std::map<std::string, std::string> values) {
  return [values](const char* name) {
    auto it = values.find(name);
    return it == values.end() ? std::string() : it->second;
  };
}

TEST(Language, LocaleNamesChineseOrEnglish) {
  EXPECT_EQ(LanguageFromLocale(Env({{"LANG", "zh_CN.UTF-8"}})), Language::Chinese);
  EXPECT_EQ(LanguageFromLocale(Env({{"LANG", "zh_TW"}})), Language::Chinese);
  EXPECT_EQ(LanguageFromLocale(Env({{"LANG", "zh"}})), Language::Chinese);
  EXPECT_EQ(LanguageFromLocale(Env({{"LANG", "en_US.UTF-8"}})), Language::English);
  EXPECT_EQ(LanguageFromLocale(Env({{"LANG", "de_DE@euro"}})), Language::English);
  // "zha" (Zhuang) is not Chinese.
  EXPECT_EQ(LanguageFromLocale(Env({{"LANG", "zha_CN"}})), Language::English);
}

TEST(Language, UnsetOrCLocaleKeepsChinese) {
  EXPECT_EQ(LanguageFromLocale(Env({})), Language::Chinese);
  EXPECT_EQ(LanguageFromLocale(Env({{"LANG", "C"}})), Language::Chinese);
  EXPECT_EQ(LanguageFromLocale(Env({{"LANG", "C.UTF-8"}})), Language::Chinese);
  EXPECT_EQ(LanguageFromLocale(Env({{"LC_ALL", "POSIX"}, {"LANG", "en_US"}})), Language::Chinese);
}

TEST(Language, FirstSetVariableDecides) {
  EXPECT_EQ(LanguageFromLocale(Env({{"LANGUAGE", "en_GB:zh_CN"}, {"LANG", "zh_CN.UTF-8"}})),
            Language::English);
  EXPECT_EQ(LanguageFromLocale(Env({{"LANGUAGE", "zh_CN:en"}, {"LANG", "en_US"}})),
            Language::Chinese);
  EXPECT_EQ(LanguageFromLocale(Env({{"LC_ALL", "en_US"}, {"LC_MESSAGES", "zh_CN"}})),
            Language::English);
  EXPECT_EQ(LanguageFromLocale(Env({{"LC_MESSAGES", "zh_CN"}, {"LANG", "en_US"}})),
            Language::Chinese);
  // An empty LANGUAGE (or one with an empty first entry) is passed over.
  EXPECT_EQ(LanguageFromLocale(Env({{"LANGUAGE", ""}, {"LANG", "en_US"}})), Language::English);
  EXPECT_EQ(LanguageFromLocale(Env({{"LANGUAGE", ":zh"}, {"LANG", "en_US"}})), Language::English);
}

TEST(Language, CommandLineOverChoiceOverLocale) {
  auto english = Env({{"LANG", "en_US.UTF-8"}});
  EXPECT_EQ(ChooseLanguage(std::nullopt, std::nullopt, english), Language::English);
  EXPECT_EQ(ChooseLanguage(std::nullopt, Language::Chinese, english), Language::Chinese);
  EXPECT_EQ(ChooseLanguage(Language::English, Language::Chinese, Env({})), Language::English);
  EXPECT_EQ(ChooseLanguage(Language::Chinese, Language::English, english), Language::Chinese);
}

TEST(Language, OptionIsTakenOutOfTheArguments) {
  std::vector<std::string> args = {"compile", "--lang", "en", "a.orx", "--lang=zh", "-o", "x"};
  LanguageOption option = TakeLanguageOption(args);
  EXPECT_TRUE(option.error.empty());
  EXPECT_EQ(option.language, Language::Chinese);  // the last one counts
  EXPECT_EQ(args, (std::vector<std::string>{"compile", "a.orx", "-o", "x"}));

  std::vector<std::string> none = {"info", "a.orx"};
  EXPECT_FALSE(TakeLanguageOption(none).language);
  EXPECT_EQ(none.size(), 2u);
}

TEST(Language, MalformedOptionIsAnError) {
  std::vector<std::string> bad = {"--lang", "fr", "a.orx"};
  LanguageOption option = TakeLanguageOption(bad);
  EXPECT_FALSE(option.language);
  EXPECT_NE(option.error.find("fr"), std::string::npos);
  EXPECT_EQ(bad, std::vector<std::string>{"a.orx"});

  std::vector<std::string> missing = {"a.orx", "--lang"};
  EXPECT_FALSE(TakeLanguageOption(missing).error.empty());
  EXPECT_EQ(missing, std::vector<std::string>{"a.orx"});

  std::vector<std::string> empty = {"--lang="};
  EXPECT_FALSE(TakeLanguageOption(empty).error.empty());
}

TEST(Texts, WithoutHookTheSourceIsShown) {
  SetTranslateFunction(nullptr);
  EXPECT_EQ(Translate("tavo::test", "新建工程"), "新建工程");
  EXPECT_EQ(Translate("tavo::test", nullptr), "");
}

TEST(Texts, HookIsUsedAndCanBeTakenAway) {
  SetTranslateFunction(
      [](const char* context, const char* source) { return std::string(context) + "|" + source; });
  EXPECT_EQ(Translate("ctx", "文本"), "ctx|文本");
  SetTranslateFunction(nullptr);
  EXPECT_EQ(Translate("ctx", "文本"), "文本");
}

TEST(Texts, ArgumentsArePutInAfterTranslating) {
  SetTranslateFunction([](const char*, const char* source) -> std::string {
    return std::string(source) == "%1 含有非预期的对象。" ? "%1 holds an unexpected object."
                                                          : source;
  });
  // The catalogue holds the template; a file name holding a marker stays as it is.
  EXPECT_EQ(Substitute(Translate("ctx", "%1 含有非预期的对象。"), {"a%1.orx"}),
            "a%1.orx holds an unexpected object.");
  SetTranslateFunction(nullptr);
}

// A stand-in catalogue: the templates the tests below use, in "English".
std::string FakeEnglish(const char* context, const char* source) {
  const std::string text = source;
  if (std::string(context) == "kinds" && text == "寄存器") return "Register";
  if (text == "%1(%2,%3)") return "%1 (%2,%3)";
  if (text == "%1与%2是同一个%3") return "%3 of %1 is that of %2";
  return text;
}

TEST(Phrase, SourceAndShownFromOneTemplateAndItsArguments) {
  const Phrase kind("kinds", "寄存器");
  const Phrase at("places", "%1(%2,%3)", {kind, std::string("24"), std::string("16")});
  const Phrase twice("check", "%1与%2是同一个%3",
                     {at, Phrase("places", "%1(%2,%3)", {kind, std::string("0"), std::string("0")}),
                      std::string("SET%1")});
  SetTranslateFunction(&FakeEnglish);
  EXPECT_EQ(twice.Source(), "寄存器(24,16)与寄存器(0,0)是同一个SET%1");
  // Each template translated in its own context, the arguments in the
  // order the translation puts them; a plain value stays as written, "%1"
  // in it included.
  EXPECT_EQ(twice.Shown(), "SET%1 of Register (24,16) is that of Register (0,0)");
  EXPECT_EQ(Phrase("other", "寄存器").Shown(), "寄存器");  // not in that context
  SetTranslateFunction(nullptr);
  EXPECT_EQ(twice.Shown(), twice.Source());
}

TEST(Phrase, EmptyAndEqual) {
  EXPECT_TRUE(Phrase().Empty());
  EXPECT_TRUE(Phrase(std::string()).Empty());
  EXPECT_FALSE(Phrase("ctx", "").Empty());  // a template, though blank
  // Templates compare as text: the same words from two places are equal.
  const std::string pattern = "%1号画面";
  const Phrase a("ctx", "%1号画面", {std::string("3")});
  EXPECT_EQ(a, Phrase("ctx", pattern.c_str(), {std::string("3")}));
  EXPECT_NE(a, Phrase("ctx", "%1号画面", {std::string("4")}));
  EXPECT_NE(a, Phrase(std::string("3号画面")));  // the same source text, not the same phrase
}

}  // namespace
}  // namespace tavo

#include <QMenu>
#include <QMenuBar>

#include "EditorFixture.h"
#include "EnglishScope.h"
#include "app/EditorApp.h"
#include "app/LanguageMenu.h"

namespace tavo::test {
namespace {

using app::ParseCommandLine;

TEST(EditorCommandLine, LanguageOptionIsNoFileName) {
  auto request = ParseCommandLine({"tavo-editor", "--lang", "en", "a.orx"});
  EXPECT_EQ(request.language, Language::English);
  EXPECT_EQ(request.file, QStringLiteral("a.orx"));
  request = ParseCommandLine({"tavo-editor", "b.orx", "--lang=zh"});
  EXPECT_EQ(request.language, Language::Chinese);
  EXPECT_EQ(request.file, QStringLiteral("b.orx"));
  EXPECT_FALSE(ParseCommandLine({"tavo-editor", "c.orx"}).language);
}

QMenu* LanguageMenu(app::MainFrame& frame) {
  return frame.menuBar()->findChild<QMenu*>("languageMenu");
}

QAction* Item(QMenu* menu, const char* code) {
  for (QAction* a : menu->actions())
    if (a->data().toString() == QLatin1String(code)) return a;
  return nullptr;
}

using LanguageMenuTest = EditorTest;

TEST_F(LanguageMenuTest, ChoiceIsKeptForTheNextStart) {
  QMenu* menu = LanguageMenu(*frame);
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->title(), QStringLiteral("语言 / Language"));
  EXPECT_TRUE(
      frame->menuBar()->findChild<QMenu*>("viewMenu")->actions().contains(menu->menuAction()));
  QAction* chinese = Item(menu, "zh");
  QAction* english = Item(menu, "en");
  ASSERT_TRUE(chinese && english);
  EXPECT_EQ(chinese->text(), QStringLiteral("中文"));
  EXPECT_EQ(english->text(), QStringLiteral("English"));
  EXPECT_TRUE(chinese->isChecked());
  EXPECT_FALSE(app::ChosenLanguage(settings.get()));

  english->trigger();
  EXPECT_EQ(app::ChosenLanguage(settings.get()), Language::English);
  EXPECT_EQ(settings->value("Language").toString(), QStringLiteral("en"));
  ASSERT_EQ(prompter.Messages().size(), 1u);
  EXPECT_NE(prompter.Messages()[0].find("next start"), std::string::npos);
  // The window stays as it is until then.
  EXPECT_EQ(frame->menuBar()->actions().front()->text(), QStringLiteral("文件(&F)"));

  // Back to the language in use: nothing to wait for, nothing said.
  chinese->trigger();
  EXPECT_EQ(app::ChosenLanguage(settings.get()), Language::Chinese);
  EXPECT_EQ(prompter.Messages().size(), 1u);
}

TEST_F(LanguageMenuTest, SavedChoiceGivesWayToTheCommandLine) {
  app::SetChosenLanguage(settings.get(), Language::English);
  EXPECT_EQ(ChooseLanguage(std::nullopt, app::ChosenLanguage(settings.get())), Language::English);
  EXPECT_EQ(ChooseLanguage(Language::Chinese, app::ChosenLanguage(settings.get())),
            Language::Chinese);
  // A value the editor never writes counts as no choice.
  settings->setValue("Language", "fr");
  EXPECT_FALSE(app::ChosenLanguage(settings.get()));
}

TEST_F(LanguageMenuTest, WindowMadeInEnglishShowsEnglishMenus) {
  EnglishScope english;
  app::MainFrame window(settings.get());
  ASSERT_TRUE(window.Create(false));
  EXPECT_EQ(window.menuBar()->actions().front()->text(), QStringLiteral("&File"));
  QAction* checked = nullptr;
  for (QAction* a : LanguageMenu(window)->actions())
    if (a->isChecked()) checked = a;
  ASSERT_NE(checked, nullptr);
  EXPECT_EQ(checked->text(), QStringLiteral("English"));
}

}  // namespace
}  // namespace tavo::test

#include "app/LanguageMenu.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QLocale>
#include <QMenu>
#include <QSettings>
#include <QTranslator>

#include "app/EditorApp.h"
#include "base/Prompter.h"
#include "lang/Catalogues.h"

namespace tavo::app {

namespace {
const char kLanguageKey[] = "Language";
// The menu and its message name the languages in both, whatever is applied:
// whoever cannot read the one finds the other.
const char kMenuTitle[] = "语言 / Language";
const char kRestartMessage[] =
    "界面语言将在下次启动时更改。\nThe new language applies at the next start.";
Language g_applied = Language::Chinese;
}  // namespace

std::optional<Language> ChosenLanguage(const QSettings* settings) {
  if (!settings) return std::nullopt;
  return ParseLanguageCode(settings->value(kLanguageKey).toString().toStdString());
}

void SetChosenLanguage(QSettings* settings, Language language) {
  if (!settings) return;
  settings->setValue(kLanguageKey, QString::fromLatin1(LanguageCode(language)));
  settings->sync();
}

bool ApplyLanguage(Language language) {
  const bool english = language == Language::English;
  InstallQtTranslation(english ? QLocale(QLocale::English, QLocale::UnitedStates)
                               : QLocale(QLocale::Chinese, QLocale::China));
  const QStringList missing =
      lang::LoadCatalogues(language, {QStringLiteral("tavo_core"), QStringLiteral("tavo_app")});
  for (QTranslator* t : lang::LoadedCatalogues()) QCoreApplication::installTranslator(t);
  g_applied = language;
  // The core's catalogue is not there until its texts are marked: the
  // editor's own is what must be found.
  return !missing.contains(QStringLiteral("tavo_app"));
}

Language AppliedLanguage() {
  return g_applied;
}

QMenu* BuildLanguageMenu(QWidget* parent, QSettings* settings) {
  auto* menu = new QMenu(QString::fromUtf8(kMenuTitle), parent);
  menu->setObjectName(QStringLiteral("languageMenu"));
  auto* group = new QActionGroup(menu);
  for (Language language : {Language::Chinese, Language::English}) {
    QAction* a =
        menu->addAction(QString::fromUtf8(language == Language::Chinese ? "中文" : "English"));
    a->setData(QString::fromLatin1(LanguageCode(language)));
    a->setCheckable(true);
    a->setChecked(language == g_applied);
    group->addAction(a);
    QObject::connect(a, &QAction::triggered, menu, [settings, language] {
      SetChosenLanguage(settings, language);
      if (language != g_applied)
        CurrentPrompter().Message(kRestartMessage, kMenuTitle, MessageIcon::Information);
    });
  }
  return menu;
}

}  // namespace tavo::app

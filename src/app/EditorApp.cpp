#include "app/EditorApp.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QPointer>
#include <QSettings>
#include <QTranslator>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "app/LanguageMenu.h"
#include "app/MainFrame.h"
#include "app/QtPrompter.h"
#include "app/SplashWindow.h"

#ifndef TAVO_VERSION
#define TAVO_VERSION "unknown"
#endif

namespace tavo::app {

namespace {

constexpr char kEditorUsage[] =
    "usage: tavo-editor [--no-splash] [--lang zh|en] [FILE]\n"
    "  FILE         a project file to open (.orx, or its text form .json)\n"
    "  --no-splash  start without the start-up picture\n"
    "  --lang zh|en the language of the editor, over the one chosen in it and the locale\n"
    "  --help       show this help\n"
    "  --version    name the release\n";

// --help and --version are answered on standard output before any window
// exists, so that they work without a display.
bool AnswersInfoRequest(int argc, char** argv, int& exitCode) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view a = argv[i];
    const bool help = a == "--help" || a == "-h";
    if (!help && a != "--version") continue;
    std::fputs(help ? kEditorUsage : "tavo-editor " TAVO_VERSION "\n", stdout);
    exitCode = std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
    return true;
  }
  return false;
}

}  // namespace

bool InstallQtTranslation(const QLocale& locale) {
  static QPointer<QTranslator> installed;
  if (installed) {
    QCoreApplication::removeTranslator(installed);
    delete installed;
  }
  if (locale.language() == QLocale::English || locale.language() == QLocale::C) return true;
  auto* translator = new QTranslator(qApp);
  if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  QCoreApplication::installTranslator(translator);
  installed = translator;
  return true;
}

StartupRequest ParseCommandLine(const QStringList& arguments) {
  StartupRequest request;
  for (int i = 1; i < arguments.size(); ++i) {
    const QString& a = arguments[i];
    const QString flag = a.toLower();
    if (flag == "-embedding" || flag == "/embedding" || flag == "--embedding" ||
        flag == "--no-splash") {
      request.splash = false;
    } else if (a == QLatin1String("--lang")) {
      // Its value is no file (RunEditor refused a malformed one).
      if (++i < arguments.size()) request.language = ParseLanguageCode(arguments[i].toStdString());
    } else if (a.startsWith(QLatin1String("--lang="))) {
      request.language = ParseLanguageCode(a.mid(7).toStdString());
    } else if (request.file.isEmpty() && !a.startsWith(QLatin1String("-"))) {
      request.file = a;
    }
  }
  return request;
}

std::unique_ptr<MainFrame> StartEditor(const StartupRequest& request, QSettings* settings,
                                       int& exitCode) {
  auto frame = std::make_unique<MainFrame>(settings);
  if (!frame->Create(request.splash)) {
    exitCode = 1;
    return nullptr;
  }
  if (!request.file.isEmpty()) {
    // A file refused by the check leaves the empty project open; one that
    // passes the check but cannot be read ends the start-up.
    if (frame->OpenHandedFile(request.file) == OpenResult::ReadFailed) {
      exitCode = 1;
      return nullptr;
    }
  }
  exitCode = 0;
  return frame;
}

int RunEditor(int argc, char** argv) {
  if (int code = 0; AnswersInfoRequest(argc, argv, code)) return code;
  {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (const LanguageOption option = TakeLanguageOption(args); !option.error.empty()) {
      std::fprintf(stderr, "tavo-editor: %s\n", option.error.c_str());
      return 1;
    }
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tavo"));
  // The menu entry the desktop started us from (the window's app id on Wayland).
  QGuiApplication::setDesktopFileName(QStringLiteral("org.tavo.Editor"));
  const StartupRequest request = ParseCommandLine(QApplication::arguments());
  std::unique_ptr<QSettings> settings(CreateUserSettings());
  // Qt's dialogs and buttons speak the editor's language too.
  const Language language = ChooseLanguage(request.language, ChosenLanguage(settings.get()));
  if (!ApplyLanguage(language))
    std::fputs("tavo-editor: the English catalogue is missing; the texts stay Chinese\n", stderr);
  QApplication::setApplicationDisplayName(AppTitle());

  MainFrame* frame = nullptr;
  QtPrompter prompter([&frame]() -> QWidget* { return frame; });
  SetPrompter(&prompter);
  int exitCode = 0;
  std::unique_ptr<MainFrame> owned = StartEditor(request, settings.get(), exitCode);
  frame = owned.get();
  if (!owned) {
    SetPrompter(nullptr);
    return exitCode;
  }
  owned->show();
  RaiseSplash();
  const int result = app.exec();
  owned.reset();
  SetPrompter(nullptr);
  return result;
}

}  // namespace tavo::app

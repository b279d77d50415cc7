#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "base/Language.h"

class QSettings;

namespace tavo::app {

class MainFrame;

// What the command line asks for.
struct StartupRequest {
  bool splash = true;                // off for an embedded start ("-Embedding") or "--no-splash"
  QString file;                      // a project file to open; empty for none
  std::optional<Language> language;  // --lang zh|en
};
StartupRequest ParseCommandLine(const QStringList& arguments);

// The start-up steps after the application object exists: the main window is
// created (font-library check), the view reads the protocol and settings
// files, and a file named on the command line is opened through the check.
// Null when start-up failed; `exitCode` then says how the program ends.
std::unique_ptr<MainFrame> StartEditor(const StartupRequest& request, QSettings* settings,
                                       int& exitCode);

// Qt's own texts (standard buttons, the file dialogs) in the language of
// `locale`, from Qt's catalogue "qtbase" among Qt's translations; the
// catalogue installed before is taken away. English, Qt's own language, needs
// none. False when the catalogue is not there: Qt's texts stay English.
bool InstallQtTranslation(const QLocale& locale);

// The whole program.
int RunEditor(int argc, char** argv);

}  // namespace tavo::app

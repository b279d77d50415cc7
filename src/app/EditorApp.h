#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QSettings;

namespace tavo::app {

class MainFrame;

// What the command line asks for.
struct StartupRequest {
  bool splash = true;  // off for an embedded start ("-Embedding") or "--no-splash"
  QString file;        // a project file to open; empty for none
};
StartupRequest ParseCommandLine(const QStringList& arguments);

// The start-up steps after the application object exists: the main window is
// created (font-library check), the view reads the protocol and settings
// files, and a file named on the command line is opened through the check.
// Null when start-up failed; `exitCode` then says how the program ends.
std::unique_ptr<MainFrame> StartEditor(const StartupRequest& request, QSettings* settings,
                                       int& exitCode);

// The whole program.
int RunEditor(int argc, char** argv);

}  // namespace tavo::app

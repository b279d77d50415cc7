#pragma once

#include <QString>
#include <QStringList>

class QSettings;

namespace tavo::app {

// The four most recently used project files, kept in the per-user settings
// store under "Local AppWizard-Generated Applications".
class RecentFiles {
 public:
  static constexpr int kMaxFiles = 4;

  // Reads the list from `settings` (not owned; null keeps the list in memory only).
  explicit RecentFiles(QSettings* settings = nullptr);

  // A file was opened or saved: it moves to the top.
  void Add(const QString& path);
  // A file that can no longer be opened leaves the list.
  void Remove(const QString& path);
  const QStringList& Files() const { return files_; }

 private:
  void Save();

  QSettings* settings_;
  QStringList files_;
};

// The settings store of the program: "Local AppWizard-Generated Applications" / "Tavo".
QSettings* CreateUserSettings();

}  // namespace tavo::app

#include "app/RecentFiles.h"

#include <QFileInfo>
#include <QSettings>

namespace tavo::app {

namespace {
const char kGroup[] = "Recent File List";

QString Key(int i) {
  return QStringLiteral("File%1").arg(i + 1);
}

// Two names for one file compare equal after making them absolute.
QString Normal(const QString& path) {
  return QFileInfo(path).absoluteFilePath();
}
}  // namespace

RecentFiles::RecentFiles(QSettings* settings) : settings_(settings) {
  if (!settings_) return;
  settings_->beginGroup(kGroup);
  for (int i = 0; i < kMaxFiles; ++i) {
    QString f = settings_->value(Key(i)).toString();
    if (!f.isEmpty() && !files_.contains(f)) files_.append(f);
  }
  settings_->endGroup();
}

void RecentFiles::Add(const QString& path) {
  if (path.isEmpty()) return;
  const QString p = Normal(path);
  files_.removeAll(p);
  files_.prepend(p);
  while (files_.size() > kMaxFiles) files_.removeLast();
  Save();
}

void RecentFiles::Remove(const QString& path) {
  if (files_.removeAll(Normal(path)) + files_.removeAll(path) > 0) Save();
}

void RecentFiles::Save() {
  if (!settings_) return;
  settings_->beginGroup(kGroup);
  for (int i = 0; i < kMaxFiles; ++i) {
    if (i < files_.size())
      settings_->setValue(Key(i), files_[i]);
    else
      settings_->remove(Key(i));
  }
  settings_->endGroup();
  settings_->sync();
}

QSettings* CreateUserSettings() {
  return new QSettings(QSettings::IniFormat, QSettings::UserScope,
                       QStringLiteral("Local AppWizard-Generated Applications"),
                       QStringLiteral("Tavo"));
}

}  // namespace tavo::app

#pragma once

#include <optional>

#include "base/Language.h"

class QMenu;
class QSettings;
class QWidget;

namespace tavo::app {

// The language the user chose in "语言 / Language", kept in the per-user
// settings; none before a choice was made.
std::optional<Language> ChosenLanguage(const QSettings* settings);
void SetChosenLanguage(QSettings* settings, Language language);

// The editor in `language`: Qt's own texts, the editor's catalogue and the
// core's. Replaces what was installed before; the windows that exist keep
// the texts they were made with. False when a catalogue is missing (its
// texts stay Chinese).
bool ApplyLanguage(Language language);
// The language applied last (Chinese before any).
Language AppliedLanguage();

// The "语言 / Language" submenu: "中文" and "English", each in its own
// language, the applied one checked. A choice is kept in `settings` and takes
// effect at the next start, which a message says in both languages.
QMenu* BuildLanguageMenu(QWidget* parent, QSettings* settings);

}  // namespace tavo::app

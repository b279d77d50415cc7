#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "base/Language.h"

class QTranslator;

namespace tavo::lang {

// The programs' catalogues: "tavo_core" (the window-free layers, `tavo`,
// `tavo-panel`) and "tavo_app" (the editor), each built as NAME_en.qm and
// looked up among the data files. Chinese needs none: the texts are written
// in it.
//
// Loads the named catalogues for `language`, replacing those loaded before,
// and installs the Translate hook of the window-free layers over them (for
// Chinese, the hook that shows the texts as written). No application object
// is needed, so `tavo` and `tavo-panel` use it as the editor does. Returns
// the names of the catalogues that could not be loaded; their texts stay
// Chinese.
QStringList LoadCatalogues(Language language, const QStringList& names);

// The catalogues now loaded, for the editor to install into its application
// object (tr() and QCoreApplication::translate look there).
const std::vector<QTranslator*>& LoadedCatalogues();

// The file a catalogue is read from: "<data folder>/NAME_en.qm".
QString CataloguePath(const QString& name, Language language);

}  // namespace tavo::lang

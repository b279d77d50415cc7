#include "lang/Catalogues.h"

#include <QTranslator>
#include <memory>

#include "base/DataFiles.h"
#include "base/Texts.h"

namespace tavo::lang {

namespace {

std::vector<std::unique_ptr<QTranslator>>& Owned() {
  static std::vector<std::unique_ptr<QTranslator>> owned;
  return owned;
}

std::vector<QTranslator*>& Loaded() {
  static std::vector<QTranslator*> loaded;
  return loaded;
}

std::string TranslateFromCatalogues(const char* context, const char* source) {
  for (QTranslator* t : Loaded()) {
    const QString text = t->translate(context, source);
    if (!text.isEmpty()) return text.toStdString();
  }
  return source;
}

}  // namespace

QString CataloguePath(const QString& name, Language language) {
  const std::string file = name.toStdString() + "_" + LanguageCode(language) + ".qm";
  return QString::fromStdString(DataFilePath(file));
}

QStringList LoadCatalogues(Language language, const QStringList& names) {
  SetTranslateFunction(nullptr);
  Loaded().clear();
  Owned().clear();
  QStringList missing;
  if (language == Language::Chinese) return missing;
  for (const QString& name : names) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(CataloguePath(name, language))) {
      missing << name;
      continue;
    }
    Loaded().push_back(translator.get());
    Owned().push_back(std::move(translator));
  }
  if (!Loaded().empty()) SetTranslateFunction(&TranslateFromCatalogues);
  return missing;
}

const std::vector<QTranslator*>& LoadedCatalogues() {
  return Loaded();
}

}  // namespace tavo::lang

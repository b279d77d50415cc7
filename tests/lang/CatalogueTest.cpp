#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <set>

#include "base/Texts.h"
#include "lang/Catalogues.h"

// Every catalogue in translations/ (or in $TAVO_TS_DIR: the lupdate test runs
// these over catalogues it brought up to date with the sources) is complete:
// each text has a finished translation that keeps its place markers and its
// menu mnemonic, and no entry is left over from a text the sources dropped.
namespace tavo {
namespace {

struct Entry {
  QString file, context, source, translation, type;
};

QString CatalogueDir() {
  const QByteArray dir = qgetenv("TAVO_TS_DIR");
  return dir.isEmpty() ? QStringLiteral(TAVO_SOURCE_DIR "/translations")
                       : QString::fromLocal8Bit(dir);
}

std::vector<Entry> ReadCatalogues(QString& error) {
  std::vector<Entry> entries;
  const QDir dir(CatalogueDir());
  for (const QString& name : dir.entryList({QStringLiteral("*.ts")}, QDir::Files, QDir::Name)) {
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::ReadOnly)) {
      error = name + QStringLiteral(": cannot be read");
      return {};
    }
    QXmlStreamReader xml(&file);
    QString context;
    Entry entry;
    while (!xml.atEnd()) {
      xml.readNext();
      if (!xml.isStartElement()) continue;
      if (xml.name() == QLatin1String("name")) {
        context = xml.readElementText();
      } else if (xml.name() == QLatin1String("message")) {
        entry = Entry{name, context, {}, {}, {}};
      } else if (xml.name() == QLatin1String("source")) {
        entry.source = xml.readElementText();
      } else if (xml.name() == QLatin1String("translation")) {
        entry.type = xml.attributes().value(QLatin1String("type")).toString();
        entry.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        entries.push_back(entry);
      }
    }
    if (xml.hasError()) {
      error = name + QStringLiteral(": ") + xml.errorString();
      return {};
    }
  }
  return entries;
}

std::multiset<QString> Markers(const QString& text) {
  std::multiset<QString> markers;
  static const QRegularExpression marker(QStringLiteral("%[0-9]"));
  for (auto it = marker.globalMatch(text); it.hasNext();) markers.insert(it.next().captured());
  return markers;
}

// A single "&" before a letter or digit marks the menu key; "&&" is a plain "&".
bool HasMnemonic(QString text) {
  text.remove(QStringLiteral("&&"));
  static const QRegularExpression mnemonic(QStringLiteral("&[A-Za-z0-9]"));
  return text.contains(mnemonic);
}

QString Where(const Entry& e) {
  return e.file + QStringLiteral(" [") + e.context + QStringLiteral("] \"") + e.source +
         QStringLiteral("\"");
}

TEST(Catalogues, EveryTextHasAFinishedTranslation) {
  QString error;
  const std::vector<Entry> entries = ReadCatalogues(error);
  ASSERT_TRUE(error.isEmpty()) << error.toStdString();
  ASSERT_FALSE(entries.empty()) << "no catalogue in " << CatalogueDir().toStdString();
  for (const Entry& e : entries) {
    if (e.type == QLatin1String("obsolete") || e.type == QLatin1String("vanished")) {
      ADD_FAILURE() << Where(e).toStdString()
                    << ": the sources no longer hold it (bring the catalogue up to date)";
    } else if (e.type == QLatin1String("unfinished") || e.translation.trimmed().isEmpty()) {
      ADD_FAILURE() << Where(e).toStdString() << ": no finished translation";
    }
  }
}

TEST(Catalogues, TranslationsKeepMarkersAndMnemonics) {
  QString error;
  const std::vector<Entry> entries = ReadCatalogues(error);
  ASSERT_TRUE(error.isEmpty()) << error.toStdString();
  for (const Entry& e : entries) {
    if (e.translation.isEmpty()) continue;
    EXPECT_EQ(Markers(e.source), Markers(e.translation))
        << Where(e).toStdString() << " -> " << e.translation.toStdString();
    EXPECT_EQ(HasMnemonic(e.source), HasMnemonic(e.translation))
        << Where(e).toStdString() << " -> " << e.translation.toStdString();
  }
}

TEST(Catalogues, EnglishIsFoundThroughTheHook) {
  QString error;
  const std::vector<Entry> entries = ReadCatalogues(error);
  ASSERT_FALSE(entries.empty());
  const Entry& sample = entries.front();
  const std::string context = sample.context.toStdString(), source = sample.source.toStdString();
  const QString catalogue = sample.file.section(QLatin1Char('_'), 0, -2);  // "tavo_app"

  EXPECT_TRUE(lang::LoadCatalogues(Language::English, {catalogue, QStringLiteral("tavo_none")}) ==
              QStringList{QStringLiteral("tavo_none")});
  EXPECT_EQ(Translate(context.c_str(), source.c_str()), sample.translation.toStdString());
  // A text the catalogue lacks is shown as written.
  EXPECT_EQ(Translate(context.c_str(), "没有这个文本"), "没有这个文本");

  EXPECT_TRUE(lang::LoadCatalogues(Language::Chinese, {catalogue}).isEmpty());
  EXPECT_TRUE(lang::LoadedCatalogues().empty());
  EXPECT_EQ(Translate(context.c_str(), source.c_str()), source);
}

}  // namespace
}  // namespace tavo

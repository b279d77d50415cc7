#include "check/ImageBudget.h"

#include <cstdio>

#include "base/Prompter.h"
#include "base/Substitute.h"
#include "base/Texts.h"
#include "check/ProjectCopy.h"
#include "model/JsonWriter.h"
#include "model/Project.h"

namespace tavo {

TrialCompile::TrialCompile(const Project& project) : copy_(CopyForTrial(project)) {
  SilentPrompter quiet;
  PrompterScope scope(&quiet);
  ImageCompiler compiler(*copy_, {});
  compiler.CompileRecords();
  budget_.parts = compiler.Parts(true);
  budget_.wideGlyphCount = compiler.Shared().wide.size();
  budget_.narrowGlyphCount = compiler.Shared().narrow.size();
  budget_.keyPictureCount = compiler.Shared().keyPictures.size();
  warning_ = compiler.Shared().warning;
  // The compiler releases its records when it goes; the corrections stay.
  // The rectangles follow the stored positions, which are what the panel
  // receives (a project made in code may never have placed its elements).
  for (auto& screen : copy_->m_screens)
    for (auto& e : screen->m_elements) e->PlaceAtStoredPosition();
}

TrialCompile::~TrialCompile() = default;

ImageBudget MeasureImage(const Project& project) {
  return TrialCompile(project).Budget();
}

std::string GroupedNumber(long long n) {
  const bool negative = n < 0;
  std::string digits = std::to_string(negative ? -n : n);
  std::string out;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return negative ? "-" + out : out;
}

namespace {

struct PartRow {
  const char* key;   // JSON
  const char* name;  // terminal
  size_t bytes;
};

std::vector<PartRow> Rows(const ImageParts& p) {
  return {
      {"header", TAVO_TRANSLATE_NOOP("tavo::check::ImageBudget", "文件头"), p.header},
      {"lightPictures", TAVO_TRANSLATE_NOOP("tavo::check::ImageBudget", "指示灯图形"),
       p.lightPictures},
      {"keyPictures", TAVO_TRANSLATE_NOOP("tavo::check::ImageBudget", "按键图形"), p.keyPictures},
      {"wideGlyphs", TAVO_TRANSLATE_NOOP("tavo::check::ImageBudget", "汉字字模"), p.wideGlyphs},
      {"narrowGlyphs", TAVO_TRANSLATE_NOOP("tavo::check::ImageBudget", "字符字模"), p.narrowGlyphs},
      {"pictureData", TAVO_TRANSLATE_NOOP("tavo::check::ImageBudget", "图片数据"), p.pictureData},
      {"screenTable", TAVO_TRANSLATE_NOOP("tavo::check::ImageBudget", "画面表"), p.screenTable},
      {"elementIndex", TAVO_TRANSLATE_NOOP("tavo::check::ImageBudget", "元件索引"), p.elementIndex},
      {"records", TAVO_TRANSLATE_NOOP("tavo::check::ImageBudget", "元件记录"), p.records},
      {"dynamicTables", TAVO_TRANSLATE_NOOP("tavo::check::ImageBudget", "动态文本表"),
       p.dynamicTables},
      {"alarmList", TAVO_TRANSLATE_NOOP("tavo::check::ImageBudget", "报警列表"), p.alarmList}};
}

std::string Tr(const char* text) {
  return Translate("tavo::check::ImageBudget", text);
}

// Columns a UTF-8 text takes on a terminal: a Chinese character two.
size_t Columns(const std::string& s) {
  size_t n = 0;
  for (unsigned char ch : s)
    if (ch < 0x80)
      ++n;
    else if (ch >= 0xC0)
      n += 2;
  return n;
}

std::string Line(const std::string& name, const std::string& number) {
  std::string out = name;
  const size_t used = Columns(name) + number.size();
  out.append(used < 24 ? 24 - used : 1, ' ');
  return out + number + "\n";
}

}  // namespace

std::string BudgetToText(const ImageBudget& b) {
  std::string out;
  for (const PartRow& row : Rows(b.parts))
    out += Line(Tr(row.name), GroupedNumber(static_cast<long long>(row.bytes)));
  out += Line(Tr(TAVO_TRANSLATE_NOOP("tavo::check::ImageBudget", "合计")),
              GroupedNumber(static_cast<long long>(b.Total())));
  out += Line(Tr(TAVO_TRANSLATE_NOOP("tavo::check::ImageBudget", "上限")),
              GroupedNumber(static_cast<long long>(b.limit)));
  out += Line(Tr(TAVO_TRANSLATE_NOOP("tavo::check::ImageBudget", "剩余")),
              GroupedNumber(b.Remaining()));
  // %1 Chinese glyphs, %2 narrow glyphs, %3 key pictures.
  const char* counts =
      TAVO_TRANSLATE_NOOP("tavo::check::ImageBudget", "汉字 %1 个, 字符 %2 个, 按键图形 %3 个");
  out +=
      Substitute(Tr(counts), {std::to_string(b.wideGlyphCount), std::to_string(b.narrowGlyphCount),
                              std::to_string(b.keyPictureCount)}) +
      "\n";
  out += Tr(TAVO_TRANSLATE_NOOP("tavo::check::ImageBudget", "画面    元件数      字节")) + "\n";
  char buf[96];
  for (const ImageParts::Screen& s : b.parts.screens) {
    std::snprintf(buf, sizeof buf, "%4u %9zu %9s\n", unsigned{s.number}, s.elements,
                  GroupedNumber(static_cast<long long>(s.bytes)).c_str());
    out += buf;
  }
  return out;
}

std::string BudgetToJson(const ImageBudget& b) {
  JsonWriter w;
  w.BeginObject();
  w.Key("total");
  w.Int(static_cast<int64_t>(b.Total()));
  w.Key("limit");
  w.Int(static_cast<int64_t>(b.limit));
  w.Key("remaining");
  w.Int(b.Remaining());
  w.Key("parts");
  w.BeginObject();
  for (const PartRow& row : Rows(b.parts)) {
    w.Key(row.key);
    w.Int(static_cast<int64_t>(row.bytes));
  }
  w.EndObject();
  w.Key("wideGlyphCount");
  w.Int(static_cast<int64_t>(b.wideGlyphCount));
  w.Key("narrowGlyphCount");
  w.Int(static_cast<int64_t>(b.narrowGlyphCount));
  w.Key("keyPictureCount");
  w.Int(static_cast<int64_t>(b.keyPictureCount));
  w.Key("screens");
  w.BeginArray();
  for (const ImageParts::Screen& s : b.parts.screens) {
    w.BeginObject();
    w.Key("number");
    w.Int(s.number);
    w.Key("elements");
    w.Int(static_cast<int64_t>(s.elements));
    w.Key("bytes");
    w.Int(static_cast<int64_t>(s.bytes));
    w.EndObject();
  }
  w.EndArray();
  w.EndObject();
  return w.Take();
}

}  // namespace tavo

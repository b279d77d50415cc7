#include <algorithm>
#include <cstdio>

#include "base/Gbk.h"
#include "check/CheckContext.h"
#include "elements/Chars.h"
#include "elements/Dynamic.h"
#include "model/Project.h"
#include "render/FontLibrary.h"
#include "render/TextEncoding.h"

// Texts as the panel shows them: every character cell needs a glyph in the
// font libraries, and every byte must cut into cells the way GBK does.
namespace tavo {

namespace {

// Characters listed in one finding; the rest are counted.
constexpr size_t kListedChars = 3;

bool Blank(const GlyphBitmap& g) {
  return std::all_of(g.rows.begin(), g.rows.end(), [](uint16_t row) { return row == 0; });
}

// A space is blank on purpose.
bool IsSpace(const PanelChar& ch) {
  return ch.wide ? ch.pair[0] == 0xA1 && ch.pair[1] == 0xA1 : ch.code == ' ';
}

bool ValidGbkPair(const WideChar& pair) {
  const uint8_t lead = pair[0], trail = pair[1];
  return IsGbkLead(lead) && trail >= 0x40 && trail <= 0xFE && trail != 0x7F;
}

std::string Hex(uint8_t b) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "0x%02X", b);
  return buf;
}

std::string CellText(const PanelChar& ch) {
  if (!ch.wide) {
    if (ch.code < 0x20 || ch.code == 0x7F) return Hex(ch.code);
    return std::string(1, static_cast<char>(ch.code));
  }
  return GbkToUtf8(std::string{static_cast<char>(ch.pair[0]), static_cast<char>(ch.pair[1])});
}

// One text of an element (or of the alarm list when `screen` is null).
void CheckText(CheckContext& c, const CMainView* screen, size_t element, const Phrase& who,
               const std::string& gbk) {
  const std::vector<PanelChar> cells = SplitPanelText(gbk);
  std::vector<std::string> blank;
  size_t blankCount = 0;
  for (const PanelChar& ch : cells) {
    // A lead byte that ends the text has no trail byte.
    const bool lone = !ch.wide && static_cast<uint8_t>(gbk[ch.pos]) >= 0x80;
    if (lone || (ch.wide && !ValidGbkPair(ch.pair))) {
      const auto byte = static_cast<uint8_t>(gbk[ch.pos]);
      c.Add(
          Severity::kError, "not-gbk", screen, element,
          FindingText(TAVO_TRANSLATE_NOOP("tavo::check::ProjectCheck",
                                          "%1的文字在第%2字节有GBK不能编码的字节%3，面板显示错乱"),
                      {who, std::to_string(ch.pos + 1), Hex(byte)}));
      return;
    }
    if (!c.font || IsSpace(ch) || !Blank(c.font->Glyph(ch))) continue;
    const std::string shown = CellText(ch);
    if (std::find(blank.begin(), blank.end(), shown) != blank.end()) continue;
    ++blankCount;
    if (blank.size() < kListedChars) blank.push_back(shown);
  }
  if (blank.empty()) return;
  std::string list;
  for (const std::string& s : blank) list += "“" + s + "”";
  // The characters listed are the project's own text: shown as they are.
  Phrase message =
      FindingText(TAVO_TRANSLATE_NOOP("tavo::check::ProjectCheck",
                                      "%1的文字中%2在字库中没有字形，面板上显示为空白"),
                  {who, list});
  if (blankCount > blank.size())
    message =
        FindingText(TAVO_TRANSLATE_NOOP("tavo::check::ProjectCheck",
                                        "%1的文字中%2等%3个字符在字库中没有字形，面板上显示为空白"),
                    {who, list, std::to_string(blankCount)});
  c.Add(Severity::kWarning, "blank-glyph", screen, element, std::move(message));
}

}  // namespace

void CheckTexts(CheckContext& c) {
  for (const auto& screen : c.project.m_screens) {
    for (size_t i = 0; i < screen->m_elements.size(); ++i) {
      const CBase& e = *screen->m_elements[i];
      if (const auto* text = dynamic_cast<const CChars*>(&e)) {
        CheckText(c, screen.get(), i, Describe(e), text->m_text);
      } else if (const auto* dynamic = dynamic_cast<const CDynamic*>(&e)) {
        // Only the rows in use reach the panel.
        const size_t rows = std::min<size_t>(CDynamic::kRows, dynamic->m_valueTexts.size());
        for (size_t r = 0; r < rows && r < dynamic->m_texts.size(); ++r)
          if (!dynamic->m_valueTexts[r].empty())
            CheckText(c, screen.get(), i,
                      FindingText(TAVO_TRANSLATE_NOOP("tavo::check::ProjectCheck", "%1第%2行"),
                                  {Describe(e), std::to_string(r + 1)}),
                      dynamic->m_texts[r]);
      }
    }
  }
  const auto& alarms = c.project.m_alarmList.m_alarmTexts;
  for (size_t i = 0; i < alarms.size(); ++i)
    CheckText(c, nullptr, SIZE_MAX,
              FindingText(TAVO_TRANSLATE_NOOP("tavo::check::ProjectCheck", "报警列表第%1条"),
                          {std::to_string(i + 1)}),
              alarms[i]);
}

}  // namespace tavo

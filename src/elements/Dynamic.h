#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/Base.h"

namespace tavo {

// A dynamic text: shows the text of the row whose value equals a PLC
// register's. 32 rows of value and text; a row whose value cell is empty is
// not in use.
class CDynamic : public CBase {
 public:
  static constexpr int kRows = 32;

  CDynamic();
  // Created where the user clicked (editor pixels); row 0 gets the text (GBK),
  // the value text "1" and the value 1.
  CDynamic(Point at, std::string text);

  const char* ClassName() const override { return "CDynamic"; }
  std::unique_ptr<CBase> Clone() const override;

  void Serialize(CArchive& ar) override;
  // Releases the record and the compiled rows.
  void FreeCode() override;
  // Adds the base to every two-byte character reference of the text block.
  void Relocate(uint16_t& offset) override;
  // Compiles the rows in use and sets m_codeSize.
  void CalcCodeSize() override;
  // Builds the text block, entering its characters into the image's lists.
  void CollectShared(ImageShared& shared) override;
  void Compile() override;
  void Draw(Canvas& canvas) override;
  // Recomputes m_width; m_width cells of 18 x 36 editor pixels, doubled with
  // m_double.
  void SetScreenPos(int left, int top) override;

  // Writes each compiled row's value and block offset into the record and
  // advances the offset by the row's block length.
  void WriteRowTable(uint16_t& offset);
  // Appends the text block to the image.
  void AppendTextBlock(std::vector<uint8_t>& image) const;

  // The byte length of the longest text (at most 255).
  uint8_t LongestText() const;
  // The first non-empty text, the one the editor shows; empty when none.
  const std::string& ShownText() const;

  // Editing from the page's grid, rows numbered from 1; other rows change
  // nothing. A new content text re-places the element (its width may change).
  void EditContent(int row, const std::string& text);
  // Stores the typed value text and m_newValue; clearing the value cell also
  // clears the row's content.
  void EditValue(int row, const std::string& valueText);
  // Clamps every row's value into [minimum, maximum] and rewrites its value
  // cell ("%x" in mode 0, "%d" in mode 1); a row with an empty value cell is
  // not in use and is left alone (writing a value would make it live).
  void ClampValues(uint8_t mode, int32_t maximum, int32_t minimum);

  std::vector<std::string> m_texts;       // "内容", GBK, 32 rows
  std::vector<std::string> m_valueTexts;  // "数值" as typed; empty = row not in use
  std::vector<int32_t> m_values;          // value of each row
  uint8_t m_width = 1;                    // cells: byte length of the longest text
  int32_t m_newValue = 1;                 // value parsed from the cell being edited
  uint16_t m_subTypeAddr = 0;             // address used under protocol 31
  uint8_t m_subTypeCode = 0;              // register-type code used under protocol 31

  // Working data of a download, never stored or copied.
  std::vector<std::string> m_rowTexts;  // texts of the rows in use, in row order
  std::vector<uint16_t> m_rowValues;    // their values, truncated to 16 bits
  std::vector<uint8_t> m_rowBlockLens;  // text length + 2 per compiled row
  std::vector<uint8_t> m_textBlock;     // flags, length, encoded text per row
  uint16_t m_textBlockLen = 0;
  uint8_t m_flags = 0;  // as record byte 2

 protected:
  CDynamic(const CDynamic& other);
};

}  // namespace tavo

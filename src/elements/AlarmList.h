#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tavo {

class CArchive;
class ImageShared;

// The project's alarm list: a run of consecutive PLC coils from m_alarmbegin,
// one alarm text per coil. Not an element: no position, not drawn.
class CAlarmList {
 public:
  // Longest alarm text: its block length (text + 18) is one byte.
  static constexpr size_t kMaxTextBytes = 237;

  CAlarmList();
  // Back to a new project's list: protocol defaults, no texts.
  void Reset();

  void Serialize(CArchive& ar);

  // ---- the texts, as the alarm-list dialog edits them ----
  // Sets text `index` (0-based): an index past the end appends (with empty
  // texts between); trailing empty texts are then dropped.
  void SetText(size_t index, const std::string& text);
  // Drops the texts beyond `count` (the register type became narrower).
  void KeepAtMost(size_t count);

  // ---- download, in the order the image compiler calls them ----
  // Computes the header length and every text's block length.
  void CalcCodeSize();
  // Fills the header (bytes 0-9) and the text blocks; the texts' characters
  // enter the image's lists, double-byte references offset by charBase.
  void Compile(ImageShared& shared, uint16_t charBase);
  // Takes the image offset where the header goes; writes each text's entry
  // and advances the offset past the header and the text blocks.
  void Relocate(uint16_t& offset);
  // Appends the header and the text blocks to the image.
  void AppendTo(std::vector<uint8_t>& image) const;
  // Releases the working data of a download.
  void FreeCode();

  uint8_t m_station = 1;
  uint16_t m_alarmbegin = 0;
  uint8_t m_subAddr = 0;
  uint8_t m_regType = 0;
  uint8_t m_bitOffset = 0;
  std::vector<std::string> m_alarmTexts;  // GBK, no trailing empty entries

  // Working data of a download, never stored.
  std::vector<uint8_t> m_header;  // 10 + 3 x texts bytes
  uint16_t m_headerLen = 0;
  std::vector<uint8_t> m_textBlock;  // every text's block, in list order
  uint16_t m_textBlockLen = 0;
  std::vector<uint8_t> m_blockLens;  // text length + 18 per text
};

}  // namespace tavo

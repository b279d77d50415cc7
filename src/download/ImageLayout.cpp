#include "base/Captions.h"
#include "base/Prompter.h"
#include "download/ImageCompiler.h"
#include "elements/Dynamic.h"
#include "model/Project.h"
#include "render/EditorPictures.h"

// Pass 2 of the compilation and the assembly: where every part of the image
// lies, and the image put together in that order.
//
//   header 48 | light pictures 128 (when lights are used) | key pictures 32
//   each | wide glyphs 32 each | narrow glyphs 16 each | picture data |
//   screen table 9 per screen | element index 3 per element | records, per
//   screen: every element but the numeric registers in element order, then
//   the registers in register order | dynamic-text tables | alarm list
namespace tavo {

namespace {

constexpr size_t kLightPicturesSize = 128;

bool IsRegister(const CBase& e) {
  return e.m_kind == kKindRegister;
}

// The screen's numeric registers, positions in its element list, ordered by
// text row, then character column.
std::vector<uint8_t> RegisterOrder(const CMainView& screen) {
  std::vector<uint8_t> cursor;
  for (size_t i = 0; i < screen.m_elements.size(); ++i)
    if (IsRegister(*screen.m_elements[i]))
      screen.m_elements[i]->WriteCursorEntry(cursor, static_cast<uint8_t>(i));
  SortCursorEntries(cursor);
  return cursor;
}

// The elements of a screen in the order of their records.
template <typename Visit>
void ForEachRecord(const CMainView& screen, Visit visit) {
  for (auto& e : screen.m_elements)
    if (!IsRegister(*e)) visit(*e);
  for (uint8_t at : screen.m_regOrder)
    if (at < screen.m_elements.size() && IsRegister(*screen.m_elements[at]))
      visit(*screen.m_elements[at]);
}

}  // namespace

ImageParts ImageCompiler::Parts(bool perScreen) const {
  ImageParts parts;
  parts.header = kImageHeaderSize;
  parts.lightPictures = shared_.lightsUsed ? kLightPicturesSize : 0;
  parts.keyPictures = kImageSlotSize * shared_.keyPictures.size();
  parts.wideGlyphs = kImageSlotSize * shared_.wide.size();
  parts.narrowGlyphs = kNarrowGlyphSize * shared_.narrow.size();
  parts.pictureData = shared_.pictureData.size();
  parts.screenTable = kScreenEntrySize * project_.m_screens.size();
  for (auto& screen : project_.m_screens) {
    size_t records = 0;
    for (auto& e : screen->m_elements) records += e->m_codeSize;
    parts.elementIndex += kIndexEntrySize * screen->ElementCount();
    parts.records += records;
    if (!perScreen) continue;
    size_t tables = 0;
    for (auto& e : screen->m_elements)
      if (e->m_kind == kKindDynamic)
        if (auto* d = dynamic_cast<const CDynamic*>(e.get())) tables += d->m_textBlockLen;
    parts.screens.push_back(
        {screen->m_number, screen->ElementCount(),
         kScreenEntrySize + kIndexEntrySize * screen->ElementCount() + records + tables});
  }
  for (const CDynamic* d : shared_.dynamicTexts) parts.dynamicTables += d->m_textBlockLen;
  const CAlarmList& alarms = project_.m_alarmList;
  if (!alarms.m_alarmTexts.empty()) parts.alarmList = alarms.m_headerLen + alarms.m_textBlockLen;
  return parts;
}

void ImageCompiler::Layout() {
  const ImageParts parts = Parts();
  const size_t sharedSize = parts.lightPictures + parts.keyPictures + parts.wideGlyphs +
                            parts.narrowGlyphs + parts.pictureData;
  screenTableAddr_ = static_cast<uint16_t>(kFirstSlotAddress + sharedSize);
  narrowAddr_ = static_cast<uint16_t>(screenTableAddr_ - parts.narrowGlyphs - parts.pictureData);

  // The screen table points each screen at its first index entry; after it
  // the running address has passed the whole index and stands at the first
  // record.
  auto running =
      static_cast<uint16_t>(screenTableAddr_ + kScreenEntrySize * project_.m_screens.size());
  screenTable_.clear();
  for (size_t i = 0; i < project_.m_screens.size(); ++i)
    project_.m_screens[i]->WriteDirectoryEntry(screenTable_, i, running);

  elementIndex_.clear();
  for (auto& screen : project_.m_screens) {
    for (auto& e : screen->m_elements)
      if (!IsRegister(*e)) e->WriteIndexEntry(elementIndex_, running);
    screen->m_regOrder = RegisterOrder(*screen);
    for (uint8_t at : screen->m_regOrder) {
      if (at < screen->m_elements.size() && IsRegister(*screen->m_elements[at])) {
        screen->m_elements[at]->WriteIndexEntry(elementIndex_, running);
      } else {
        CurrentPrompter().Message(Translate(compile_text::kContext, compile_text::kNotARegister),
                                  DownloadCaption(), MessageIcon::Warning);
      }
    }
  }

  for (CDynamic* d : shared_.dynamicTexts) d->WriteRowTable(running);
  // The end address is where the alarm records start: the panel finds them there.
  endAddr_ = running;
  CAlarmList& alarms = project_.m_alarmList;
  if (!alarms.m_alarmTexts.empty()) alarms.Relocate(running);
}

void ImageCompiler::Assemble() {
  std::vector<uint8_t>& image = result_.image;
  image.clear();
  image.reserve(ImageSize());
  image.insert(image.end(), header_.begin(), header_.end());
  if (shared_.lightsUsed)
    for (const auto& picture : LightPictures())
      image.insert(image.end(), picture.begin(), picture.end());
  for (uint8_t id : shared_.keyPictures) {
    const auto bitmap = PanelKeyBitmap(id).value_or(PanelBitmap16{});
    image.insert(image.end(), bitmap.begin(), bitmap.end());
  }
  image.insert(image.end(), glyphs_.wide.begin(), glyphs_.wide.end());
  image.insert(image.end(), glyphs_.narrow.begin(), glyphs_.narrow.end());
  image.insert(image.end(), shared_.pictureData.begin(), shared_.pictureData.end());
  image.insert(image.end(), screenTable_.begin(), screenTable_.end());
  image.insert(image.end(), elementIndex_.begin(), elementIndex_.end());
  for (auto& screen : project_.m_screens)
    ForEachRecord(*screen, [&image](const CBase& e) {
      image.insert(image.end(), e.m_code.begin(), e.m_code.end());
    });
  for (const CDynamic* d : shared_.dynamicTexts) d->AppendTextBlock(image);
  const CAlarmList& alarms = project_.m_alarmList;
  if (!alarms.m_alarmTexts.empty()) alarms.AppendTo(image);
}

}  // namespace tavo

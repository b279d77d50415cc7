#pragma once

#include <cstdint>
#include <vector>

#include "render/TextEncoding.h"

namespace tavo {

class CDynamic;

// Download warnings raised while records are compiled: the limits or the scale
// of an element were out of order and had to be corrected.
enum DownloadWarning : uint8_t {
  kNoWarning = 0,
  kWarningRegisterLimits = 1,  // a numeric register's input limits
  kWarningGraphScale = 3,      // a bar's or trend's zero and full scale
};

// What one compilation of the download image gathers from all screens: the
// character lists behind the glyph tables, the key pictures, the picture data,
// the dynamic texts whose tables trail the records, the image flags and the
// download warning. Emptied when a compilation starts and after it ends.
// Elements add to it through CollectShared.
class ImageShared {
 public:
  // Entries of the key-picture list: key indices 0-19, the hand 20.
  static constexpr uint8_t kHandPicture = 20;

  // Position of a key picture in the list; appended when not yet listed.
  uint8_t KeyPictureIndex(uint8_t id);
  // A dynamic text whose row tables and text block follow the records.
  void AddDynamicText(CDynamic& dynamic) { dynamicTexts.push_back(&dynamic); }
  // Raises a download warning (an element corrected its values); the last
  // one raised is kept.
  void RaiseWarning(uint8_t w) {
    warning = w;
    ++corrections;
  }
  void Clear();

  WideCharList wide;                    // 16 x 16 glyphs, in order of first use
  NarrowCharList narrow;                // 8 x 16 glyphs, in order of first use
  std::vector<uint8_t> keyPictures;     // picture-id list of the function keys
  std::vector<uint8_t> pictureData;     // imported pictures' bands, in image order
  std::vector<CDynamic*> dynamicTexts;  // in image order
  bool lightsUsed = false;              // a screen holds an indicator light
  bool usesFlagA = false;               // a protected key or register
  bool usesFlagB = false;               // a register whose word code is 0x51
  uint8_t warning = kNoWarning;
  size_t corrections = 0;  // warnings raised, one per correcting element
};

}  // namespace tavo

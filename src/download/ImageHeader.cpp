#include <algorithm>

#include "download/ImageCompiler.h"
#include "model/Project.h"
#include "plc/Catalogue.h"
#include "plc/Protocol.h"

// The image's 48-byte header and the built-in light pictures.
namespace tavo {

namespace {

// Screen-saver delay index 0..10 in minutes ("从不" ... "1小时后").
constexpr uint8_t kSaverMinutes[11] = {0, 1, 2, 3, 5, 10, 15, 20, 30, 45, 60};

constexpr uint16_t kLargestPassword = 9999;

void Put16(std::array<uint8_t, kImageHeaderSize>& h, size_t at, uint16_t v) {
  h[at] = static_cast<uint8_t>(v >> 8);
  h[at + 1] = static_cast<uint8_t>(v);
}

// A screen number the panel can show: the number itself when a screen has it,
// else the first screen's, which then replaces it in the project too.
uint16_t ExistingScreen(const Project& project, uint16_t& number) {
  if (!project.m_screens.empty() && !project.FindScreen(number).found)
    number = project.m_screens.front()->m_number;
  return number;
}

// Four BCD digits: thousands and hundreds in byte 0, tens and units in byte 1.
// Only the dialog's 0-9999 can be written; a damaged file's larger value
// counts as 9999.
uint16_t PasswordBcd(uint16_t password) {
  const unsigned p = std::min(password, kLargestPassword);
  return static_cast<uint16_t>((p / 1000) << 12 | (p / 100 % 10) << 8 | (p / 10 % 10) << 4 |
                               p % 10);
}

}  // namespace

void ImageCompiler::BuildHeader() {
  PanelSettings& s = project_.m_settings;
  std::array<uint8_t, kImageHeaderSize>& h = header_;
  h.fill(0);
  h[0] = 0xFF;  // the panel writes its validity mark here once the transfer is whole
  h[1] = 0xFF;
  Put16(h, 2, screenTableAddr_);
  Put16(h, 4, endAddr_);
  Put16(h, 6, kFirstSlotAddress);
  Put16(h, 8, narrowAddr_);
  h[11] = s.m_commParam;
  h[12] = CurrentProtocol();
  h[13] = result_.driver.version;
  h[14] = project_.m_fileVersion;
  Put16(h, 16, static_cast<uint16_t>(project_.m_screens.size()));
  Put16(h, 18, ExistingScreen(project_, s.m_startScreen));
  if (s.m_saverAction == 1) Put16(h, 20, ExistingScreen(project_, s.m_saverScreen));
  h[22] = s.m_saverDelay < std::size(kSaverMinutes) ? kSaverMinutes[s.m_saverDelay] : 0;
  h[23] = s.m_ctrlStation;
  h[24] = RegisterTypeCode(s.m_ctrlRegType, kUseWord);
  Put16(h, 25, s.m_ctrlRegAddr);
  h[27] = s.m_protoMode;
  h[29] = s.m_ctrlFlags;
  h[30] = static_cast<uint8_t>(s.m_baud + CurrentProfile().m_baudOffset);
  h[31] = static_cast<uint8_t>(7 + s.m_dataBits);
  h[32] = static_cast<uint8_t>(1 + s.m_stopBits);
  h[33] = s.m_parity;
  h[34] = project_.m_alarmList.m_alarmTexts.empty() ? 0 : 1;
  h[35] = shared_.usesFlagA ? 1 : 0;
  Put16(h, 36, PasswordBcd(s.m_password));
  h[38] = shared_.usesFlagB ? 1 : 0;
  h[39] = s.m_commOption;
  Put16(h, 40, s.m_e5Timeout);
}

const std::array<std::array<uint8_t, 32>, 4>& LightPictures() {
  // Rows 0-7 then rows 8-15, one byte per column, bit 0 the top row.
  static const std::array<std::array<uint8_t, 32>, 4> kPictures = {{
      // round, off
      {0x00, 0xC0, 0x30, 0x08, 0xC4, 0x24, 0x12, 0x12, 0x02, 0x02, 0x04,
       0x04, 0x08, 0x30, 0xC0, 0x00, 0x00, 0x03, 0x0C, 0x10, 0x20, 0x20,
       0x40, 0x40, 0x40, 0x40, 0x20, 0x20, 0x10, 0x0C, 0x03, 0x00},
      // round, on
      {0x00, 0xC0, 0xF0, 0xF8, 0x3C, 0xDC, 0xEE, 0xEE, 0xFE, 0xFE, 0xFC,
       0xFC, 0xF8, 0xF0, 0xC0, 0x00, 0x00, 0x03, 0x0F, 0x1F, 0x3F, 0x3F,
       0x7F, 0x7F, 0x7F, 0x7F, 0x3F, 0x3F, 0x1F, 0x0F, 0x03, 0x00},
      // square, off
      {0x00, 0xFC, 0x02, 0xF2, 0x0A, 0x0A, 0x0A, 0x0A, 0x02, 0x02, 0x02,
       0x02, 0x02, 0x02, 0xFC, 0x00, 0x00, 0x3F, 0x40, 0x40, 0x40, 0x40,
       0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x3F, 0x00},
      // square, on
      {0x00, 0xFC, 0xFE, 0x0E, 0xF6, 0xF6, 0xF6, 0xF6, 0xFE, 0xFE, 0xFE,
       0xFE, 0xFE, 0xFE, 0xFC, 0x00, 0x00, 0x3F, 0x7F, 0x7F, 0x7F, 0x7F,
       0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x3F, 0x00},
  }};
  return kPictures;
}

}  // namespace tavo

#include "panel/PanelImage.h"

#include <cstdio>

#include "download/LinkConstants.h"

namespace tavo::panel {

namespace {

constexpr uint8_t kCompiledMark[2] = {0xFF, 0xFF};

bool HasMark(std::span<const uint8_t> bytes, const uint8_t* mark) {
  return bytes.size() >= 2 && bytes[0] == mark[0] && bytes[1] == mark[1];
}

}  // namespace

std::string HexAddress(uint32_t address) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%04X", static_cast<unsigned>(address));
  return text;
}

PanelImage PanelImage::FromBytes(std::span<const uint8_t> bytes) {
  PanelImage image;
  const uint8_t* valid = link::kValidityMark.data();
  std::span<const uint8_t> area = bytes;
  if (bytes.size() == link::kPanelMemorySize) {
    image.m_origin = ImageOrigin::PanelMemory;
    area = bytes.subspan(kImageBase);
    if (!HasMark(area, valid)) {
      image.m_state = ImageState::NoValidityMark;
      image.m_notice =
          "the panel memory holds no valid screen data (no validity mark 5A A5 at 0x8000: the "
          "download did not complete); the panel shows nothing";
      return image;
    }
  } else if (bytes.size() > kImageAreaSize) {
    image.m_notice = "not a screen-data image: " + std::to_string(bytes.size()) +
                     " bytes do not fit the panel's image area (32768 bytes from 0x8000)";
    return image;
  } else if (bytes.size() < kImageHeaderSize) {
    image.m_notice = "not a screen-data image: " + std::to_string(bytes.size()) +
                     " bytes are too few for the 48-byte header";
    return image;
  } else if (!HasMark(bytes, kCompiledMark) && !HasMark(bytes, valid)) {
    image.m_notice = "not a screen-data image: it starts with neither FF FF nor 5A A5";
    return image;
  }
  image.m_bytes.assign(area.begin(), area.end());
  image.m_state = ImageState::Ready;
  image.m_notice.clear();
  image.ReadHeader();
  image.ReadScreenTable();
  return image;
}

bool PanelImage::Contains(uint32_t address, size_t length) const {
  if (address < kImageBase) return false;
  const size_t offset = address - kImageBase;
  return offset <= m_bytes.size() && length <= m_bytes.size() - offset;
}

bool PanelImage::Byte(uint32_t address, uint8_t& out) const {
  if (!Contains(address, 1)) return false;
  out = m_bytes[address - kImageBase];
  return true;
}

bool PanelImage::Word(uint32_t address, uint16_t& out) const {
  auto b = Bytes(address, 2);
  if (b.empty()) return false;
  out = static_cast<uint16_t>(b[0] << 8 | b[1]);
  return true;
}

bool PanelImage::Long(uint32_t address, uint32_t& out) const {
  auto b = Bytes(address, 4);
  if (b.empty()) return false;
  out = uint32_t{b[0]} << 24 | uint32_t{b[1]} << 16 | uint32_t{b[2]} << 8 | b[3];
  return true;
}

std::span<const uint8_t> PanelImage::Bytes(uint32_t address, size_t length) const {
  if (length == 0 || !Contains(address, length)) return {};
  return std::span<const uint8_t>(m_bytes).subspan(address - kImageBase, length);
}

void PanelImage::ReadHeader() {
  auto h = Bytes(kImageBase, kImageHeaderSize);  // FromBytes made sure it is there
  auto word = [&](size_t i) { return static_cast<uint16_t>(h[i] << 8 | h[i + 1]); };
  ImageHeader& hd = m_header;
  hd.mark[0] = h[0];
  hd.mark[1] = h[1];
  hd.screenTable = word(2);
  hd.endAddress = word(4);
  hd.firstSlot = word(6);
  hd.narrowGlyphs = word(8);
  hd.station = h[11];
  hd.protocol = h[12];
  hd.driverVersion = h[13];
  hd.fileVersion = h[14];
  hd.screenCount = word(16);
  hd.startScreen = word(18);
  hd.saverScreen = word(20);
  hd.saverMinutes = h[22];
  hd.ctrlStation = h[23];
  hd.ctrlType = h[24];
  hd.ctrlAddress = word(25);
  hd.wordStep = h[27];
  hd.ctrlFlags = h[29];
  hd.baudIndex = h[30];
  hd.dataBits = h[31];
  hd.stopBits = h[32];
  hd.parity = h[33];
  hd.hasAlarmList = h[34] != 0;
  hd.usesProtection = h[35] != 0;
  hd.passwordBcd = word(36);
  hd.usesTimers = h[38] != 0;
  hd.interface = h[39];
  hd.e5Timeout = word(40);

  if (hd.firstSlot != kFirstSlotAddress)
    m_problems.push_back("header: first slot address " + HexAddress(hd.firstSlot) +
                         " instead of 0x8030");
  if (hd.narrowGlyphs < kFirstSlotAddress || hd.narrowGlyphs > hd.screenTable ||
      (hd.narrowGlyphs - kFirstSlotAddress) % kImageSlotSize != 0)
    m_problems.push_back("header: narrow glyphs at " + HexAddress(hd.narrowGlyphs) +
                         " do not lie on a slot boundary before the screen table at " +
                         HexAddress(hd.screenTable));
}

void PanelImage::ReadScreenTable() {
  const uint32_t table = m_header.screenTable;
  for (uint32_t i = 0; i < m_header.screenCount; ++i) {
    auto e = Bytes(table + i * kScreenEntrySize, kScreenEntrySize);
    if (e.empty()) {
      m_problems.push_back("screen table at " + HexAddress(table) + ": entry " +
                           std::to_string(i + 1) + " of " + std::to_string(m_header.screenCount) +
                           " lies outside the image");
      break;
    }
    ScreenEntry s;
    s.number = static_cast<uint16_t>(e[0] << 8 | e[1]);
    s.elementCount = e[2];
    s.upScreen = static_cast<uint16_t>(e[3] << 8 | e[4]);
    s.downScreen = static_cast<uint16_t>(e[5] << 8 | e[6]);
    s.indexAddress = static_cast<uint16_t>(e[7] << 8 | e[8]);
    m_screens.push_back(s);
  }
}

int PanelImage::FindScreen(uint16_t number) const {
  for (size_t i = 0; i < m_screens.size(); ++i)
    if (m_screens[i].number == number) return static_cast<int>(i);
  return -1;
}

std::vector<IndexEntry> PanelImage::Index(const ScreenEntry& screen) const {
  std::vector<IndexEntry> out;
  out.reserve(screen.elementCount);
  for (uint32_t k = 0; k < screen.elementCount; ++k) {
    auto e = Bytes(screen.indexAddress + k * kIndexEntrySize, kIndexEntrySize);
    if (e.empty()) break;
    out.push_back({e[0], static_cast<uint16_t>(e[1] << 8 | e[2])});
  }
  return out;
}

}  // namespace tavo::panel

#pragma once

// The screen data as the panel finds it in its memory from 0x8000 on: header,
// shared glyph and picture slots, screen table, element index and element
// records. Every read is bounded: an address outside the image area reads as
// "not there", never as memory beyond the bytes held.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "download/PanelMemory.h"

namespace tavo::panel {

// What the header tells the panel. Addresses are panel addresses.
struct ImageHeader {
  uint8_t mark[2] = {0, 0};  // 0xFF 0xFF as compiled, 0x5A 0xA5 once the panel accepted it
  uint16_t screenTable = 0;
  uint16_t endAddress = 0;  // behind records and dynamic-text tables: the alarm list lies here
  uint16_t firstSlot = 0;
  uint16_t narrowGlyphs = 0;
  uint8_t station = 0;
  uint8_t protocol = 0;
  uint8_t driverVersion = 0;
  uint8_t fileVersion = 0;
  uint16_t screenCount = 0;
  uint16_t startScreen = 0;
  uint16_t saverScreen = 0;
  uint8_t saverMinutes = 0;
  uint8_t ctrlStation = 0;
  uint8_t ctrlType = 0;
  uint16_t ctrlAddress = 0;
  uint8_t wordStep = 0;
  uint8_t ctrlFlags = 0;  // bit 0 screen change by the PLC, bit 1 report screen, bit 2 clock
  uint8_t baudIndex = 0;
  uint8_t dataBits = 0;
  uint8_t stopBits = 0;
  uint8_t parity = 0;
  bool hasAlarmList = false;
  bool usesProtection = false;  // uses-flag A
  uint16_t passwordBcd = 0;     // four BCD digits
  bool usesTimers = false;      // uses-flag B
  uint8_t interface = 0;
  uint16_t e5Timeout = 0;
};

struct ScreenEntry {
  uint16_t number = 0;
  uint8_t elementCount = 0;
  uint16_t upScreen = 0;
  uint16_t downScreen = 0;
  uint16_t indexAddress = 0;
};

struct IndexEntry {
  uint8_t kind = 0;
  uint16_t address = 0;
};

// How the bytes reached us.
enum class ImageOrigin {
  CompiledImage,  // a compiled image file: the image itself, from 0x8000 on
  PanelMemory,    // the 64 KiB memory of a panel: driver from 0, image from 0x8000
};

enum class ImageState {
  Ready,
  NoValidityMark,  // a panel memory whose download did not complete
  NotAnImage,      // neither a compiled image nor a panel memory
};

class PanelImage {
 public:
  PanelImage() = default;

  // Takes a compiled image (at most 32 KiB, first bytes 0xFF 0xFF or the
  // validity mark) or a 64 KiB panel memory (used only when it carries the
  // validity mark at 0x8000). `Notice()` says why an image is not ready.
  static PanelImage FromBytes(std::span<const uint8_t> bytes);

  ImageState State() const { return m_state; }
  bool Ready() const { return m_state == ImageState::Ready; }
  ImageOrigin Origin() const { return m_origin; }
  const std::string& Notice() const { return m_notice; }
  // Image bytes held, counted from 0x8000.
  size_t Size() const { return m_bytes.size(); }

  // ---- bounded reads; false / empty when any byte lies outside the image ----
  bool Byte(uint32_t address, uint8_t& out) const;
  bool Word(uint32_t address, uint16_t& out) const;  // high byte first
  bool Long(uint32_t address, uint32_t& out) const;  // most significant byte first
  // The `length` bytes at `address`, or an empty span when they are not all
  // inside the image.
  std::span<const uint8_t> Bytes(uint32_t address, size_t length) const;
  bool Contains(uint32_t address, size_t length) const;

  const ImageHeader& Header() const { return m_header; }
  // The screen table, as many entries as the header counts and the image holds.
  const std::vector<ScreenEntry>& Screens() const { return m_screens; }
  // Position in Screens() of the screen with that number, or -1.
  int FindScreen(uint16_t number) const;
  // The element index entries of a screen (those inside the image).
  std::vector<IndexEntry> Index(const ScreenEntry& screen) const;

  // Where the shared areas lie, as the header describes them: 16 x 16 slots
  // from 0x8030 up to the narrow glyphs, then narrow glyphs and picture data
  // up to the screen table, element records behind the element index.
  uint32_t SlotAreaEnd() const { return m_header.narrowGlyphs; }
  uint32_t SharedAreaEnd() const { return m_header.screenTable; }
  // What is wrong with the header or the screen table (empty for a sound image).
  const std::vector<std::string>& Problems() const { return m_problems; }

 private:
  void ReadHeader();
  void ReadScreenTable();

  ImageState m_state = ImageState::NotAnImage;
  ImageOrigin m_origin = ImageOrigin::CompiledImage;
  std::string m_notice = "no screen data";
  std::vector<uint8_t> m_bytes;
  ImageHeader m_header;
  std::vector<ScreenEntry> m_screens;
  std::vector<std::string> m_problems;
};

// "0x8123" for messages.
std::string HexAddress(uint32_t address);

}  // namespace tavo::panel

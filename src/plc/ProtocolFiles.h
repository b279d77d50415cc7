#pragma once

// The two small files beside the executable: "ormed_Ptc.dat", the protocol
// file holding the panel-side drivers (which protocols can be chosen at all,
// and the driver bytes a download sends), and "In.dat", which remembers the
// last protocol position and COM port between runs.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/PanelSettings.h"

namespace tavo {

inline constexpr char kProtocolFileName[] = "ormed_Ptc.dat";
inline constexpr char kSettingsFileName[] = "In.dat";

// Protocol file: byte 0 the record count N, then N records of a 20-byte head
// (protocol, version, driver length L little-endian, 16 bytes unused) and a
// 32768-byte driver area. The editor takes L + 128 bytes of the area.
inline constexpr size_t kPtcHeadSize = 20;
inline constexpr size_t kPtcDriverArea = 32768;
inline constexpr size_t kPtcRecordSize = kPtcHeadSize + kPtcDriverArea;  // 32788
inline constexpr size_t kPtcDriverTail = 128;
// Longest driver whose L + 128 bytes still lie inside the driver area.
inline constexpr size_t kPtcMaxDriver = kPtcDriverArea - kPtcDriverTail;
inline constexpr size_t kPtcMaxRecords = 255;

// Offset of record k in the protocol file.
inline constexpr size_t PtcRecordOffset(size_t k) {
  return 1 + k * kPtcRecordSize;
}

// "In.dat" defaults when the file does not say otherwise.
inline constexpr uint8_t kDefaultComPort = 1;  // COM2

// ---- Reading and writing the files as such ----------------------------------

// The protocol numbers of the records, in file order; nullopt when the file
// cannot be opened. Records cut off by the end of the file are not listed.
std::optional<std::vector<uint8_t>> ReadProtocolCatalogue(const std::string& path);

struct PtcDriver {
  uint8_t position = 0;  // record index
  uint8_t version = 0;
  std::vector<uint8_t> bytes;  // L + 128 bytes, fewer when the record is cut short
};

enum class DriverRead { Ok, NoFile, NotFound };

// Finds the first record of `protocol`. The driver never reaches past its own
// record's driver area, whatever L says.
DriverRead ReadProtocolDriver(const std::string& path, uint8_t protocol, PtcDriver& out);

// One record of a protocol file to build.
struct PtcRecord {
  uint8_t protocol = 0;
  uint8_t version = 0;
  std::vector<uint8_t> driver;  // at most kPtcMaxDriver bytes
};

// The bytes of a protocol file; false with a reason for more than 255 records
// or a driver longer than kPtcMaxDriver.
bool BuildProtocolFile(const std::vector<PtcRecord>& records, std::vector<uint8_t>& out,
                       std::string& error);

// The bytes of "In.dat" present in the file (up to two): nullopt when it
// cannot be opened.
std::optional<std::vector<uint8_t>> ReadSettingsFile(const std::string& path);

// Writes `bytes` from offset 0 of "In.dat", keeping any bytes after them: the
// existing file is opened without truncating, otherwise created (with its
// directory).
bool WriteSettingsFile(const std::string& path, const std::vector<uint8_t>& bytes);

// Where the protocol file is looked up (the data-file directories).
std::string ProtocolFilePath();
// Where "In.dat" lives: beside the executable (or in the data directory chosen
// with --data-dir / TAVO_DATA_DIR) when writable, else $XDG_CONFIG_HOME/tavo/.
std::string SettingsFilePath();

// ---- The program's protocol state -------------------------------------------

// What the editor keeps from the two files: the available-protocol list, the
// COM port, and the driver of the current protocol for a download.
class ProtocolFiles {
 public:
  // Paths are taken from ProtocolFilePath / SettingsFilePath when first used.
  ProtocolFiles() = default;
  // Explicit paths; an empty settings path means "In.dat" is never read or
  // written (the `tavo` command).
  ProtocolFiles(std::string protocolPath, std::string settingsPath);

  // Start-up: reads "In.dat" (creating it empty when missing) and the record
  // heads of the protocol file, makes the protocol at the stored position
  // current, rebuilds the profile and sets its start-up line settings. Without
  // any record no protocol is current (protocol 0).
  void LoadAtStartup(PanelSettings& settings);

  // Before a download or after a project is read: reads the current protocol's
  // version and driver, stores its position in `settings` and in byte 0 of
  // "In.dat". Shows "文件...不存在!" or "此协议不存在!" and fails otherwise.
  bool LoadDriver(PanelSettings& settings, const std::string& caption = "");

  // After the PLC or COM-port dialog: writes both bytes of "In.dat".
  bool SaveChoice(const PanelSettings& settings);

  // Check of a new project: false, after "文件ormed_Ptc.dat出错!!!", when the
  // protocol file offered no protocol.
  bool CheckForNewProject() const;

  bool HasProtocols() const { return !m_available.empty(); }
  bool PositionInCatalogue(uint8_t position) const { return position < m_available.size(); }
  // The protocol at a position, clamped to the list; 0 for an empty list.
  uint8_t ProtocolAt(uint8_t position) const;

  // The driver is released after each transfer.
  void ReleaseDriver() {
    m_driver.clear();
    m_driver.shrink_to_fit();
  }

  const std::string& ProtocolPath();
  const std::string& SettingsPath();

  std::vector<uint8_t> m_available;  // protocol numbers in protocol-file order
  uint8_t m_comPort = kDefaultComPort;
  uint8_t m_driverVersion = 0;
  std::vector<uint8_t> m_driver;  // driver bytes; its size is the driver length

 private:
  bool WriteSettings(const std::vector<uint8_t>& bytes);

  std::string m_protocolPath;
  std::string m_settingsPath;
  bool m_pathsGiven = false;
};

// The program's one instance, used by the editor and the download.
ProtocolFiles& CurrentProtocolFiles();

// Line settings of a protocol chosen at start-up: the catalogue defaults, but
// protocol 18 starts with odd parity, protocol 15 with interface "232",
// protocols 24 and 28-36 keep the interface, and protocol 2 also sets the
// control-register station to 2.
void ApplyStartupLineSettings(uint8_t protocol, PanelSettings& settings);

}  // namespace tavo

#include "plc/ProtocolFiles.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "base/DataFiles.h"
#include "base/Prompter.h"
#include "base/Substitute.h"
#include "base/Texts.h"
#include "plc/Catalogue.h"
#include "plc/Protocol.h"

namespace tavo {

namespace fs = std::filesystem;

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

File OpenRead(const std::string& path) {
  std::error_code ec;
  // A directory opens on Linux but reads nothing; treat it as missing.
  if (path.empty() || fs::is_directory(path, ec)) return nullptr;
  return File(std::fopen(path.c_str(), "rb"));
}

// Reads up to `n` bytes at `offset`; returns how many were read.
size_t ReadAt(std::FILE* f, size_t offset, uint8_t* out, size_t n) {
  if (std::fseek(f, static_cast<long>(offset), SEEK_SET) != 0) return 0;
  return std::fread(out, 1, n, f);
}

std::string AbsolutePath(const std::string& path) {
  std::error_code ec;
  fs::path abs = fs::absolute(path, ec);
  return ec ? path : abs.lexically_normal().string();
}

void ShowMissing(const std::string& path, const std::string& caption) {
  // %1 the file's full path.
  const char* text = TAVO_TRANSLATE_NOOP("tavo::plc::ProtocolFiles", "文件%1不存在!");
  CurrentPrompter().Message(
      Substitute(Translate("tavo::plc::ProtocolFiles", text), {AbsolutePath(path)}), caption,
      MessageIcon::Warning);
}

bool Writable(const fs::path& p) {
  return ::access(p.c_str(), W_OK) == 0;
}

std::string XdgSettingsPath() {
  fs::path base;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg && fs::path(xdg).is_absolute())
    base = xdg;
  else if (const char* home = std::getenv("HOME"); home && *home)
    base = fs::path(home) / ".config";
  else
    base = fs::temp_directory_path();
  return (base / "tavo" / kSettingsFileName).string();
}

}  // namespace

// ---- files -------------------------------------------------------------------

std::optional<std::vector<uint8_t>> ReadProtocolCatalogue(const std::string& path) {
  File f = OpenRead(path);
  if (!f) return std::nullopt;
  std::vector<uint8_t> list;
  uint8_t n = 0;
  if (ReadAt(f.get(), 0, &n, 1) != 1) return list;
  for (size_t k = 0; k < n; ++k) {
    uint8_t protocol = 0;
    if (ReadAt(f.get(), PtcRecordOffset(k), &protocol, 1) != 1) break;
    list.push_back(protocol);
  }
  return list;
}

DriverRead ReadProtocolDriver(const std::string& path, uint8_t protocol, PtcDriver& out) {
  File f = OpenRead(path);
  if (!f) return DriverRead::NoFile;
  uint8_t n = 0;
  if (ReadAt(f.get(), 0, &n, 1) != 1) return DriverRead::NotFound;
  for (size_t k = 0; k < n; ++k) {
    uint8_t head[4] = {0, 0, 0, 0};
    const size_t got = ReadAt(f.get(), PtcRecordOffset(k), head, sizeof head);
    if (got == 0) break;  // the file ends before this record
    if (head[0] != protocol) continue;
    out.position = static_cast<uint8_t>(k);
    out.version = head[1];
    // A head cut short announces no driver; a length past the driver area is
    // kept inside it, so the next record never becomes part of this driver.
    const size_t length = got == sizeof head ? size_t{head[2]} | size_t{head[3]} << 8 : 0;
    const size_t want = std::min(length + kPtcDriverTail, kPtcDriverArea);
    out.bytes.assign(want, 0);
    out.bytes.resize(ReadAt(f.get(), PtcRecordOffset(k) + kPtcHeadSize, out.bytes.data(), want));
    return DriverRead::Ok;
  }
  return DriverRead::NotFound;
}

bool BuildProtocolFile(const std::vector<PtcRecord>& records, std::vector<uint8_t>& out,
                       std::string& error) {
  if (records.size() > kPtcMaxRecords) {
    error = "at most " + std::to_string(kPtcMaxRecords) + " drivers fit a protocol file";
    return false;
  }
  out.assign(1 + records.size() * kPtcRecordSize, 0);
  out[0] = static_cast<uint8_t>(records.size());
  for (size_t k = 0; k < records.size(); ++k) {
    const PtcRecord& r = records[k];
    if (r.driver.size() > kPtcMaxDriver) {
      error = "driver of protocol " + std::to_string(r.protocol) + " has " +
              std::to_string(r.driver.size()) + " bytes, at most " + std::to_string(kPtcMaxDriver) +
              " fit";
      return false;
    }
    uint8_t* rec = out.data() + PtcRecordOffset(k);
    rec[0] = r.protocol;
    rec[1] = r.version;
    rec[2] = static_cast<uint8_t>(r.driver.size() & 0xFF);
    rec[3] = static_cast<uint8_t>(r.driver.size() >> 8);
    std::copy(r.driver.begin(), r.driver.end(), rec + kPtcHeadSize);
  }
  return true;
}

std::optional<std::vector<uint8_t>> ReadSettingsFile(const std::string& path) {
  File f = OpenRead(path);
  if (!f) return std::nullopt;
  uint8_t bytes[2];
  const size_t got = std::fread(bytes, 1, sizeof bytes, f.get());
  return std::vector<uint8_t>(bytes, bytes + got);
}

bool WriteSettingsFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  if (path.empty()) return false;
  File f(std::fopen(path.c_str(), "r+b"));
  if (!f) {
    std::error_code ec;
    fs::path parent = fs::path(path).parent_path();
    if (!parent.empty()) fs::create_directories(parent, ec);
    f.reset(std::fopen(path.c_str(), "wb"));
  }
  if (!f) return false;
  const bool ok =
      bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f.get()) == bytes.size();
  return std::fclose(f.release()) == 0 && ok;
}

std::string ProtocolFilePath() {
  return DataFilePath(kProtocolFileName);
}

std::string SettingsFilePath() {
  // The first data directory holding "In.dat", or the first candidate.
  const fs::path path = DataFilePath(kSettingsFileName);
  std::error_code ec;
  const bool usable = fs::exists(path, ec) ? Writable(path) : Writable(path.parent_path());
  return usable ? path.string() : XdgSettingsPath();
}

// ---- the program's protocol state ---------------------------------------------

ProtocolFiles::ProtocolFiles(std::string protocolPath, std::string settingsPath)
    : m_protocolPath(std::move(protocolPath)),
      m_settingsPath(std::move(settingsPath)),
      m_pathsGiven(true) {}

const std::string& ProtocolFiles::ProtocolPath() {
  if (!m_pathsGiven && m_protocolPath.empty()) m_protocolPath = ProtocolFilePath();
  return m_protocolPath;
}

const std::string& ProtocolFiles::SettingsPath() {
  if (!m_pathsGiven && m_settingsPath.empty()) m_settingsPath = SettingsFilePath();
  return m_settingsPath;
}

uint8_t ProtocolFiles::ProtocolAt(uint8_t position) const {
  if (m_available.empty()) return 0;
  return m_available[std::min<size_t>(position, m_available.size() - 1)];
}

bool ProtocolFiles::WriteSettings(const std::vector<uint8_t>& bytes) {
  const std::string& path = SettingsPath();
  return !path.empty() && WriteSettingsFile(path, bytes);
}

void ProtocolFiles::LoadAtStartup(PanelSettings& settings) {
  uint8_t position = 0;
  m_comPort = kDefaultComPort;
  const std::string& settingsPath = SettingsPath();
  if (auto bytes = ReadSettingsFile(settingsPath)) {
    // A short file keeps the defaults for what it does not hold.
    if (bytes->size() >= 1) position = (*bytes)[0];
    if (bytes->size() >= 2) m_comPort = (*bytes)[1];
  } else if (!settingsPath.empty()) {
    std::error_code ec;
    if (!fs::exists(settingsPath, ec)) WriteSettingsFile(settingsPath, {});
  }

  m_available.clear();
  if (auto list = ReadProtocolCatalogue(ProtocolPath()))
    m_available = std::move(*list);
  else
    ShowMissing(ProtocolPath(), "");

  if (m_available.empty()) {
    // No protocol can be chosen: start without a current protocol. A new
    // project is refused until a protocol file offers one.
    settings.m_plcPos = 0;
    ApplyProtocol(0, settings);
    return;
  }
  if (position >= m_available.size()) position = static_cast<uint8_t>(m_available.size() - 1);
  settings.m_plcPos = position;
  const uint8_t protocol = m_available[position];
  ApplyStartupLineSettings(protocol, settings);
  ApplyProtocol(protocol, settings);
}

bool ProtocolFiles::LoadDriver(PanelSettings& settings, const std::string& caption) {
  PtcDriver driver;
  switch (ReadProtocolDriver(ProtocolPath(), CurrentProtocol(), driver)) {
    case DriverRead::NoFile:
      ShowMissing(ProtocolPath(), caption);
      return false;
    case DriverRead::NotFound: {
      const char* text = TAVO_TRANSLATE_NOOP("tavo::plc::ProtocolFiles", "此协议不存在!");
      CurrentPrompter().Message(Translate("tavo::plc::ProtocolFiles", text), caption,
                                MessageIcon::Warning);
    }
      return false;
    case DriverRead::Ok:
      break;
  }
  m_driverVersion = driver.version;
  m_driver = std::move(driver.bytes);
  settings.m_plcPos = driver.position;
  WriteSettings({driver.position});
  return true;
}

bool ProtocolFiles::SaveChoice(const PanelSettings& settings) {
  return WriteSettings({settings.m_plcPos, m_comPort});
}

bool ProtocolFiles::CheckForNewProject() const {
  if (HasProtocols()) return true;
  const char* text = TAVO_TRANSLATE_NOOP("tavo::plc::ProtocolFiles", "文件ormed_Ptc.dat出错!!!");
  CurrentPrompter().Message(Translate("tavo::plc::ProtocolFiles", text), "", MessageIcon::Warning);
  return false;
}

ProtocolFiles& CurrentProtocolFiles() {
  static ProtocolFiles files;
  return files;
}

void ApplyStartupLineSettings(uint8_t protocol, PanelSettings& s) {
  const auto d = DefaultLineSettings(protocol);
  if (!d) return;
  s.m_baud = d->baud;
  s.m_dataBits = d->dataBits;
  s.m_stopBits = d->stopBits;
  s.m_parity = protocol == 18 ? line::kParityOdd : d->parity;
  if (protocol == 15)
    s.m_commOption = line::kIface232;
  else if (protocol != 24 && !(protocol >= 28 && protocol <= 36) && d->commOption)
    s.m_commOption = *d->commOption;
  if (d->commParam) s.m_commParam = *d->commParam;
  if (d->e5Timeout) s.m_e5Timeout = *d->e5Timeout;
  if (protocol == 2) s.m_ctrlStation = 2;
}

}  // namespace tavo

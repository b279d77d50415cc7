#include "model/ProjectFile.h"

#include <cstring>
#include <optional>

#include "base/Archive.h"
#include "model/ElementFactory.h"
#include "plc/Protocol.h"

namespace tavo {

namespace {

constexpr uint8_t kFileTag = 0x08;
constexpr uint8_t kMagic[5] = {'O', 'r', 'm', 'i', 'x'};
constexpr uint8_t kFormatMark = 1;
constexpr size_t kHeaderSize = 8;
constexpr size_t kSettingsReserved = 98;
constexpr size_t kScreenReserved = 20;
// Smallest stored object: its tag word.
constexpr size_t kMinObjectBytes = 2;

bool KnownVersion(uint8_t v) {
  return v == 1 || v == 10 || v == 11 || v == 12;
}

ProjectFileError FromArchive(ArchiveError e) {
  switch (e) {
    case ArchiveError::EndOfFile:
      return ProjectFileError::EndOfFile;
    case ArchiveError::BadIndex:
      return ProjectFileError::BadIndex;
    case ArchiveError::BadClass:
      return ProjectFileError::BadClass;
    case ArchiveError::BadSchema:
      return ProjectFileError::BadSchema;
    case ArchiveError::Generic:
      break;
  }
  return ProjectFileError::ReadFailed;
}

bool IsElementClass(ArchiveClass c) {
  return c != ArchiveClass::Base && c != ArchiveClass::Screen;
}

// Fields 5-23 of the file, as the version holds them.
void SerializeSettings(CArchive& ar, Project& p, uint8_t& protocol) {
  PanelSettings& s = p.m_settings;
  const uint8_t version = ar.FileVersion();
  ar.Io(p.m_curScreen);
  ar.Io(protocol);
  ar.Io(s.m_password);
  ar.Io(s.m_startScreen);
  ar.Io(s.m_ctrlStation);
  ar.Io(s.m_ctrlRegAddr);
  ar.Io(s.m_ctrlRegType);
  ar.Io(s.m_saverScreen);
  ar.Io(s.m_saverDelay);
  ar.Io(s.m_ctrlFlags);
  ar.Io(s.m_baud);
  ar.Io(s.m_dataBits);
  if (ar.IsLoading() && version == 1) {
    // Version 1 marks a stored interface option with bit 7 of the stop bits.
    const uint8_t t = ar.ReadByte();
    s.m_stopBits = t & 0x7F;
    ar.Io(s.m_parity);
    ar.Io(s.m_commParam);
    ar.Io(s.m_protoMode);
    ar.Io(s.m_saverAction);
    if (t & 0x80) ar.Io(s.m_commOption);
    return;
  }
  ar.Io(s.m_stopBits);
  ar.Io(s.m_parity);
  ar.Io(s.m_commParam);
  ar.Io(s.m_protoMode);
  ar.Io(s.m_saverAction);
  ar.Io(s.m_commOption);
  if (ar.IsStoring() || version >= 12) ar.Io(s.m_e5Timeout);
}

void ReadHeader(CArchive& ar) {
  ar.SkipReserved(6);  // tag and magic, checked before
  ar.SetFileVersion(ar.ReadByte());
  ar.ReadByte();  // format mark, checked before
}

}  // namespace

// ---- screen record ----

void CMainView::Serialize(CArchive& ar) {
  ar.Io(m_number);
  ar.IoString(m_description);
  ar.Io(m_upScreen);
  ar.Io(m_downScreen);
  ar.Reserved(kScreenReserved);
  if (ar.IsStoring()) {
    ar.WriteCount(m_elements.size());
    for (auto& e : m_elements) {
      ArchiveClass cls;
      if (!ArchiveClassByName(e->ClassName(), cls) || !IsElementClass(cls))
        throw ArchiveException(ArchiveError::Generic, "not a stored element class");
      ar.WriteObjectTag(cls);
      e->Serialize(ar);
    }
    return;
  }
  const size_t n = ar.ReadCount(kMinObjectBytes);
  m_elements.clear();
  for (size_t i = 0; i < n; ++i) {
    const ArchiveClass cls = ar.ReadObjectTag();
    auto e = IsElementClass(cls) ? CreateElementByClass(ArchiveClassName(cls)) : nullptr;
    if (!e) throw ArchiveException(ArchiveError::BadClass, "not an element");
    e->Serialize(ar);
    m_elements.push_back(std::move(e));  // in file order: the head comes first
  }
}

// ---- whole file ----

ProjectFileError CheckProjectHeader(std::span<const uint8_t> head) {
  if (head.size() < 6 || head[0] != kFileTag || std::memcmp(&head[1], kMagic, 5) != 0)
    return ProjectFileError::NotOrx;
  if (head.size() < kHeaderSize || head[7] != kFormatMark || !KnownVersion(head[6]))
    return ProjectFileError::VersionMismatch;
  return ProjectFileError::None;
}

ProjectFileError ReadProjectBytes(std::span<const uint8_t> data, Project& out, ReadInfo& info) {
  if (auto e = CheckProjectHeader(data); e != ProjectFileError::None) return e;
  // New elements take their defaults from the file's protocol while it is
  // read; the program's own comes back on every way out.
  std::optional<ProtocolScope> fileProtocol;
  ProjectFileError result = ProjectFileError::None;
  try {
    CArchive ar(data);
    ReadHeader(ar);
    out.m_fileVersion = ar.FileVersion();
    out.m_formatMark = kFormatMark;
    uint8_t protocol = 0;
    SerializeSettings(ar, out, protocol);
    info.protocol = protocol;
    fileProtocol.emplace(protocol);
    ar.SkipReserved(kSettingsReserved);
    const size_t screens = ar.ReadCount(kMinObjectBytes);
    out.m_screens.clear();
    for (size_t i = 0; i < screens; ++i) {
      if (ar.ReadObjectTag() != ArchiveClass::Screen)
        throw ArchiveException(ArchiveError::BadClass, "not a screen");
      auto screen = std::make_unique<CMainView>();
      screen->Serialize(ar);
      out.m_screens.push_back(std::move(screen));
    }
    out.m_alarmList.Serialize(ar);
  } catch (const ArchiveException& e) {
    result = FromArchive(e.Error());
  } catch (const std::bad_alloc&) {
    result = ProjectFileError::ReadFailed;
  }
  fileProtocol.reset();
  if (result != ProjectFileError::None) return result;
  // A project always has a screen, and the current one exists.
  if (out.m_screens.empty()) out.m_screens.push_back(std::make_unique<CMainView>(1, ""));
  if (out.m_curScreen >= out.m_screens.size()) out.m_curScreen = 0;
  out.m_elementSelected = false;
  return ProjectFileError::None;
}

std::vector<uint8_t> WriteProjectBytes(Project& project, uint8_t protocol) {
  CArchive ar;
  ar.SetFileVersion(kProjectFileVersion);
  ar.WriteByte(kFileTag);
  ar.WriteBytes(kMagic, sizeof kMagic);
  ar.WriteByte(kProjectFileVersion);
  ar.WriteByte(kFormatMark);
  SerializeSettings(ar, project, protocol);
  ar.WriteReserved(kSettingsReserved);
  ar.WriteCount(project.m_screens.size());
  for (auto& screen : project.m_screens) {
    ar.WriteObjectTag(ArchiveClass::Screen);
    screen->Serialize(ar);
  }
  project.m_alarmList.Serialize(ar);
  return ar.TakeBuffer();
}

}  // namespace tavo

#include "plc/PlcSelection.h"

#include <algorithm>

#include "plc/Catalogue.h"
#include "plc/Protocol.h"
#include "plc/ProtocolFiles.h"

namespace tavo {

namespace {

void ClampIndex(uint8_t& index, const std::vector<std::string>& list) {
  if (!list.empty() && index >= list.size()) index = static_cast<uint8_t>(list.size() - 1);
}

// The station field after the idle check: at most 255; 1-247 for protocol 21.
long CheckedStation(long value, uint8_t protocol) {
  value = std::clamp(value, 0L, 255L);
  if (protocol == 21) value = std::clamp(value, 1L, 247L);
  return value;
}

}  // namespace

PlcChoice ChoiceFromSettings(const PanelSettings& s, uint8_t protocol) {
  PlcChoice c;
  c.protocol = protocol;
  c.plcPos = s.m_plcPos;
  c.baud = s.m_baud;
  c.dataBits = s.m_dataBits;
  c.stopBits = s.m_stopBits;
  c.parity = s.m_parity;
  c.commOption = s.m_commOption;
  c.commParam = s.m_commParam;
  c.e5Timeout = s.m_e5Timeout;
  return c;
}

void ApplyChoice(const PlcChoice& c, PanelSettings& s) {
  s.m_plcPos = c.plcPos;
  s.m_baud = c.baud;
  s.m_dataBits = c.dataBits;
  s.m_stopBits = c.stopBits;
  s.m_parity = c.parity;
  s.m_commOption = c.commOption;
  if (UsesPanelStation(c.protocol)) s.m_commParam = c.commParam;
  if (UsesE5Timeout(c.protocol)) s.m_e5Timeout = c.e5Timeout;
}

std::string ProtocolPaneText(uint8_t protocol, uint8_t driverVersion) {
  return ProtocolName(protocol, Language::Chinese) + "." + std::to_string(driverVersion);
}

const std::vector<std::string>& ComPortNames() {
  static const std::vector<std::string> names{"COM1", "COM2", "COM3", "COM4", "COM5", "COM6"};
  return names;
}

PlcSelection::PlcSelection(std::vector<uint8_t> available, const PlcChoice& project)
    : m_available(std::move(available)), m_project(project), m_choice(project) {
  SelectProtocol(project.plcPos);
  m_pendingPosition = m_choice.plcPos;
  m_stationField = m_choice.commParam;
  m_e5Field = m_choice.e5Timeout;
}

void PlcSelection::SelectProtocol(uint8_t position) {
  if (!m_available.empty()) {
    m_choice.plcPos = std::min<uint8_t>(position, static_cast<uint8_t>(m_available.size() - 1));
    m_choice.protocol = m_available[m_choice.plcPos];
    SetCurrentProtocol(m_choice.protocol);
  }
  ClampIndices();
}

void PlcSelection::ClampIndices() {
  ClampIndex(m_choice.baud, BaudRates());
  ClampIndex(m_choice.dataBits, DataBits());
  ClampIndex(m_choice.stopBits, StopBits());
  ClampIndex(m_choice.parity, Parities());
  ClampIndex(m_choice.commOption, Interfaces());
}

std::vector<std::string> PlcSelection::ProtocolNames() const {
  std::vector<std::string> names;
  for (uint8_t p : m_available) names.push_back(ProtocolName(p, Language::Chinese));
  return names;
}

void PlcSelection::Idle() {
  m_stationField = CheckedStation(m_stationField, m_choice.protocol);

  const uint8_t before = m_choice.plcPos;
  if (m_available.empty() || m_pendingPosition == before) return;
  SelectProtocol(m_pendingPosition);
  m_pendingPosition = m_choice.plcPos;
  if (m_choice.plcPos == before) return;

  const auto d = DefaultLineSettings(m_choice.protocol);
  if (!d) return;  // a number the catalogue does not know: nothing to apply
  m_choice.baud = d->baud;
  m_choice.dataBits = d->dataBits;
  m_choice.stopBits = d->stopBits;
  m_choice.parity = d->parity;
  if (d->commOption) m_choice.commOption = *d->commOption;  // protocol 15 keeps it
  if (d->commParam) m_stationField = m_choice.commParam = *d->commParam;
  if (d->e5Timeout) m_e5Field = m_choice.e5Timeout = *d->e5Timeout;
  ClampIndices();
}

PlcChoice PlcSelection::Result() const {
  PlcChoice c = m_choice;
  c.commParam = ShowsStation() ? static_cast<uint8_t>(CheckedStation(m_stationField, c.protocol))
                               : m_project.commParam;
  c.e5Timeout = ShowsE5Timeout() ? static_cast<uint16_t>(std::clamp(m_e5Field, 0L, 65535L))
                                 : m_project.e5Timeout;
  return c;
}

void PlcSelection::Cancel() {
  m_choice = m_project;
  if (!m_available.empty())
    SetCurrentProtocol(m_available[std::min<size_t>(m_project.plcPos, m_available.size() - 1)]);
  m_pendingPosition = m_choice.plcPos;
  m_stationField = m_choice.commParam;
  m_e5Field = m_choice.e5Timeout;
}

const std::vector<std::string>& PlcSelection::BaudRates() const {
  return BaudList(m_choice.protocol);
}
const std::vector<std::string>& PlcSelection::DataBits() const {
  return DataBitsList();
}
const std::vector<std::string>& PlcSelection::StopBits() const {
  return StopBitsList();
}
const std::vector<std::string>& PlcSelection::Parities() const {
  return ParityList();
}
const std::vector<std::string>& PlcSelection::Interfaces() const {
  return InterfaceList();
}

bool PlcSelection::ShowsStation() const {
  return UsesPanelStation(m_choice.protocol);
}
bool PlcSelection::ShowsE5Timeout() const {
  return UsesE5Timeout(m_choice.protocol);
}
int PlcSelection::StationMin() const {
  return m_choice.protocol == 21 ? 1 : 0;
}
int PlcSelection::StationMax() const {
  return m_choice.protocol == 21 ? 247 : 255;
}

std::string ConfirmPlcSelection(const PlcSelection& dialog, PanelSettings& settings,
                                ProtocolFiles& files) {
  const PlcChoice choice = dialog.Result();
  ApplyChoice(choice, settings);
  const std::string pane = ProtocolPaneText(choice.protocol, files.m_driverVersion);
  files.SaveChoice(settings);
  ApplyProtocol(choice.protocol, settings);
  return pane;
}

}  // namespace tavo

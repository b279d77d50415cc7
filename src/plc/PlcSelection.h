#pragma once

// What the PLC selection dialog does with the data, apart from the window: the
// lists offered for the protocol being looked at, the defaults applied when the
// selection changes, which fields are shown, the station-number limits, and
// what OK and Cancel leave behind. While the dialog is open the program's
// current protocol follows the selection.

#include <cstdint>
#include <string>
#include <vector>

#include "base/PanelSettings.h"
#include "base/Prompter.h"

namespace tavo {

class ProtocolFiles;

// The project's line settings as the dialog proposes them.
PlcChoice ChoiceFromSettings(const PanelSettings& settings, uint8_t protocol);

// OK, step one: copies position and indices into the project; the station
// number only for protocols 14, 21 and 31, the E5 timeout only for 2, 3 and 34.
void ApplyChoice(const PlcChoice& choice, PanelSettings& settings);

// The protocol pane of the status bar after a choice: name, full stop, driver
// version in decimal.
std::string ProtocolPaneText(uint8_t protocol, uint8_t driverVersion);

// The COM ports offered for downloads.
const std::vector<std::string>& ComPortNames();  // "COM1" ... "COM6"

class PlcSelection {
 public:
  // Opening: the available-protocol list and the project's line settings. The
  // protocol at the project's position (clamped to the list) becomes current;
  // stored indices too large for their lists are clamped.
  PlcSelection(std::vector<uint8_t> available, const PlcChoice& project);

  // The protocol list: Chinese names of the available protocols, in order.
  std::vector<std::string> ProtocolNames() const;

  // The user picks another protocol; the change takes effect at the next
  // Idle() (or at once with SelectProtocolNow).
  void SelectPosition(uint8_t position) { m_pendingPosition = position; }
  // The user edits the station or E5 field (what was typed, not yet checked).
  void SetStationField(long value) { m_stationField = value; }
  void SetE5Field(long value) { m_e5Field = value; }

  // An idle moment of the dialog: checks the station field, and when the
  // protocol selection changed makes the new protocol current and applies its
  // default line settings.
  void Idle();
  void SelectProtocolNow(uint8_t position) {
    SelectPosition(position);
    Idle();
  }

  // OK: the choice to store (station and E5 fields only where they apply).
  PlcChoice Result() const;
  // Cancel: back to the project's values, the project's protocol current again.
  void Cancel();

  uint8_t Protocol() const { return m_choice.protocol; }
  uint8_t Position() const { return m_choice.plcPos; }
  const PlcChoice& Current() const { return m_choice; }  // the dialog's copies
  long StationField() const { return m_stationField; }
  long E5Field() const { return m_e5Field; }

  // Lists offered for the protocol being looked at.
  const std::vector<std::string>& BaudRates() const;
  const std::vector<std::string>& DataBits() const;
  const std::vector<std::string>& StopBits() const;
  const std::vector<std::string>& Parities() const;
  const std::vector<std::string>& Interfaces() const;

  // "局号:" is shown for protocols 14, 21 and 31, "E5超时:" for 2, 3 and 34.
  bool ShowsStation() const;
  bool ShowsE5Timeout() const;
  // Range of the panel station number: 1-247 for protocol 21, else 0-255.
  int StationMin() const;
  int StationMax() const;

 private:
  void SelectProtocol(uint8_t position);  // select + make current, no defaults
  void ClampIndices();

  std::vector<uint8_t> m_available;
  PlcChoice m_project;
  PlcChoice m_choice;
  uint8_t m_pendingPosition = 0;
  long m_stationField = 0;
  long m_e5Field = 0;
};

// OK of the PLC dialog as the editor runs it: stores the choice in the
// project, writes "In.dat", rebuilds the profile; returns the protocol-pane
// text.
std::string ConfirmPlcSelection(const PlcSelection& dialog, PanelSettings& settings,
                                ProtocolFiles& files);

}  // namespace tavo

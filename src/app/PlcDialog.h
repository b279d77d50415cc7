#pragma once

#include <QDialog>
#include <cstdint>
#include <optional>
#include <vector>

#include "base/Prompter.h"
#include "plc/PlcSelection.h"

class QComboBox;
class QLabel;
class QSpinBox;

namespace tavo::app {

// "PLC选择": the PLC protocol and the line settings between panel and PLC.
// While it is open the program's current protocol follows the selection; OK
// settles it, Cancel restores the project's.
class PlcDialog : public QDialog {
  Q_OBJECT

 public:
  PlcDialog(std::vector<uint8_t> available, const PlcChoice& project, QWidget* parent = nullptr);

  // The choice after OK: the protocol, the indices shown, the station number
  // and E5 timeout where the protocol uses them.
  PlcChoice Result() const;

  // The idle pass: checks the station field and follows a changed protocol
  // selection with its lists and default line settings.
  void Idle();

  QComboBox* Protocols() const { return protocols_; }
  QComboBox* Baud() const { return lists_[0]; }
  QComboBox* DataBits() const { return lists_[1]; }
  QComboBox* StopBits() const { return lists_[2]; }
  QComboBox* Parity() const { return lists_[3]; }
  QComboBox* Interface() const { return lists_[4]; }
  QSpinBox* Station() const { return station_; }
  QSpinBox* E5Timeout() const { return e5_; }
  // Whether "局号:" and "E5超时:" are shown.
  bool StationShown() const;
  bool E5Shown() const;

  void accept() override;
  void reject() override;

 private:
  void FillLists();
  void ShowRows();

  PlcSelection selection_;
  QComboBox* protocols_ = nullptr;
  QComboBox* lists_[5] = {};
  QLabel* listLabels_[5] = {};
  QLabel* stationLabel_ = nullptr;
  QSpinBox* station_ = nullptr;
  QLabel* e5Label_ = nullptr;
  QSpinBox* e5_ = nullptr;
  bool filling_ = false;
  bool idling_ = false;
};

// Runs the dialog over the available protocols of the protocol file. On OK
// both bytes of "In.dat" are written with the chosen position; nullopt when
// the user cancels (the project's protocol is current again).
std::optional<PlcChoice> RunPlcDialog(const PlcChoice& proposed, QWidget* parent);

}  // namespace tavo::app

#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

class QComboBox;

namespace tavo::app {

// "选择通信口": the PC port used for downloads. The list holds the machine's
// serial ports (the first six by name); any device path may be typed instead,
// a pseudo-terminal included.
class ComPortDialog : public QDialog {
  Q_OBJECT

 public:
  // `ports`: the listed device paths; `index`: the stored port index;
  // `device`: the device path chosen before (empty: none).
  ComPortDialog(const QStringList& ports, int index, const QString& device,
                QWidget* parent = nullptr);

  QComboBox* Ports() const { return ports_; }
  // After OK: the index of the chosen listed port (the index given when a
  // path outside the list was typed), and the device path the port opens.
  int Index() const;
  QString Device() const;

 private:
  QStringList listed_;
  int index_;
  QComboBox* ports_;
};

// The machine's serial ports (device paths), the first six by name.
QStringList MachineSerialPorts();

// The device a download opens: the chosen path when there is one, else the
// listed port at `index`, else (the machine lists fewer ports than that) the
// first listed port, which is the one the COM-port dialog proposes then; with
// no port listed, nothing.
QString DownloadDevice(const QStringList& ports, int index, const QString& typed);

}  // namespace tavo::app

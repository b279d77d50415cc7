#pragma once

#include <QString>
#include <QWidget>
#include <memory>

#include "link/LinkedPlc.h"
#include "panel/PanelRuntime.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace tavo::app {

// The preview window's choice of PLC: the simulated one (values typed in
// the table), a Modbus PLC on a serial port (RTU) or one reached over TCP.
// Connected, the runtime talks to the live link: the link polls on its own
// thread and the window takes over what it read at every tick.
class PreviewLink : public QWidget {
  Q_OBJECT

 public:
  enum Choice { kSimulated = 0, kRtu = 1, kTcp = 2 };

  explicit PreviewLink(panel::PanelRuntime& runtime, QWidget* parent = nullptr);
  ~PreviewLink() override;

  bool Linked() const { return plc_ != nullptr; }
  // Connects with what the bar holds; false with the reason in Note().
  bool ConnectLink();
  void DisconnectLink();
  // The runtime holds a new image: the link stays while its protocol can be linked.
  void ImageChanged();
  // Takes over what the link read; true when a value or a state changed.
  bool Sync();
  // Tells the link what the runtime watches now (after keys and screen changes).
  void Follow();

  // "Modbus TCP 127.0.0.1:502 · 已连接 · 5 请求/秒 ..." while linked, else empty.
  QString StatusText() const;
  // Why the last connect failed or the link ended; empty otherwise.
  const QString& Note() const { return note_; }
  // The state of an item for the value table; empty while simulated.
  QString ItemState(const panel::PlcKey& key) const;

  QComboBox* ChoiceBox() const { return choice_; }
  QComboBox* PortBox() const { return port_; }
  QLineEdit* HostEdit() const { return host_; }
  QSpinBox* TcpPortBox() const { return tcpPort_; }
  QComboBox* BaseBox() const { return base_; }
  QComboBox* OrderBox() const { return order_; }
  QPushButton* ConnectButton() const { return button_; }

 signals:
  // Connected or disconnected.
  void LinkChanged();

 private:
  void ShowChoice();

  panel::PanelRuntime& runtime_;
  QComboBox* choice_ = nullptr;
  QComboBox* port_ = nullptr;
  QLineEdit* host_ = nullptr;
  QSpinBox* tcpPort_ = nullptr;
  QComboBox* base_ = nullptr;
  QComboBox* order_ = nullptr;
  QPushButton* button_ = nullptr;
  std::unique_ptr<link::ModbusLink> link_;
  std::unique_ptr<link::LinkedPlc> plc_;
  QString note_;
};

}  // namespace tavo::app

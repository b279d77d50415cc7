#include "app/PreviewLink.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "app/ComPortDialog.h"

namespace tavo::app {

namespace {

// The window waits this long at most for a request when it disconnects.
constexpr std::chrono::milliseconds kWindowTimeout{500};

}  // namespace

PreviewLink::PreviewLink(panel::PanelRuntime& runtime, QWidget* parent)
    : QWidget(parent), runtime_(runtime) {
  setObjectName(QStringLiteral("previewLink"));
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(new QLabel(QStringLiteral("PLC:"), this));
  choice_ = new QComboBox(this);
  choice_->setObjectName(QStringLiteral("previewLinkChoice"));
  choice_->addItems({tr("模拟"), QStringLiteral("Modbus RTU"), QStringLiteral("Modbus TCP")});
  layout->addWidget(choice_);
  port_ = new QComboBox(this);
  port_->setEditable(true);
  port_->setInsertPolicy(QComboBox::NoInsert);
  port_->addItems(MachineSerialPorts());
  port_->setMinimumWidth(120);
  layout->addWidget(port_);
  host_ = new QLineEdit(QStringLiteral("127.0.0.1"), this);
  host_->setMinimumWidth(100);
  layout->addWidget(host_);
  tcpPort_ = new QSpinBox(this);
  tcpPort_->setRange(1, 65535);
  tcpPort_->setValue(502);
  layout->addWidget(tcpPort_);
  base_ = new QComboBox(this);
  base_->addItems({tr("地址从1起"), tr("地址从0起")});
  layout->addWidget(base_);
  order_ = new QComboBox(this);
  order_->addItems({tr("高字在前"), tr("低字在前")});
  layout->addWidget(order_);
  button_ = new QPushButton(tr("连接"), this);
  button_->setObjectName(QStringLiteral("previewLinkConnect"));
  layout->addWidget(button_);
  layout->addStretch(1);
  for (QWidget* w :
       std::initializer_list<QWidget*>{choice_, port_, host_, tcpPort_, base_, order_, button_})
    w->setFocusPolicy(Qt::ClickFocus);  // the keyboard stays with the panel's keys
  connect(choice_, &QComboBox::currentIndexChanged, this, [this] { ShowChoice(); });
  connect(button_, &QPushButton::clicked, this, [this] {
    if (Linked())
      DisconnectLink();
    else
      ConnectLink();
  });
  ShowChoice();
}

PreviewLink::~PreviewLink() {
  DisconnectLink();
}

void PreviewLink::ShowChoice() {
  const int c = choice_->currentIndex();
  port_->setVisible(c == kRtu);
  host_->setVisible(c == kTcp);
  tcpPort_->setVisible(c == kTcp);
  base_->setVisible(c != kSimulated);
  order_->setVisible(c != kSimulated);
  button_->setVisible(c != kSimulated);
  if (c == kSimulated && Linked()) DisconnectLink();
  const bool fixed = Linked();
  for (QWidget* w : std::initializer_list<QWidget*>{choice_, port_, host_, tcpPort_, base_, order_})
    w->setEnabled(!fixed);
  button_->setText(fixed ? tr("断开") : tr("连接"));
}

bool PreviewLink::ConnectLink() {
  DisconnectLink();
  note_.clear();
  const int c = choice_->currentIndex();
  if (c == kSimulated) return false;
  if (!runtime_.Ready()) {
    note_ = tr("没有可以链接的画面数据");
    emit LinkChanged();
    return false;
  }
  link::LinkOptions options;
  options.target.serial = c == kRtu;
  options.target.device = port_->currentText().trimmed().toStdString();
  options.target.host = host_->text().trimmed().toStdString();
  options.target.port = static_cast<uint16_t>(tcpPort_->value());
  if ((options.target.serial && options.target.device.empty()) ||
      (!options.target.serial && options.target.host.empty())) {
    note_ = options.target.serial ? tr("请选择通信口") : tr("请输入主机");
    emit LinkChanged();
    return false;
  }
  const panel::ImageHeader& header = runtime_.Image().Header();
  const std::string refusal = link::LinkProtocolRefusal(header.protocol, options.target.serial);
  if (!refusal.empty()) {
    note_ = QString::fromStdString(refusal);
    emit LinkChanged();
    return false;
  }
  options.line = link::LineSettingsOf(header);
  options.plan.base = base_->currentIndex() == 0 ? 1 : 0;
  options.order =
      order_->currentIndex() == 0 ? link::WordOrder::HighFirst : link::WordOrder::LowFirst;
  options.timeout = kWindowTimeout;
  link_ = std::make_unique<link::ModbusLink>(options);
  plc_ = std::make_unique<link::LinkedPlc>(*link_);
  runtime_.Connect(plc_.get());
  Follow();
  ShowChoice();
  emit LinkChanged();
  return true;
}

void PreviewLink::DisconnectLink() {
  if (!plc_) return;
  runtime_.Connect(nullptr);
  plc_.reset();
  link_.reset();
  ShowChoice();
  emit LinkChanged();
}

void PreviewLink::ImageChanged() {
  if (!Linked()) return;
  const std::string refusal =
      link::LinkProtocolRefusal(runtime_.Image().Header().protocol, link_->Options().target.serial);
  if (!runtime_.Ready() || !refusal.empty()) {
    DisconnectLink();
    note_ = refusal.empty() ? tr("没有可以链接的画面数据") : QString::fromStdString(refusal);
    emit LinkChanged();
    return;
  }
  Follow();
}

bool PreviewLink::Sync() {
  return plc_ && plc_->Sync();
}

void PreviewLink::Follow() {
  if (plc_) plc_->Watch(runtime_.WatchedItems());
}

QString PreviewLink::StatusText() const {
  if (!plc_) return {};
  const link::LinkOptions& o = link_->Options();
  const link::LinkStats& s = plc_->Stats();
  QString text =
      (o.target.serial ? QStringLiteral("Modbus RTU %1") : QStringLiteral("Modbus TCP %1"))
          .arg(QString::fromStdString(o.target.serial
                                          ? o.target.device
                                          : o.target.host + ":" + std::to_string(o.target.port)));
  text += tr(" · %1 · %2 请求/秒 · 错误 %3 · 超时 %4")
              .arg(QString::fromStdString(link::ShownLinkStateText(s.state)))
              .arg(s.requestsPerSecond, 0, 'f', 0)
              .arg(s.errors)
              .arg(s.timeouts);
  if (!s.lastError.empty()) text += QStringLiteral(" · ") + QString::fromStdString(s.lastError);
  return text;
}

QString PreviewLink::ItemState(const panel::PlcKey& key) const {
  if (!plc_) return {};
  const link::ItemReading r = plc_->Reading(key);
  QString text = QString::fromStdString(link::ShownItemStateText(r.state));
  if (!r.error.empty()) text += QStringLiteral(" (%1)").arg(QString::fromStdString(r.error));
  return text;
}

}  // namespace tavo::app

#include "app/PlcDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/LanguageMenu.h"
#include "plc/Catalogue.h"
#include "plc/ProtocolFiles.h"

namespace tavo::app {

namespace {

void Fill(QComboBox* box, const std::vector<std::string>& items) {
  box->clear();
  for (const std::string& s : items) box->addItem(QString::fromStdString(s));
}

// The index byte as the list can show it: too large an index is the last entry.
int Clamped(uint8_t index, const QComboBox* box) {
  return box->count() == 0 ? -1 : std::min<int>(index, box->count() - 1);
}

}  // namespace

PlcDialog::PlcDialog(std::vector<uint8_t> available, const PlcChoice& project, QWidget* parent)
    : QDialog(parent), selection_(available, project) {
  setWindowTitle(tr("PLC选择"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(tr("PLC厂家及类型:"), this));
  protocols_ = new QComboBox(this);
  protocols_->setMaxVisibleItems(20);
  // The makers' names in the editor's language (the selection keeps the
  // Chinese ones, which the files and the panel use).
  std::vector<std::string> makers;
  for (uint8_t protocol : available) makers.push_back(ProtocolName(protocol, AppliedLanguage()));
  Fill(protocols_, makers);
  layout->addWidget(protocols_);

  auto* group = new QGroupBox(tr("设置通信参数"), this);
  auto* grid = new QGridLayout(group);
  const QString names[5] = {tr("波特率"), tr("数据位"), tr("停止位"), tr("校验位"), tr("选  项")};
  for (int i = 0; i < 5; ++i) {
    listLabels_[i] = new QLabel(names[i], group);
    lists_[i] = new QComboBox(group);
    grid->addWidget(listLabels_[i], i, 0);
    grid->addWidget(lists_[i], i, 1);
  }
  stationLabel_ = new QLabel(tr("局号:"), group);
  station_ = new QSpinBox(group);
  station_->setRange(0, 99999);  // the idle pass brings typed values into range
  e5Label_ = new QLabel(tr("E5超时:"), group);
  e5_ = new QSpinBox(group);
  e5_->setRange(0, 65535);
  grid->addWidget(stationLabel_, 5, 0);
  grid->addWidget(station_, 5, 1);
  grid->addWidget(e5Label_, 6, 0);
  grid->addWidget(e5_, 6, 1);
  layout->addWidget(group);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(tr("确定"));
  buttons->button(QDialogButtonBox::Cancel)->setText(tr("取消"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);

  filling_ = true;
  protocols_->setCurrentIndex(selection_.Position());
  filling_ = false;
  FillLists();

  // Any change of the protocol or of the two fields is followed at once, as
  // the next idle moment would.
  connect(protocols_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (filling_ || index < 0) return;
    selection_.SelectPosition(static_cast<uint8_t>(index));
    Idle();
  });
  connect(station_, &QSpinBox::valueChanged, this, [this](int v) {
    if (filling_) return;
    selection_.SetStationField(v);
    Idle();
  });
  connect(e5_, &QSpinBox::valueChanged, this, [this](int v) {
    if (!filling_) selection_.SetE5Field(v);
  });
  Idle();  // the first idle moment comes as soon as the dialog shows
}

void PlcDialog::FillLists() {
  filling_ = true;
  const PlcChoice& c = selection_.Current();
  Fill(lists_[0], selection_.BaudRates());
  Fill(lists_[1], ShownChoices(selection_.DataBits()));
  Fill(lists_[2], ShownChoices(selection_.StopBits()));
  Fill(lists_[3], ShownChoices(selection_.Parities()));
  Fill(lists_[4], selection_.Interfaces());
  const uint8_t indices[5] = {c.baud, c.dataBits, c.stopBits, c.parity, c.commOption};
  for (int i = 0; i < 5; ++i) lists_[i]->setCurrentIndex(Clamped(indices[i], lists_[i]));
  station_->setValue(static_cast<int>(selection_.StationField()));
  e5_->setValue(static_cast<int>(selection_.E5Field()));
  filling_ = false;
  ShowRows();
}

void PlcDialog::ShowRows() {
  for (int i = 0; i < 5; ++i) {
    const bool shown = lists_[i]->count() > 0;  // a list with no entries is hidden
    lists_[i]->setVisible(shown);
    listLabels_[i]->setVisible(shown);
  }
  stationLabel_->setVisible(selection_.ShowsStation());
  station_->setVisible(selection_.ShowsStation());
  e5Label_->setVisible(selection_.ShowsE5Timeout());
  e5_->setVisible(selection_.ShowsE5Timeout());
}

void PlcDialog::Idle() {
  if (idling_) return;
  idling_ = true;
  const uint8_t before = selection_.Position();
  selection_.SetStationField(station_->value());
  selection_.Idle();
  if (selection_.Position() != before) {
    FillLists();  // the new protocol's lists and defaults
  } else if (station_->value() != selection_.StationField()) {
    filling_ = true;
    station_->setValue(static_cast<int>(selection_.StationField()));
    filling_ = false;
  }
  idling_ = false;
}

bool PlcDialog::StationShown() const {
  return !station_->isHidden();
}
bool PlcDialog::E5Shown() const {
  return !e5_->isHidden();
}

PlcChoice PlcDialog::Result() const {
  PlcChoice c = selection_.Result();
  // The line settings are what the lists show.
  uint8_t* indices[5] = {&c.baud, &c.dataBits, &c.stopBits, &c.parity, &c.commOption};
  for (int i = 0; i < 5; ++i)
    if (lists_[i]->currentIndex() >= 0)
      *indices[i] = static_cast<uint8_t>(lists_[i]->currentIndex());
  return c;
}

void PlcDialog::accept() {
  Idle();
  selection_.SetE5Field(e5_->value());
  QDialog::accept();
}

void PlcDialog::reject() {
  selection_.Cancel();
  QDialog::reject();
}

std::optional<PlcChoice> RunPlcDialog(const PlcChoice& proposed, QWidget* parent) {
  ProtocolFiles& files = CurrentProtocolFiles();
  PlcDialog dialog(files.m_available, proposed, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const PlcChoice choice = dialog.Result();
  PanelSettings stored;
  stored.m_plcPos = choice.plcPos;
  files.SaveChoice(stored);
  return choice;
}

}  // namespace tavo::app

#include "app/PreviewValues.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <algorithm>
#include <limits>

#include "base/Gbk.h"
#include "model/Base.h"
#include "panel/ValueFormat.h"
#include "plc/Catalogue.h"

namespace tavo::app {

using panel::PlcKey;
using panel::ScreenBinding;

namespace {

const char* KindName(uint8_t kind) {
  switch (kind) {
    case kKindRegister:
      return QT_TRANSLATE_NOOP("tavo::app::PreviewValues", "寄存器");
    case kKindLight:
      return QT_TRANSLATE_NOOP("tavo::app::PreviewValues", "指示灯");
    case kKindKey:
      return QT_TRANSLATE_NOOP("tavo::app::PreviewValues", "功能键");
    case kKindBar:
      return QT_TRANSLATE_NOOP("tavo::app::PreviewValues", "棒状图");
    case kKindTrend:
      return QT_TRANSLATE_NOOP("tavo::app::PreviewValues", "趋势图");
    case kKindDynamic:
      return QT_TRANSLATE_NOOP("tavo::app::PreviewValues", "动态文本");
    default:
      return "";
  }
}

// The item's width in bytes as its type code says (low four bits), at most 4.
uint8_t ItemWidth(const ScreenBinding& b) {
  if (b.width == 0) return 0;
  return static_cast<uint8_t>(std::min(b.width, uint8_t{4}));
}

}  // namespace

bool ParsePlcValue(const QString& text, uint8_t widthBytes, uint32_t& out) {
  const QString t = text.trimmed();
  bool ok = false;
  qlonglong v = 0;
  if (t.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive)) {
    // The item's bits: never negative (a 64-bit pattern is not -1).
    const qulonglong u = t.mid(2).toULongLong(&ok, 16);
    if (u > 0xFFFFFFFFull) return false;
    v = static_cast<qlonglong>(u);
  } else {
    v = t.toLongLong(&ok, 10);
  }
  if (!ok) return false;
  if (widthBytes == 0) {
    if (v != 0 && v != 1) return false;
    out = static_cast<uint32_t>(v);
    return true;
  }
  const int bits = 8 * std::min<int>(widthBytes, 4);
  const qlonglong low = -(qlonglong{1} << (bits - 1));
  const qlonglong high = (qlonglong{1} << bits) - 1;
  if (v < low || v > high) return false;
  const uint64_t mask = bits == 32 ? 0xFFFFFFFFull : ((uint64_t{1} << bits) - 1);
  out = static_cast<uint32_t>(static_cast<uint64_t>(v) & mask);
  return true;
}

QString PlcItemName(const PlcKey& key) {
  const ProtocolProfile& profile = CurrentProfile();
  QString type;
  for (uint8_t use : {kUseWord, kUseBitWrite, kUseBitRead}) {
    const std::vector<std::string>& list = TypeList(profile, use);
    for (unsigned i = 0; i < list.size() && type.isEmpty(); ++i)
      if (RegisterTypeCode(profile, i, use) == key.type)
        type = QString::fromStdString(GbkToUtf8(list[i]));
    if (!type.isEmpty()) break;
  }
  if (type.isEmpty()) type = QStringLiteral("[%1]").arg(key.type, 2, 16, QLatin1Char('0'));
  QString name = type + QString::number(key.address);
  if (key.sub != 0) name += QStringLiteral(".%1").arg(key.sub);
  return name;
}

PreviewValues::PreviewValues(panel::PanelRuntime& runtime, QWidget* parent)
    : QTableWidget(0, 5, parent), runtime_(runtime) {
  setObjectName(QStringLiteral("previewValues"));
  setHorizontalHeaderLabels({tr("元件"), tr("站号"), tr("地址"), tr("值"), tr("状态")});
  setColumnHidden(kStateColumn, true);
  verticalHeader()->hide();
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  // The value column takes what the others leave (the last section is the
  // state column, hidden while simulated).
  horizontalHeader()->setSectionResizeMode(kValueColumn, QHeaderView::Stretch);
  // The element column holds every kind's name, the station column its
  // caption and "255", the address column its caption and a long address.
  const QFontMetrics cells = fontMetrics();
  const QFontMetrics captions = horizontalHeader()->fontMetrics();
  auto fit = [&](int column, int least, const QStringList& texts) {
    int width = captions.horizontalAdvance(horizontalHeaderItem(column)->text());
    for (const QString& t : texts) width = std::max(width, cells.horizontalAdvance(t));
    setColumnWidth(column, std::max(least, width + 16));
  };
  QStringList kinds;
  for (uint8_t kind = kKindText; kind <= kKindDynamic; ++kind)
    if (*KindName(kind)) kinds << tr(KindName(kind));
  fit(0, 72, kinds);
  fit(1, 44, {QStringLiteral("255")});
  fit(2, 80, {QStringLiteral("4x65535")});
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                  QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
  // The keyboard stays with the panel's keys until the table is clicked.
  setFocusPolicy(Qt::ClickFocus);
  connect(this, &QTableWidget::itemChanged, this, &PreviewValues::OnItemChanged);
}

int PreviewValues::RowOf(const PlcKey& key) const {
  for (size_t i = 0; i < rows_.size(); ++i)
    if (rows_[i].key == key) return static_cast<int>(i);
  return -1;
}

void PreviewValues::SetStates(std::function<QString(const PlcKey&)> states) {
  states_ = std::move(states);
  setColumnHidden(kStateColumn, !states_);
  ShowValues();
}

void PreviewValues::Refresh() {
  const std::vector<ScreenBinding> now = runtime_.Bindings();
  bool same = now.size() == rows_.size();
  for (size_t i = 0; same && i < now.size(); ++i)
    same = now[i].key == rows_[i].key && now[i].width == rows_[i].width;
  rows_ = now;
  if (same)
    ShowValues();
  else
    Rebuild();
}

void PreviewValues::Rebuild() {
  filling_ = true;
  setRowCount(0);
  setRowCount(static_cast<int>(rows_.size()));
  for (size_t i = 0; i < rows_.size(); ++i) {
    const ScreenBinding& b = rows_[i];
    const int row = static_cast<int>(i);
    auto fixed = [](const QString& text) {
      auto* item = new QTableWidgetItem(text);
      item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      return item;
    };
    QString kind = QCoreApplication::translate("tavo::app::PreviewValues", KindName(b.kind));
    if (b.written) kind += QStringLiteral(" ✎");
    setItem(row, 0, fixed(kind));
    setItem(row, 1, fixed(QString::number(b.key.station)));
    QTableWidgetItem* name = fixed(PlcItemName(b.key));
    name->setToolTip(QString::fromStdString(panel::DescribeKey(b.key)));
    setItem(row, 2, name);
    auto* value = new QTableWidgetItem;
    if (b.width == 0) {
      value->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
      value->setCheckState(Qt::Unchecked);  // shows the box from the start
    } else {
      value->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
    }
    setItem(row, kValueColumn, value);
    setItem(row, kStateColumn, fixed(QString()));
  }
  filling_ = false;
  ShowValues();
}

bool PreviewValues::RowSigned(size_t row) const {
  return panel::ReadsSigned(runtime_.Elements(), rows_[row]);
}

void PreviewValues::ShowValues() {
  filling_ = true;
  for (size_t i = 0; i < rows_.size(); ++i) {
    QTableWidgetItem* item = this->item(static_cast<int>(i), kValueColumn);
    if (!item) continue;
    const uint32_t raw = runtime_.Source().Get(rows_[i].key);
    if (rows_[i].width == 0) {
      const Qt::CheckState state = raw ? Qt::Checked : Qt::Unchecked;
      if (item->checkState() != state) item->setCheckState(state);
    } else {
      const QString text =
          QString::number(panel::ItemValue(raw, ItemWidth(rows_[i]), RowSigned(i)));
      if (item->text() != text) item->setText(text);
    }
    if (QTableWidgetItem* state = this->item(static_cast<int>(i), kStateColumn)) {
      const QString text = states_ ? states_(rows_[i].key) : QString();
      if (state->text() != text) state->setText(text);
    }
  }
  filling_ = false;
}

void PreviewValues::OnItemChanged(QTableWidgetItem* item) {
  if (filling_ || item->column() != kValueColumn) return;
  const size_t row = static_cast<size_t>(item->row());
  if (row >= rows_.size()) return;
  const ScreenBinding& b = rows_[row];
  uint32_t value = 0;
  if (b.width == 0) {
    value = item->checkState() == Qt::Checked ? 1 : 0;
  } else if (!ParsePlcValue(item->text(), ItemWidth(b), value)) {
    const QString typed = item->text();
    ShowValues();  // back to the value the PLC holds
    emit ValueRefused(tr("“%1”不是%2的有效数值").arg(typed, PlcItemName(b.key)));
    return;
  }
  runtime_.Source().Set(b.key, value);
  ShowValues();
  emit ValueWritten();
}

}  // namespace tavo::app

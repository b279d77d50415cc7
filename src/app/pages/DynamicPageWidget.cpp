// The dynamic-text page (165) with its value / text grid (sub-page 256).
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>

#include "app/pages/PageWidgets.h"
#include "app/pages/PanelTextDelegate.h"
#include "base/Gbk.h"

namespace tavo::app {

DynamicPage::DynamicPage(QWidget* parent) : PageWidget(tr("动态文本属性"), parent) {
  PageBuilder b(this);
  QLabel* x = b.Label(QStringLiteral("X:"), 10, 20, 20);
  b.Number(logic_.x, "c1087", 30, 20, 70, x);
  QLabel* y = b.Label(QStringLiteral("Y:"), 112, 20, 20);
  b.Number(logic_.y, "c1088", 132, 20, 70, y);
  b.Check(logic_.doubleSize, tr("倍角"), "c1099", 30, 45, 70);
  b.Check(logic_.inverse, tr("反相"), "c1100", 132, 45, 70);
  AddressControls& a = logic_.address;
  QLabel* station = b.Label(tr("局号:"), 10, 70, 50);
  b.Number(a.station, "c1149", 62, 70, 90, station);
  QLabel* type = b.Label(tr("类型:"), 10, 95, 50);
  b.Combo(a.type, "c1138", 62, 95, 90, type);
  QLabel* subType = b.Label(tr("子类型:"), 10, 120, 50);
  b.Combo(a.subType, "c1092", 62, 120, 150, subType);
  QLabel* addr = b.Label(tr("地址:"), 10, 145, 50);
  b.Number(a.addr, "c1139", 62, 145, 90, addr);
  QLabel* sub = b.Label(tr("子地址:"), 10, 170, 50);
  b.Number(a.subAddr, "c1078", 62, 170, 70, sub);
  b.Label(tr("模式:"), 10, 195, 40);
  auto* modes = new RadioGroup(this);
  b.Radio(*modes, 0, QStringLiteral("HEX/BCD"), "c1131", 50, 195, 80);
  b.Radio(*modes, 1, tr("十进制"), "c1130", 132, 195, 70);
  modes->Attach(&logic_.mode);
  b.Check(logic_.isSigned, tr("有符号数"), "c1091", 136, 170, 76);

  auto* frame = new QGroupBox(tr("显示文本"), this);
  frame->setObjectName(QStringLiteral("c1153"));
  frame->setGeometry(214, 14, 296, 212);
  grid_ = new QTableWidget(DynamicPageLogic::kRows, 2, frame);
  grid_->setObjectName(QStringLiteral("page256"));
  grid_->setGeometry(3, 18, 290, 188);
  grid_->setHorizontalHeaderLabels({tr("数值"), tr("内容")});
  // The texts show in the panel's characters, so that a text of 24 bytes
  // (24 narrow or 12 wide characters) is 192 pixels whatever the system font:
  // the text column holds that, the value column the rest ("-32768"); no
  // sideways scrolling.
  grid_->setItemDelegateForColumn(DynamicPageLogic::kTextColumn, new PanelTextDelegate(grid_));
  grid_->horizontalHeader()->setStretchLastSection(false);
  grid_->horizontalHeader()->setSectionResizeMode(DynamicPageLogic::kValueColumn,
                                                  QHeaderView::Stretch);
  grid_->horizontalHeader()->setSectionResizeMode(DynamicPageLogic::kTextColumn,
                                                  QHeaderView::Fixed);
  grid_->setColumnWidth(DynamicPageLogic::kTextColumn,
                        PanelTextDelegate::CellWidth(DynamicPageLogic::kMaxCellText));
  const QFontMetrics metrics = grid_->fontMetrics();
  grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid_->verticalHeader()->setDefaultSectionSize(20);
  grid_->verticalHeader()->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("32")) + 8);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  for (int row = 0; row < DynamicPageLogic::kRows; ++row)
    for (int col = 0; col < 2; ++col) grid_->setItem(row, col, new QTableWidgetItem);

  valueEdit_ = new CNumEdit(grid_->viewport());
  valueEdit_->setObjectName(QStringLiteral("c1158"));
  valueEdit_->Attach(&logic_.valueBox);
  textEdit_ = new CBindEdit(grid_->viewport());
  textEdit_->setObjectName(QStringLiteral("c1080"));
  textEdit_->Attach(&logic_.textBox);
  for (QLineEdit* e : {static_cast<QLineEdit*>(valueEdit_), static_cast<QLineEdit*>(textEdit_)}) {
    e->hide();
    e->installEventFilter(this);
  }
  connect(grid_, &QTableWidget::cellClicked, this,
          [this](int row, int col) { OpenCell(row, col); });
  connect(grid_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { CloseCell(); });
  logic_.onGridChanged = [this](int row) { FillGrid(row); };
  WireFocus();
}

void DynamicPage::Load(CBase& element) {
  CloseCell();
  logic_.Load(element);
  FillGrid(-1);
}

void DynamicPage::FillGrid(int row) {
  const int first = row < 0 ? 0 : row;
  const int last = row < 0 ? DynamicPageLogic::kRows - 1 : row;
  for (int r = first; r <= last && r < DynamicPageLogic::kRows; ++r)
    for (int col = 0; col < 2; ++col) {
      const std::string text = logic_.CellText(r, col);
      QTableWidgetItem* item = grid_->item(r, col);
      item->setText(QString::fromStdString(GbkToUtf8(text)));
      if (col == DynamicPageLogic::kTextColumn)
        item->setData(PanelTextDelegate::kGbkRole, QByteArray::fromStdString(text));
    }
}

void DynamicPage::OpenCell(int row, int column) {
  CloseCell();
  if (!logic_.EditCell(row, column)) return;
  QLineEdit* edit = column == DynamicPageLogic::kValueColumn ? static_cast<QLineEdit*>(valueEdit_)
                                                             : static_cast<QLineEdit*>(textEdit_);
  grid_->scrollToItem(grid_->item(row, column));
  edit->setGeometry(grid_->visualItemRect(grid_->item(row, column)));
  edit->show();
  edit->setFocus();
  edit->selectAll();
}

void DynamicPage::CloseCell() {
  if (logic_.EditRow() < 0) return;
  const int row = logic_.EditRow();
  QLineEdit* edit = logic_.EditColumn() == DynamicPageLogic::kValueColumn
                        ? static_cast<QLineEdit*>(valueEdit_)
                        : static_cast<QLineEdit*>(textEdit_);
  if (edit->hasFocus()) grid_->setFocus();
  logic_.Idle();
  logic_.EndEdit();
  valueEdit_->hide();
  textEdit_->hide();
  FillGrid(row);
}

bool DynamicPage::eventFilter(QObject* watched, QEvent* event) {
  // Return and Tab end a cell's edit and go on to the same cell of the next row.
  if (event->type() == QEvent::KeyPress && logic_.EditRow() >= 0) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
        (key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier)) {
      const int next = logic_.EditRow() + 1;
      const int column = logic_.EditColumn();
      CloseCell();
      if (next < DynamicPageLogic::kRows) OpenCell(next, column);
      return true;
    }
  }
  if (event->type() == QEvent::FocusOut && logic_.EditRow() >= 0) {
    // After the box's own focus handling: the cell closes once the focus left it.
    // A cell opened again meanwhile (Return went on to the next row) stays.
    QMetaObject::invokeMethod(
        this,
        [this] {
          if (!valueEdit_->hasFocus() && !textEdit_->hasFocus()) CloseCell();
        },
        Qt::QueuedConnection);
  } else if (event->type() == QEvent::KeyPress &&
             static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    CloseCell();
    return true;
  }
  return PageWidget::eventFilter(watched, event);
}

}  // namespace tavo::app

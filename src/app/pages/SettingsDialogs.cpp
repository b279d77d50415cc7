#include "app/pages/SettingsDialogs.h"

#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <algorithm>

#include "app/pages/PageWidgets.h"
#include "base/Gbk.h"
#include "model/Project.h"

namespace tavo::app {

namespace {
// The panel's model name in the dialog titles.
const QString kModel = QStringLiteral("TavoB");

QPushButton* Button(QDialog* dialog, const QString& text, int x, int y, bool ok) {
  auto* b = new QPushButton(text, dialog);
  b->setGeometry(x, y, 90, 28);
  b->setObjectName(ok ? QStringLiteral("ok") : QStringLiteral("cancel"));
  b->setDefault(ok);
  b->setAutoDefault(false);
  QObject::connect(b, &QPushButton::clicked, dialog, ok ? &QDialog::accept : &QDialog::reject);
  return b;
}
}  // namespace

// ---- panel settings ----

PanelSettingsDialog::PanelSettingsDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("设置%1").arg(kModel));
  setFixedSize(470, 384);

  auto* params = new QGroupBox(tr("%1参数").arg(kModel), this);
  params->setGeometry(10, 8, 450, 112);
  PageBuilder p(params);
  QLabel* start = p.Label(tr("初始画面号:"), 12, 22, 80);
  p.Number(form_.startScreen, "start", 92, 22, 90, start);
  QLabel* password = p.Label(tr("口令:"), 12, 50, 80);
  p.Number(form_.password, "password", 92, 50, 90, password);
  QLabel* saver = p.Label(tr("屏幕保护:"), 12, 78, 80);
  p.Combo(form_.saverDelay, "saverDelay", 92, 78, 90, saver);
  auto* actions = new RadioGroup(this);
  p.Radio(*actions, 1, tr("显示画面"), "saverShow", 230, 50, 90);
  p.Number(form_.saverScreen, "saverScreen", 324, 50, 90);
  p.Radio(*actions, 0, tr("关闭背景光"), "saverOff", 230, 78, 110);
  actions->Attach(&form_.saverAction);

  auto* control = new QGroupBox(tr("%1控制").arg(kModel), this);
  control->setGeometry(10, 126, 450, 208);
  PageBuilder c(control);
  QLabel* reg = c.Label(tr("控制寄存器号:"), 12, 22, 92);
  c.Combo(form_.ctrlType, "ctrlType", 104, 22, 90, reg);
  c.Number(form_.ctrlAddr, "ctrlAddr", 200, 22, 90);
  QLabel* station = c.Label(tr("PLC局号:"), 300, 22, 60);
  c.Number(form_.station, "station", 360, 22, 78, station);

  auto* status = new QGroupBox(tr("状态控制"), control);
  status->setGeometry(8, 52, 434, 96);
  PageBuilder s(status);
  s.Check(form_.functions[0], tr("自动变换显示画面,"), "autoScreen", 10, 20, 140);
  captions_[0] = s.Label(QStringLiteral("(%1<-PLC)").arg(kModel), 150, 20, 100);
  hints_[0] = s.Label(QString(), 260, 20, 160, "hint0");
  s.Check(form_.functions[1], tr("报告当前画面号"), "reportScreen", 10, 44, 140);
  captions_[1] = s.Label(QStringLiteral("(%1->PLC)").arg(kModel), 150, 44, 100);
  hints_[1] = s.Label(QString(), 260, 44, 160, "hint1");
  s.Label(tr("控制蜂鸣器"), 28, 68, 120);

  auto* peripheral = new QGroupBox(tr("外围控制"), control);
  peripheral->setGeometry(8, 152, 434, 48);
  PageBuilder e(peripheral);
  e.Check(form_.functions[2], tr("使用时钟模块"), "clock", 10, 20, 140);
  captions_[2] = e.Label(QStringLiteral("(%1->PLC)").arg(kModel), 150, 20, 100);
  hints_[2] = e.Label(QString(), 260, 20, 160, "hint2");

  Button(this, tr("确   定"), 250, 346, true);
  Button(this, tr("取   消"), 360, 346, false);

  // Every edit is an idle moment for the hints and the enabling rules.
  auto update = [this] { Update(); };
  for (NumberBox* b :
       {&form_.startScreen, &form_.password, &form_.saverScreen, &form_.ctrlAddr, &form_.station})
    b->onUserEdit = update;
  for (ControlState* st : std::initializer_list<ControlState*>{
           &form_.saverDelay, &form_.saverAction, &form_.ctrlType, &form_.functions[0],
           &form_.functions[1], &form_.functions[2]})
    st->onUserEdit = update;
}

void PanelSettingsDialog::Update() {
  form_.Idle();
  for (int i = 0; i < 3; ++i) {
    hints_[i]->setText(QString::fromStdString(form_.Hint(i)));
    hints_[i]->setVisible(!form_.Hint(i).empty());
    captions_[i]->setEnabled(form_.CaptionEnabled(i));
  }
}

void PanelSettingsDialog::Open(const Project& project) {
  form_.Open(project.m_settings);
  Update();
}

void PanelSettingsDialog::Store(Project& project) const {
  form_.Accept(project.m_settings);
  project.SetModified();
}

bool PanelSettingsDialog::Run(QWidget* parent, Project& project) {
  PanelSettingsDialog dialog(parent);
  dialog.Open(project);
  if (dialog.exec() != QDialog::Accepted) return false;
  dialog.Store(project);
  return true;
}

// ---- alarm list ----

AlarmListDialog::AlarmListDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("报警列表"));
  setFixedSize(420, 420);
  auto* first = new QGroupBox(tr("报警列表起始线圈"), this);
  first->setGeometry(10, 8, 400, 84);
  PageBuilder b(first);
  QLabel* station = b.Label(tr("局号"), 10, 22, 40);
  b.Number(form_.station, "station", 50, 22, 80, station);
  QLabel* type = b.Label(tr("类型"), 150, 22, 40);
  b.Combo(form_.type, "type", 190, 22, 80, type);
  QLabel* addr = b.Label(tr("地址"), 10, 52, 40);
  b.Number(form_.addr, "addr", 50, 52, 80, addr);
  QLabel* sub = b.Label(tr("子地址"), 150, 52, 50);
  b.Number(form_.subAddr, "subAddr", 200, 52, 70, sub);
  QLabel* offset = b.Label(tr("偏移"), 282, 52, 36);
  b.Number(form_.bitOffset, "bitOffset", 320, 52, 70, offset);

  grid_ = new QTableWidget(0, 2, this);
  grid_->setObjectName(QStringLiteral("grid"));
  grid_->setGeometry(10, 100, 400, 270);
  grid_->setHorizontalHeaderLabels({tr("线圈"), tr("报警内容")});
  // 1000 and 3000 units of the grid: a quarter and three quarters.
  grid_->setColumnWidth(0, 92);
  grid_->horizontalHeader()->setStretchLastSection(true);
  grid_->verticalHeader()->setDefaultSectionSize(20);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  edit_ = new CBindEdit(grid_->viewport());
  edit_->setObjectName(QStringLiteral("cell"));
  edit_->Attach(&form_.textBox);
  edit_->hide();
  edit_->installEventFilter(this);
  grid_->installEventFilter(this);
  connect(grid_, &QTableWidget::cellClicked, this, [this](int row, int col) {
    if (col == 1) OpenCell(row);
  });
  connect(grid_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { CloseCell(); });

  form_.onGridChanged = [this] { FillGrid(); };
  form_.onEditClosed = [this] { edit_->hide(); };
  auto idle = [this] { form_.Idle(); };
  for (NumberBox* n : {&form_.station, &form_.addr, &form_.subAddr, &form_.bitOffset})
    n->onUserEdit = idle;
  form_.type.onUserEdit = idle;

  Button(this, tr("确定"), 210, 380, true);
  Button(this, tr("取消"), 320, 380, false);
}

void AlarmListDialog::FillGrid() {
  const int rows = form_.RowCount();
  if (grid_->rowCount() != rows) grid_->setRowCount(rows);
  for (int r = 0; r < rows; ++r) {
    for (int col = 0; col < 2; ++col) {
      const std::string text = col == 0 ? form_.Label(r) : GbkToUtf8(form_.Text(r));
      QTableWidgetItem* item = grid_->item(r, col);
      if (!item) grid_->setItem(r, col, item = new QTableWidgetItem);
      item->setText(QString::fromStdString(text));
    }
  }
  if (form_.EditRow() >= 0 && form_.EditRow() < rows)
    edit_->setGeometry(grid_->visualItemRect(grid_->item(form_.EditRow(), 1)));
}

void AlarmListDialog::OpenCell(int row) {
  CloseCell();
  if (!form_.EditText(row)) return;
  grid_->scrollToItem(grid_->item(row, 1));
  edit_->setGeometry(grid_->visualItemRect(grid_->item(row, 1)));
  edit_->show();
  edit_->setFocus();
}

void AlarmListDialog::CloseCell() {
  if (form_.EditRow() < 0) return;
  form_.EndEdit();
  if (edit_->hasFocus()) grid_->setFocus();
  edit_->hide();
  FillGrid();
}

namespace {
bool EndsACell(const QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<const QKeyEvent*>(event);
  return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
         (key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier);
}
}  // namespace

bool AlarmListDialog::eventFilter(QObject* watched, QEvent* event) {
  // Return and Tab end a cell's edit and go on to the next row's; on the grid
  // Return opens the current row's. Only the buttons close the dialog.
  if (watched == edit_ && EndsACell(event)) {
    const int next = form_.EditRow() + 1;
    CloseCell();
    if (next < form_.RowCount()) {
      grid_->setCurrentCell(next, 1);
      OpenCell(next);
    }
    return true;
  }
  if (watched == grid_ && EndsACell(event) &&
      static_cast<QKeyEvent*>(event)->key() != Qt::Key_Tab) {
    OpenCell(std::max(grid_->currentRow(), 0));
    return true;
  }
  if (watched == edit_ && event->type() == QEvent::FocusOut && form_.EditRow() >= 0) {
    // A cell opened again meanwhile (Return went on to the next row) stays.
    QMetaObject::invokeMethod(
        this,
        [this] {
          if (!edit_->hasFocus()) CloseCell();
        },
        Qt::QueuedConnection);
  } else if (watched == edit_ && event->type() == QEvent::KeyPress &&
             static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    CloseCell();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void AlarmListDialog::Open(const Project& project) {
  CloseCell();
  form_.Open(project.m_alarmList);
  FillGrid();
}

void AlarmListDialog::Store(Project& project) const {
  form_.Accept(project.m_alarmList);
  project.SetModified();
}

bool AlarmListDialog::Run(QWidget* parent, Project& project) {
  AlarmListDialog dialog(parent);
  dialog.Open(project);
  if (dialog.exec() != QDialog::Accepted) return false;
  dialog.Store(project);
  return true;
}

}  // namespace tavo::app

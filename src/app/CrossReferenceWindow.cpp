#include "app/CrossReferenceWindow.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>
#include <span>

#include "app/ListTable.h"
#include "base/Prompter.h"
#include "base/SafeFile.h"
#include "model/Base.h"
#include "model/ProjectFile.h"

namespace tavo::app {

namespace {
const char kContext[] = "tavo::app::CrossReferenceWindow";
const char* const kHeaders[] = {QT_TRANSLATE_NOOP("tavo::app::CrossReferenceWindow", "地址"),
                                QT_TRANSLATE_NOOP("tavo::app::CrossReferenceWindow", "局号"),
                                QT_TRANSLATE_NOOP("tavo::app::CrossReferenceWindow", "读写"),
                                QT_TRANSLATE_NOOP("tavo::app::CrossReferenceWindow", "宽度"),
                                QT_TRANSLATE_NOOP("tavo::app::CrossReferenceWindow", "个数"),
                                QT_TRANSLATE_NOOP("tavo::app::CrossReferenceWindow", "画面"),
                                QT_TRANSLATE_NOOP("tavo::app::CrossReferenceWindow", "元件"),
                                QT_TRANSLATE_NOOP("tavo::app::CrossReferenceWindow", "位置"),
                                QT_TRANSLATE_NOOP("tavo::app::CrossReferenceWindow", "画面说明")};
// The name proposed for an export of an untitled project.
const char kUntitledExport[] =
    QT_TRANSLATE_NOOP("tavo::app::CrossReferenceWindow", "地址交叉引用.csv");
}  // namespace

// The entries the filter keeps, as rows.
class XrefModel : public ListModel {
 public:
  explicit XrefModel(QObject* parent) : ListModel(kHeaders, kContext, parent) {}

  void Set(std::vector<XrefEntry> entries, const std::string& filter) {
    beginResetModel();
    entries_ = std::move(entries);
    Keep(filter);
    endResetModel();
  }
  void Filter(const std::string& filter) {
    beginResetModel();
    Keep(filter);
    endResetModel();
  }
  size_t Total() const { return entries_.size(); }
  // The entry of row `row`, as an index into the whole list.
  int EntryOf(int row) const { return shown_[static_cast<size_t>(row)]; }
  std::vector<XrefEntry> Shown() const {
    std::vector<XrefEntry> out;
    out.reserve(shown_.size());
    for (int i : shown_) out.push_back(entries_[static_cast<size_t>(i)]);
    return out;
  }

  int rowCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : static_cast<int>(shown_.size());
  }

  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount({})) return {};
    const XrefEntry& e = entries_[static_cast<size_t>(EntryOf(index.row()))];
    const Binding& b = e.binding;
    switch (index.column()) {
      case 0:
        return QString::fromStdString(XrefAddress(e));
      case 1:
        return b.station;
      case 2:
        return QString::fromStdString(ShownAccessName(b.access));
      case 3:
        return QString::fromStdString(ShownWidth(b));
      case 4:
        return b.count;
      case 5:
        return e.screen ? QVariant(*e.screen) : QVariant();
      case 6:
        return QString::fromStdString(ShownUserName(e.user));
      case 7:
        return e.screen ? QVariant(QStringLiteral("(%1,%2)").arg(e.x).arg(e.y)) : QVariant();
      default:
        return QString::fromStdString(e.screenDescription);
    }
  }

 private:
  void Keep(const std::string& filter) {
    shown_.clear();
    for (size_t i = 0; i < entries_.size(); ++i)
      if (XrefMatches(entries_[i], filter)) shown_.push_back(static_cast<int>(i));
  }

  std::vector<XrefEntry> entries_;
  std::vector<int> shown_;
};

CrossReferenceWindow::CrossReferenceWindow(std::function<QString(const QString&)> chooseCsvPath,
                                           QWidget* parent)
    : QWidget(parent, Qt::Window), chooseCsvPath_(std::move(chooseCsvPath)) {
  setObjectName(QStringLiteral("crossReferenceWindow"));
  setWindowTitle(tr("地址交叉引用"));

  filter_ = new QLineEdit(this);
  filter_->setObjectName(QStringLiteral("xrefFilter"));
  filter_->setPlaceholderText(tr("地址、元件、画面号或画面说明，如 D100"));
  filter_->setClearButtonEnabled(true);
  connect(filter_, &QLineEdit::textChanged, this, &CrossReferenceWindow::ApplyFilter);
  export_ = new QPushButton(tr("导出CSV(&E)..."), this);
  export_->setObjectName(QStringLiteral("xrefExport"));
  connect(export_, &QPushButton::clicked, this, &CrossReferenceWindow::OnExport);

  model_ = new XrefModel(this);
  table_ = NewListTable(QStringLiteral("xrefTable"), model_, this);
  FitColumns();
  connect(table_, &QTableView::activated, this,
          [this](const QModelIndex& index) { emit EntryChosen(model_->EntryOf(index.row())); });

  count_ = new QLabel(this);
  count_->setObjectName(QStringLiteral("xrefCount"));

  auto* top = new QHBoxLayout;
  top->addWidget(new QLabel(tr("筛选:"), this));
  top->addWidget(filter_, 1);
  top->addWidget(export_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(table_, 1);
  layout->addWidget(count_);
  // Wide enough for every column and the description's caption.
  const int last = model_->columnCount({}) - 1;
  const int description =
      std::max(table_->horizontalHeader()->minimumSectionSize(),
               table_->horizontalHeader()->fontMetrics().horizontalAdvance(
                   model_->headerData(last, Qt::Horizontal, Qt::DisplayRole).toString()) +
                   16);
  const int columns =
      table_->horizontalHeader()->length() - table_->columnWidth(last) + description;
  const int frame = 2 * table_->frameWidth() + table_->verticalScrollBar()->sizeHint().width();
  const QMargins outer = layout->contentsMargins();
  resize(std::max(640, columns + frame + outer.left() + outer.right()), 420);
  ApplyFilter();
}

CrossReferenceWindow::~CrossReferenceWindow() = default;

void CrossReferenceWindow::FitColumns() {
  // Each column but the description holds its caption and the longest entry
  // it can show, in the language the window was made in.
  std::vector<QStringList> longest(8);
  longest[0] = {QStringLiteral("4x65535.15")};
  longest[1] = {QStringLiteral("255")};
  for (Access a : {Access::kRead, Access::kWrite, Access::kReadWrite})
    longest[2] << QString::fromStdString(ShownAccessName(a));
  for (unsigned width = 0; width <= 4; ++width) {
    Binding b;
    b.bit = width == 0;
    b.width = width;
    longest[3] << QString::fromStdString(ShownWidth(b));
  }
  longest[4] = {QStringLiteral("65535")};
  longest[5] = {QStringLiteral("65535")};
  for (uint8_t kind = 0; kind <= kKindDynamic; ++kind)
    longest[6] << QString::fromStdString(ShownUserName(KindName(kind)));
  longest[6] << QString::fromStdString(ShownUserName(kAlarmListUser))
             << QString::fromStdString(ShownUserName(kControlRegisterUser));
  longest[7] = {QStringLiteral("(-999,-999)")};
  const QFontMetrics cells = table_->fontMetrics();
  const QFontMetrics captions = table_->horizontalHeader()->fontMetrics();
  for (int c = 0; c < static_cast<int>(longest.size()); ++c) {
    int width = captions.horizontalAdvance(
        model_->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString());
    for (const QString& text : longest[static_cast<size_t>(c)])
      width = std::max(width, cells.horizontalAdvance(text));
    table_->setColumnWidth(c, width + 16);
  }
}

void CrossReferenceWindow::ShowEntries(const std::vector<XrefEntry>& entries,
                                       const QString& projectPath) {
  projectPath_ = projectPath;
  model_->Set(entries, filter_->text().toStdString());
  count_->setText(CountText());
}

void CrossReferenceWindow::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  emit Hidden();
}

void CrossReferenceWindow::ApplyFilter() {
  model_->Filter(filter_->text().toStdString());
  count_->setText(CountText());
}

QString CrossReferenceWindow::CountText() const {
  return tr("共 %1 处，显示 %2 处").arg(model_->Total()).arg(model_->rowCount({}));
}

std::vector<XrefEntry> CrossReferenceWindow::ShownEntries() const {
  return model_->Shown();
}

bool CrossReferenceWindow::ExportCsv(const QString& path) {
  const std::string csv = XrefToCsv(model_->Shown());
  const int err = WriteFileSafely(
      path.toStdString(),
      std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(csv.data()), csv.size()));
  if (err == 0) return true;
  const FileMessage m = ProjectFileMessage(WriteError(err), path.toStdString());
  CurrentPrompter().Message(m.text, m.caption, MessageIcon::Warning);
  return false;
}

void CrossReferenceWindow::OnExport() {
  // Beside the project, named after it.
  const QFileInfo project(projectPath_);
  const QString proposed = projectPath_.isEmpty()
                               ? tr(kUntitledExport)
                               : project.dir().filePath(project.completeBaseName() + ".csv");
  const QString path = chooseCsvPath_ ? chooseCsvPath_(proposed) : QString();
  if (path.isEmpty()) return;
  if (ExportCsv(path)) count_->setText(CountText() + tr("，已导出到 ") + path);
}

}  // namespace tavo::app

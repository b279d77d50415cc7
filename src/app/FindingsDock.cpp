#include "app/FindingsDock.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>
#include <optional>

#include "app/ListTable.h"

namespace tavo::app {

namespace {
const char kContext[] = "tavo::app::FindingsDock";
const char* const kHeaders[] = {QT_TRANSLATE_NOOP("tavo::app::FindingsDock", "类别"),
                                QT_TRANSLATE_NOOP("tavo::app::FindingsDock", "代码"),
                                QT_TRANSLATE_NOOP("tavo::app::FindingsDock", "画面"),
                                QT_TRANSLATE_NOOP("tavo::app::FindingsDock", "元件"),
                                QT_TRANSLATE_NOOP("tavo::app::FindingsDock", "说明")};
constexpr int kMessageColumn = 4;

QStyle::StandardPixmap SeverityIcon(Severity severity) {
  switch (severity) {
    case Severity::kError:
      return QStyle::SP_MessageBoxCritical;
    case Severity::kWarning:
      return QStyle::SP_MessageBoxWarning;
    case Severity::kNote:
      break;
  }
  return QStyle::SP_MessageBoxInformation;
}

// The same finding after a refresh: its element may have moved in the list.
bool SameFinding(const Finding& a, const Finding& b) {
  return a.code == b.code && a.screen == b.screen && a.message == b.message;
}
}  // namespace

// The findings as rows; the table asks only for the rows it shows.
class FindingsModel : public ListModel {
 public:
  explicit FindingsModel(QObject* parent) : ListModel(kHeaders, kContext, parent) {}

  void Set(const std::vector<Finding>& findings) {
    beginResetModel();
    findings_ = findings;
    endResetModel();
  }
  const std::vector<Finding>& Findings() const { return findings_; }

  int rowCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : static_cast<int>(findings_.size());
  }

  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid() || index.row() >= static_cast<int>(findings_.size())) return {};
    const Finding& f = findings_[static_cast<size_t>(index.row())];
    if (role == Qt::DecorationRole && index.column() == 0)
      return QApplication::style()->standardIcon(SeverityIcon(f.severity));
    if (role == Qt::ToolTipRole && index.column() == kMessageColumn)
      return QString::fromStdString(ShownMessage(f));
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
      case 0:
        return QString::fromStdString(ShownSeverityName(f.severity));
      case 1:
        return QString::fromStdString(f.code);
      case 2:
        return f.screen ? QVariant(*f.screen) : QVariant();
      case 3:  // counted from 1, as the check's text counts
        return f.element ? QVariant(static_cast<qulonglong>(*f.element + 1)) : QVariant();
      default:
        return QString::fromStdString(ShownMessage(f));
    }
  }

 private:
  std::vector<Finding> findings_;
};

FindingsDock::FindingsDock(QWidget* parent) : QDockWidget(tr("检查结果"), parent) {
  setObjectName(QStringLiteral("findingsDock"));
  setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
              QDockWidget::DockWidgetFloatable);

  auto* body = new QWidget(this);
  summary_ = new QLabel(body);
  summary_->setObjectName(QStringLiteral("findingsSummary"));
  model_ = new FindingsModel(this);
  table_ = NewListTable(QStringLiteral("findingsTable"), model_, body);
  const QFontMetrics m = table_->fontMetrics();
  table_->setColumnWidth(0, m.horizontalAdvance(tr("警告")) + 40);
  table_->setColumnWidth(1, m.horizontalAdvance(QStringLiteral("too-many-elements")) + 12);
  table_->setColumnWidth(2, m.horizontalAdvance(QStringLiteral("65535")) + 12);
  table_->setColumnWidth(3, m.horizontalAdvance(tr("元件")) + 12);
  // Double-click, or Enter on the chosen row.
  connect(table_, &QTableView::activated, this,
          [this](const QModelIndex& index) { emit FindingChosen(index.row()); });

  auto* layout = new QVBoxLayout(body);
  layout->setContentsMargins(4, 2, 4, 4);
  layout->setSpacing(2);
  layout->addWidget(summary_);
  layout->addWidget(table_, 1);
  setWidget(body);
  ShowFindings({}, false);
}

FindingsDock::~FindingsDock() = default;

void FindingsDock::ShowFindings(const std::vector<Finding>& findings, bool hasProject) {
  const QModelIndex current = table_->currentIndex();
  std::optional<Finding> chosen;
  if (current.isValid()) chosen = model_->Findings()[static_cast<size_t>(current.row())];
  const int scroll = table_->verticalScrollBar()->value();

  model_->Set(findings);
  if (!hasProject) {
    summary_->setText(tr("没有打开的工程"));
  } else if (findings.empty()) {
    summary_->setText(tr("未发现问题"));
  } else {
    summary_->setText(tr("%1 个错误, %2 个警告, %3 个提示")
                          .arg(CountFindings(findings, Severity::kError))
                          .arg(CountFindings(findings, Severity::kWarning))
                          .arg(CountFindings(findings, Severity::kNote)));
  }
  for (size_t i = 0; chosen && i < findings.size(); ++i) {
    if (!SameFinding(findings[i], *chosen)) continue;
    table_->setCurrentIndex(model_->index(static_cast<int>(i), 0));
    break;
  }
  table_->verticalScrollBar()->setValue(scroll);
}

QString FindingsDock::Summary() const {
  return summary_->text();
}

}  // namespace tavo::app

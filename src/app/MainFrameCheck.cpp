#include <QAction>
#include <QCoreApplication>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <algorithm>

#include "app/BudgetGauge.h"
#include "app/Commands.h"
#include "app/CrossReferenceWindow.h"
#include "app/FindingsDock.h"
#include "app/MainFrame.h"
#include "app/MainView.h"
#include "app/ProjectChecker.h"
#include "base/Captions.h"
#include "base/Prompter.h"
#include "download/ImageCompiler.h"
#include "model/Project.h"

// The project check in the main window: the findings list in a dock, the
// image budget in the status bar, the cross-reference window, and the
// question a download with errors asks first.

namespace tavo::app {

namespace {

// A docked list takes this much beside the view; the window grows by it.
constexpr int kDockHeight = 170;
constexpr int kDockWidth = 420;
// The errors a download question names; the list holds the rest.
constexpr size_t kErrorsNamed = 8;

QString ErrorLine(const Finding& f) {
  QString line;
  if (f.screen)
    line += QCoreApplication::translate("tavo::app::MainFrame", "画面%1 ").arg(*f.screen);
  if (f.element)
    line += QCoreApplication::translate("tavo::app::MainFrame", "元件%1 ").arg(*f.element + 1);
  return line + QString::fromStdString(ShownMessage(f));
}

}  // namespace

void MainFrame::BuildCheckViews() {
  baseSize_ = size();
  choosers_.csvSave = [this](const QString& proposed) {
    QWidget* parent = xref_ ? static_cast<QWidget*>(xref_.data()) : this;
    return AskSaveCsvPath(parent, proposed);
  };
  checker_ = new ProjectChecker([this]() -> Project& { return CurrentProject(); }, this);

  findings_ = new FindingsDock(this);
  findings_->setAllowedAreas(Qt::AllDockWidgetAreas);
  addDockWidget(Qt::BottomDockWidgetArea, findings_);
  findings_->hide();
  connect(findings_, &QDockWidget::visibilityChanged, this, [this](bool visible) {
    if (visible) checker_->RefreshNow();
    FitToDocks();
    UpdateCommands();
  });
  connect(findings_, &QDockWidget::topLevelChanged, this, &MainFrame::FitToDocks);
  connect(findings_, &QDockWidget::dockLocationChanged, this, &MainFrame::FitToDocks);
  connect(findings_, &FindingsDock::FindingChosen, this, [this](int index) {
    const auto& refs = checker_->FindingRefs();
    if (index >= 0 && static_cast<size_t>(index) < refs.size())
      view_->ShowElement(refs[static_cast<size_t>(index)]);
  });

  gauge_ = new BudgetGauge(statusBar());
  // Right of the message pane, before the protocol. It steps aside while a
  // message or a command's prompt shows, so that those have the room up to
  // the protocol pane.
  statusBar()->insertWidget(1, gauge_);
  connect(gauge_, &BudgetGauge::Clicked, this, [this] { ShowFindings(true); });

  connect(checker_, &ProjectChecker::Refreshed, this, &MainFrame::ShowCheckResults);
  connect(view_, &MainView::ProjectTouched, checker_, &ProjectChecker::ProjectMayHaveChanged);

  actions_.at(kCmdFindings)->setCheckable(true);
  handlers_[kCmdFindings] = [this] { ShowFindings(findings_->isHidden()); };
  handlers_[kCmdCrossReference] = [this] { ShowCrossReference(); };
}

CrossReferenceWindow* MainFrame::CrossReference() const {
  return xref_.data();
}

void MainFrame::ShowCheckResults() {
  const bool open = checker_->HasProject();
  findings_->ShowFindings(checker_->Findings(), open);
  gauge_->SetBudget(open ? std::optional<ImageBudget>(checker_->Budget()) : std::nullopt);
  if (xref_)
    xref_->ShowEntries(checker_->CrossReference(), QString::fromStdString(CurrentProject().m_path));
}

void MainFrame::ShowFindings(bool show) {
  findings_->setVisible(show);
  if (show) findings_->raise();
}

void MainFrame::ShowCrossReference() {
  if (!xref_) {
    xref_ = new CrossReferenceWindow(
        [this](const QString& proposed) {
          return choosers_.csvSave ? choosers_.csvSave(proposed) : QString();
        },
        this);
    connect(xref_, &CrossReferenceWindow::EntryChosen, this, [this](int index) {
      const auto& refs = checker_->CrossReferenceRefs();
      if (index >= 0 && static_cast<size_t>(index) < refs.size())
        view_->ShowElement(refs[static_cast<size_t>(index)]);
    });
    connect(xref_, &CrossReferenceWindow::Hidden, this,
            [this] { checker_->SetCrossReferenceWanted(false); });
    PlaceBeside(xref_);
  }
  checker_->SetCrossReferenceWanted(true);
  checker_->RefreshNow();
  xref_->ShowEntries(checker_->CrossReference(), QString::fromStdString(CurrentProject().m_path));
  xref_->show();
  xref_->raise();
  xref_->activateWindow();
}

void MainFrame::FitToDocks() {
  QSize size = baseSize_;
  // The separator between the view and the list is the window's too.
  const int separator = style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, this);
  int extent = 0;
  Qt::Orientation orientation = Qt::Vertical;
  if (!findings_->isHidden() && !findings_->isFloating()) {
    switch (dockWidgetArea(findings_)) {
      case Qt::TopDockWidgetArea:
      case Qt::BottomDockWidgetArea:
        extent = kDockHeight;
        size.rheight() += extent + separator;
        break;
      case Qt::LeftDockWidgetArea:
      case Qt::RightDockWidgetArea:
        extent = kDockWidth;
        orientation = Qt::Horizontal;
        size.rwidth() += extent + separator;
        break;
      default:
        break;
    }
  }
  setFixedSize(size);
  if (extent) resizeDocks({findings_}, {extent}, orientation);
  // A window grown past the screen's edge comes back onto it.
  if (const QScreen* screen = this->screen()) {
    const QRect area = screen->availableGeometry();
    const QRect frame = frameGeometry();
    QPoint at = frame.topLeft();
    if (frame.bottom() > area.bottom())
      at.setY(std::max(area.top(), area.bottom() - frame.height()));
    if (frame.right() > area.right()) at.setX(std::max(area.left(), area.right() - frame.width()));
    if (at != frame.topLeft()) move(at);
  }
}

bool MainFrame::ConfirmDownloadErrors() {
  checker_->RefreshNow();  // the project as it is now, not as at the last idle
  const std::vector<Finding>& findings = checker_->Findings();
  const size_t errors = CountFindings(findings, Severity::kError);
  if (errors == 0) return true;
  ShowFindings(true);
  QString text = tr("工程检查发现%1个错误：").arg(errors) + QLatin1Char('\n');
  size_t named = 0;
  for (const Finding& f : findings) {
    if (f.severity != Severity::kError) continue;
    if (named++ == kErrorsNamed) break;
    text += ErrorLine(f) + QLatin1Char('\n');
  }
  if (errors > kErrorsNamed)
    text += tr("（其余%1个见“检查结果”）").arg(errors - kErrorsNamed) + QLatin1Char('\n');
  text += QLatin1Char('\n') +
          tr("有错误的画面数据可能被拒绝下载，或使面板工作异常。仍要编译并下载吗？");
  return CurrentPrompter().OkCancel(text.toStdString(), DownloadCaption());
}

}  // namespace tavo::app

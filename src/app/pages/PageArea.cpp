#include "app/pages/PageArea.h"

#include <QApplication>

#include "app/pages/PageWidgets.h"
#include "base/Archive.h"
#include "model/Base.h"
#include "model/ProjectFile.h"
#include "model/Screen.h"

namespace tavo::app {

PageArea::PageArea(QWidget* parent) : QWidget(parent) {
  screenPage_ = new ScreenPage(this);
  pages_[0] = screenPage_;
  pages_[kKindText] = new TextPage(this);
  pages_[kKindRegister] = new RegisterPage(this);
  pages_[kKindLight] = new LightPage(this);
  pages_[kKindKey] = new KeyPage(this);
  pages_[kKindPicture] = new PicturePage(this);
  auto* graph = new GraphPage(this);
  pages_[kKindBar] = graph;
  pages_[kKindTrend] = graph;
  pages_[kKindDynamic] = new DynamicPage(this);
  idle_.setSingleShot(true);
  idle_.setInterval(0);
  connect(&idle_, &QTimer::timeout, this, &PageArea::RunIdle);
  for (PageWidget* page : pages_) {
    page->setGeometry(0, 0, 512, 230);
    page->hide();
    page->Logic().onIdleWanted = [this] { idle_.start(); };
    page->Logic().onEditBegan = [this] { emit EditBegan(); };
    page->Logic().onEditEnded = [this] { emit EditEnded(); };
  }
  focusLink_ = connect(qApp, &QApplication::focusChanged, this, &PageArea::FocusChanged);
}

// The application tells of focus changes while the widget below closes its
// children, after this part of the object is gone: the link ends first.
PageArea::~PageArea() {
  disconnect(focusLink_);
}

void PageArea::SetEnv(const PageEnv& env) {
  env_ = env;
  for (PageWidget* page : pages_) page->env_ = env;
}

void PageArea::FocusChanged(QWidget* old, QWidget* now) {
  // The session of the shown page ends when the focus leaves its control
  // for another control or for anything outside the page; the radio buttons
  // of one group are one control.
  if (!current_ || !old || !current_->isAncestorOf(old)) return;
  PageLogic& logic = current_->Logic();
  if (!logic.EditControl()) return;
  if (now && current_->isAncestorOf(now) && ControlOf(now) == logic.EditControl()) return;
  current_->RunIdle();
  logic.EndEdit();
}

namespace {
// The element's record as the project file holds it.
std::vector<uint8_t> StoredBytes(CBase& element) {
  CArchive ar;
  ar.SetFileVersion(kProjectFileVersion);
  element.Serialize(ar);
  return ar.TakeBuffer();
}
}  // namespace

QString PageArea::CorrectionMessage() {
  return tr("属性页已将超出范围的值改为允许的值，工程已修改");
}

void PageArea::resizeEvent(QResizeEvent*) {
  for (PageWidget* page : pages_) page->setGeometry(rect());
}

PageWidget* PageArea::PageOf(int kind) const {
  return kind >= 0 && kind <= 8 ? pages_[kind] : nullptr;
}

void PageArea::Show(PageWidget* page) {
  if (current_ == page && page && !page->isHidden()) return;
  // Pages other than the one shown let go of their element first: it may be
  // gone already, and losing the focus must not reach it.
  for (PageWidget* p : pages_)
    if (p != page) p->Logic().Unload();
  for (PageWidget* p : pages_)
    if (p != page) p->hide();
  current_ = page;
  if (page) page->show();
}

void PageArea::ShowPage(CBase& element) {
  Show(PageOf(element.m_kind));
}

void PageArea::LoadPage(CBase& element) {
  PageWidget* page = PageOf(element.m_kind);
  if (!page) return;
  // A page brings stored values into their ranges as it loads; such a
  // change is not to be silent.
  const std::vector<uint8_t> before = StoredBytes(element);
  page->Load(element);
  if (StoredBytes(element) != before) {
    if (env_.modified) env_.modified();
    emit LoadCorrected(CorrectionMessage());
  }
}

void PageArea::ShowPosition(CBase& element) {
  if (PageWidget* page = PageOf(element.m_kind)) page->ShowPosition();
}

void PageArea::ShowScreenPage() {
  CMainView* screen = screen_ ? screen_() : nullptr;
  if (!screen) {
    Show(nullptr);
    return;
  }
  Show(screenPage_);
  screenPage_->LoadScreen(*screen);
}

QString PageArea::ShownPage() const {
  return current_ && !current_->isHidden() ? current_->title() : QString();
}

void PageArea::RunIdle() {
  if (current_) current_->RunIdle();
}

}  // namespace tavo::app

#include "app/pages/PageArea.h"

#include <QApplication>

#include "app/pages/PageWidgets.h"
#include "model/Base.h"
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
  }
}

void PageArea::SetEnv(const PageEnv& env) {
  for (PageWidget* page : pages_) page->env_ = env;
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
  if (PageWidget* page = PageOf(element.m_kind)) page->Load(element);
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

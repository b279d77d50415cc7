#pragma once

// The property area below the simulated display (view rectangle 220, 218 -
// 732, 448): one page at a time, the selected element's or, when no element is
// selected, the current screen's. It answers the elements' page hooks and
// runs the shown page's idle pass after the user's edits.

#include <QTimer>
#include <QWidget>
#include <functional>

#include "model/PageHooks.h"
#include "pages/PageLogic.h"

namespace tavo {
class CMainView;
}

namespace tavo::app {

class PageWidget;
class ScreenPage;

class PageArea : public QWidget, public PageHooks {
  Q_OBJECT

 public:
  explicit PageArea(QWidget* parent = nullptr);
  ~PageArea() override;

  // Where the screen page takes its screen from.
  void SetScreenSource(std::function<CMainView*()> source) { screen_ = std::move(source); }
  // What the pages need from the editor: repainting the display, marking the
  // project modified, updating a screen-list row.
  void SetEnv(const PageEnv& env);

  void LoadPage(CBase& element) override;
  void ShowPage(CBase& element) override;
  void ShowPosition(CBase& element) override;
  void ShowScreenPage() override;

  // The page shown, or nullptr.
  PageWidget* Current() const { return current_; }
  // Title of the page shown ("画面属性", "文本属性", ...); empty when none.
  QString ShownPage() const;
  // The page of an element kind (kind 0: the screen page).
  PageWidget* PageOf(int kind) const;
  // Runs the shown page's idle pass now.
  void RunIdle();
  // Hides every page and lets go of what they were bound to (the elements
  // and screens are about to be rebuilt).
  void LetGo() { Show(nullptr); }

  // The text the status bar shows when loading a page corrected the element.
  static QString CorrectionMessage();

 signals:
  // Loading the page brought a stored value into its range (the project is
  // marked modified already): the frame says so in the status bar.
  void LoadCorrected(const QString& message);
  // An edit session of the shown page began or ended: the user's first edit
  // of a control, and turning to another control (one undo step).
  void EditBegan();
  void EditEnded();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QMetaObject::Connection focusLink_;
  void Show(PageWidget* page);
  void FocusChanged(QWidget* old, QWidget* now);

  std::function<CMainView*()> screen_;
  ScreenPage* screenPage_ = nullptr;
  PageWidget* pages_[9] = {};  // by element kind; 0 is the screen page
  PageWidget* current_ = nullptr;
  QTimer idle_;
  PageEnv env_;
};

}  // namespace tavo::app

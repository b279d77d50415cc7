#pragma once

#include <QWidget>
#include <functional>

#include "model/PageHooks.h"

class QLabel;
class QGroupBox;

namespace tavo {
class CMainView;
}

namespace tavo::app {

// The property area of the main view (view rectangle 220, 218 - 732, 448):
// the page of the selected element, or of the current screen when no element
// is selected. It answers the elements' page hooks. Until the pages
// themselves exist it shows which page would be shown, with the position of
// the selected element.
class PropertyArea : public QWidget, public PageHooks {
  Q_OBJECT

 public:
  explicit PropertyArea(QWidget* parent = nullptr);

  // Where the screen page takes its screen from.
  void SetScreenSource(std::function<CMainView*()> source) { screen_ = std::move(source); }

  void LoadPage(CBase& element) override;
  void ShowPage(CBase& element) override;
  void ShowPosition(CBase& element) override;
  void ShowScreenPage() override;

  // Title of the page shown: "画面属性", or the element kind's ("指示灯属性", ...).
  QString ShownPage() const;
  // Name of an element kind as the toolbar names it.
  static QString KindName(int kind);

 private:
  std::function<CMainView*()> screen_;
  QGroupBox* box_ = nullptr;
  QLabel* body_ = nullptr;
};

}  // namespace tavo::app

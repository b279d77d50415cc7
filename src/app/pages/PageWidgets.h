#pragma once

// The property pages as Qt widgets: each lays out the bound controls of its
// page logic in a frame with the page's caption. Controls carry their dialog
// ids as object names ("c1087"), so tests and tools find them.

#include <QGroupBox>
#include <QString>
#include <memory>

#include "app/pages/BindControls.h"
#include "pages/BasicPageLogic.h"
#include "pages/DynamicPageLogic.h"
#include "pages/GraphPageLogic.h"
#include "pages/KeyPageLogic.h"
#include "pages/RegisterPageLogic.h"

class QLabel;
class QLineEdit;
class QRadioButton;
class QTableWidget;

namespace tavo::app {

// Places controls at fixed positions inside a page, each number box with its
// arrows and each control with its label.
class PageBuilder {
 public:
  explicit PageBuilder(QWidget* parent) : parent_(parent) {}
  QLabel* Label(const QString& text, int x, int y, int w, const char* id = nullptr);
  // A number box of width w (arrows included); `label` follows its visibility.
  CNumEdit* Number(NumberBox& box, const char* id, int x, int y, int w, QLabel* label = nullptr);
  CBindCheck* Check(BoundCheck& check, const QString& text, const char* id, int x, int y, int w);
  CBindCombo* Combo(BoundCombo& combo, const char* id, int x, int y, int w,
                    QLabel* label = nullptr);
  CBindEdit* Edit(BoundText& text, const char* id, int x, int y, int w);
  QRadioButton* Radio(RadioGroup& group, int value, const QString& text, const char* id, int x,
                      int y, int w);
  QWidget* Parent() const { return parent_; }

 private:
  QWidget* parent_;
};

// A page: the frame with its caption and the controls inside.
class PageWidget : public QGroupBox {
  Q_OBJECT

 public:
  explicit PageWidget(const QString& caption, QWidget* parent = nullptr);
  // The page's logic (its idle pass).
  virtual PageLogic& Logic() = 0;
  // LoadPage for an element page (the screen page loads a screen instead).
  virtual void Load(CBase& element) {}
  virtual void ShowPosition() {}
  // The idle pass, when the page is shown.
  void RunIdle();

  // Where a page's number boxes go before losing the focus (the idle pass).
  void WireFocus();

 protected:
  PageEnv env_;
  friend class PageArea;
};

class ScreenPage : public PageWidget {
  Q_OBJECT
 public:
  explicit ScreenPage(QWidget* parent = nullptr);
  PageLogic& Logic() override { return logic_; }
  void LoadScreen(CMainView& screen);
  ScreenPageLogic& Page() { return logic_; }

 private:
  ScreenPageLogic logic_{env_};
  QLabel* number_ = nullptr;
};

class TextPage : public PageWidget {
  Q_OBJECT
 public:
  explicit TextPage(QWidget* parent = nullptr);
  PageLogic& Logic() override { return logic_; }
  void Load(CBase& element) override { logic_.Load(element); }
  void ShowPosition() override { logic_.ShowPosition(); }
  TextPageLogic& Page() { return logic_; }

 private:
  TextPageLogic logic_{env_};
};

class LightPage : public PageWidget {
  Q_OBJECT
 public:
  explicit LightPage(QWidget* parent = nullptr);
  PageLogic& Logic() override { return logic_; }
  void Load(CBase& element) override { logic_.Load(element); }
  void ShowPosition() override { logic_.ShowPosition(); }
  LightPageLogic& Page() { return logic_; }

 private:
  LightPageLogic logic_{env_};
};

class PicturePage : public PageWidget {
  Q_OBJECT
 public:
  explicit PicturePage(QWidget* parent = nullptr);
  PageLogic& Logic() override { return logic_; }
  void Load(CBase& element) override;
  void ShowPosition() override { logic_.ShowPosition(); }

 private:
  PicturePageLogic logic_{env_};
  QLineEdit* width_ = nullptr;
  QLineEdit* height_ = nullptr;
};

class KeyPage : public PageWidget {
  Q_OBJECT
 public:
  explicit KeyPage(QWidget* parent = nullptr);
  PageLogic& Logic() override { return logic_; }
  void Load(CBase& element) override { logic_.Load(element); }
  void ShowPosition() override { logic_.ShowPosition(); }
  KeyPageLogic& Page() { return logic_; }
  // The sub-page shown in frame 1137.
  QWidget* SubPage(int id) const;

 private:
  void ShowSubPage();
  KeyPageLogic logic_{env_};
  QWidget* coilPage_ = nullptr;
  QWidget* jumpPage_ = nullptr;
  QWidget* recipePage_ = nullptr;
  QLabel* valueLabel_ = nullptr;
};

class DynamicPage : public PageWidget {
  Q_OBJECT
 public:
  explicit DynamicPage(QWidget* parent = nullptr);
  PageLogic& Logic() override { return logic_; }
  void Load(CBase& element) override;
  void ShowPosition() override { logic_.ShowPosition(); }
  DynamicPageLogic& Page() { return logic_; }
  QTableWidget* Grid() const { return grid_; }
  // Opens the edit box over a cell, as a click on it does.
  void OpenCell(int row, int column);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FillGrid(int row);
  void CloseCell();
  DynamicPageLogic logic_{env_};
  QTableWidget* grid_ = nullptr;
  CNumEdit* valueEdit_ = nullptr;
  CBindEdit* textEdit_ = nullptr;
};

class RegisterPage : public PageWidget {
  Q_OBJECT
 public:
  explicit RegisterPage(QWidget* parent = nullptr);
  PageLogic& Logic() override { return logic_; }
  void Load(CBase& element) override { logic_.Load(element); }
  void ShowPosition() override { logic_.ShowPosition(); }
  RegisterPageLogic& Page() { return logic_; }

 private:
  RegisterPageLogic logic_{env_};
};

class GraphPage : public PageWidget {
  Q_OBJECT
 public:
  explicit GraphPage(QWidget* parent = nullptr);
  PageLogic& Logic() override { return logic_; }
  void Load(CBase& element) override;
  void ShowPosition() override { logic_.ShowPosition(); }
  GraphPageLogic& Page() { return logic_; }

 private:
  GraphPageLogic logic_{env_};
};

}  // namespace tavo::app

#pragma once

#include <QWidget>
#include <functional>
#include <memory>

#include "model/DisplayView.h"
#include "model/EditHistory.h"
#include "model/Project.h"

class QAction;
class QFrame;
class QTableWidget;

namespace tavo {
struct ClipContent;
}

namespace tavo::app {

class DisplayWidget;
class PageArea;
struct ElementRef;

// The editor's main view: the screen list, the simulated display in its frame
// and the property area, over the project it holds.
class MainView : public QWidget {
  Q_OBJECT

 public:
  explicit MainView(QWidget* parent = nullptr);
  ~MainView() override;

  // First showing: reads the protocol and settings files.
  void InitialUpdate();

  Project& CurrentProject() { return *project_; }
  EditHistory& History() { return *history_; }
  DisplayView& Controller() { return controller_; }
  bool ProjectOpen() const;
  // The alarm list can be edited: the protocol offers alarm coil types.
  bool AlarmTablesReady() const;
  bool InsertionPending(int kind) const;

  // ---- commands carried out by the view ----
  void StartInsertion(int kind);
  void OnNewScreen();
  void OnCopyScreen();
  void OnDeleteScreen();
  // The Delete key while the view or the screen list has the focus.
  void DeleteKey();
  // Offers to save a modified project; false when the user cancelled.
  bool SaveModified();

  // ---- undo ----
  // Ends the edit under way: a property-page edit (typing in one box is one
  // step, ended by leaving the control or by any other action) or a press on
  // the display.
  void EndEdit();
  // Records what a command changed as a step of that name.
  void Commit(const char* step);
  void Commit(const std::string& step) { Commit(step.c_str()); }
  // The step that Undo or Redo would take ("移动元件"); empty when none.
  std::string UndoName() const;
  std::string RedoName() const;
  bool CanUndo() const;
  bool CanRedo() const;
  void Undo();
  void Redo();
  // The project was saved: its state now is the saved one.
  void Saved();

  // ---- clipboard (MainViewClipboard.cpp) ----
  bool ElementSelected() const;
  // The clipboard offers something to paste (checked when pasting).
  bool ClipboardHasElement() const;
  bool ClipboardHasScreen() const;
  void CopyElement();
  void CutElement();
  void PasteElement();
  void CopyScreenToClipboard();
  void PasteScreen();
  // A project was created or read: rows, selection, page and display follow it.
  void ProjectReplaced();
  // Makes the screen a finding or an address use names current and selects
  // its element, brought to the front as a click would (MainViewShow.cpp).
  // False when the screen is gone; an element gone leaves only the screen.
  bool ShowElement(const ElementRef& ref);

  // Where the picture tool asks for its bitmap file (empty: cancelled).
  void SetBitmapChooser(std::function<QString()> chooser) { bitmapChooser_ = std::move(chooser); }
  // Gives the command actions for the screen list's menu.
  void SetActionSource(std::function<QAction*(int)> source) { actionOf_ = std::move(source); }

  QTableWidget* ScreenList() const { return screenList_; }
  DisplayWidget* Display() const { return display_; }
  PageArea* Properties() const { return properties_; }

  // Rebuilds every row of the screen list and selects the current screen's.
  void RefreshScreenList();
  void RepaintDisplay();

 signals:
  // The enable or check state of a command may have changed.
  void Changed();
  // New text for the protocol pane of the status bar.
  void ProtocolText(const QString& text);
  // The project may have been edited: an element moved or changed, a page
  // applied, the display repainted.
  void ProjectTouched();
  // A notice for the message pane of the status bar.
  void StatusMessage(const QString& text);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  void SelectCurrentRow();
  void OnRowChosen(int row);
  void ShowScreenMenu(const QPoint& globalPos);
  // Reads the clipboard's element or screen; says so when it holds none.
  bool ReadClipboard(const char* type, tavo::ClipContent& out);
  void AfterMouse();
  // Keys examined before the view's controls get them; true when used.
  bool HandleKey(QKeyEvent* event);

  // After undo or redo: the rows, the page of the selection and the display.
  void ShowRestored();

  std::unique_ptr<Project> project_;
  std::unique_ptr<EditHistory> history_;
  bool editOpen_ = false;  // a property-page edit not yet recorded
  std::string editName_;
  DisplayView controller_;
  std::function<QString()> bitmapChooser_;
  QTableWidget* screenList_ = nullptr;
  QFrame* frame_ = nullptr;
  DisplayWidget* display_ = nullptr;
  PageArea* properties_ = nullptr;
  std::function<QAction*(int)> actionOf_;
  bool fillingList_ = false;
};

}  // namespace tavo::app

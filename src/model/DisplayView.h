#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "base/Geometry.h"
#include "elements/UpLoadPic.h"
#include "model/Project.h"
#include "render/Canvas.h"

namespace tavo {

class EditHistory;

// Where the parts of the editor's main view lie, in view pixels.
constexpr Rect kViewDisplayArea{260, 40, 692, 184};  // the simulated display, 432 x 144
constexpr Rect kViewDisplayFrame{220, 20, 732, 208};
constexpr Rect kViewPropertyArea{220, 218, 732, 448};
constexpr Rect kViewScreenList{10, 20, 210, 448};

// Placement outline of an insertion command before the mouse moves (display
// pixels); a picture's comes from its bitmap. Empty for other kinds.
Rect DefaultInsertOutline(uint8_t kind);
// The outline of a picture of w x h bitmap pixels: each side x 2.5, rounded.
Rect PictureInsertOutline(int width, int height);

// The simulated display's behaviour without a window: painting, insertion,
// selection, dragging and deleting on the current screen of a project. The
// editor's view forwards its mouse and keyboard events here (positions in
// view pixels) and shows the canvas; tests drive it directly.
class DisplayView {
 public:
  explicit DisplayView(Project* project = nullptr) : m_project(project) {}

  // A project was created or opened (or replaced): editing commands become
  // available, nothing is selected and no insertion is pending.
  void SetProject(Project* project);
  Project* GetProject() const { return m_project; }

  // ---- painting ----
  // Paints the current screen into a 432 x 144 canvas: background, elements
  // from the back of the list to the front, then the selection or placement
  // outline. False (canvas untouched) when there is no current screen.
  bool PaintDisplay(Canvas& canvas);
  Canvas Paint();

  // ---- insertion commands ----
  bool InsertEnabled() const { return m_projectOpen == 1; }
  bool InsertChecked(uint8_t kind) const { return m_insertKind == kind; }
  // Arms (or, for the kind already armed, disarms) the insertion of an
  // element of that kind. Pictures go through StartPictureInsertion.
  void StartInsertion(uint8_t kind);
  // The picture command: disarms a pending picture insertion; otherwise asks
  // `chooseFile` for a bitmap file (nullopt: the user cancelled), loads it and
  // arms the insertion, or shows why the file was refused.
  void StartPictureInsertion(const std::function<std::optional<std::string>()>& chooseFile);

  // ---- mouse, in view pixels ----
  void LeftButtonDown(Point at);
  void MouseMove(Point at);
  // Ends the press: a placement or a drag that moved becomes a step.
  void LeftButtonUp();
  void RightButtonDown();
  bool HandCursor() const { return m_handCursor == 0; }

  // ---- keyboard ----
  // The Delete key while the view or the screen list has the focus: deletes
  // the selected element, or else (after asking) the current screen.
  void DeleteKey();
  // An arrow key while the view or the screen list has the focus: with an
  // element selected it moves by (dx, dy) panel pixels, held on the display,
  // as one step "移动元件". False when no element is selected (the key is then
  // the screen list's).
  bool ArrowKey(int dx, int dy);
  void ControlKey(bool down) { m_controlDown = down; }
  bool ControlDown() const { return m_controlDown; }

  // ---- screen list ----
  // A click on row `row`: that screen becomes current. False when the row
  // holds no screen (the list then shows the current screen's row again).
  bool ScreenListClick(size_t row);

  // Told the display area (display pixels) that needs repainting.
  std::function<void(const Rect&)> onRepaint;
  // Asked to give the keyboard focus to the screen list.
  std::function<void()> onFocusScreenList;
  // Records the display's changes as undo steps (none when null).
  EditHistory* m_history = nullptr;
  // A placement or drag still held becomes its step now (the button-up may
  // never come, as when a command interrupts).
  void FinishGesture();

  // The view state.
  int m_selectMode = 1;   // 0: the front element is selected; 1: none
  int m_dragging = 0;     // 1 while the left button holds a selected or placed element
  int m_insertKind = -1;  // kind the next click creates, -1 none
  Rect m_markRect;        // selection or placement outline, display pixels
  Point m_lastPoint;      // view position of the last press or applied drag step
  int m_handCursor = -1;  // 0 while an element is dragged
  int m_projectOpen = 0;  // 1 once a project was created or opened
  std::optional<PictureBitmap> m_pendingBitmap;  // bitmap of a pending picture insertion

 private:
  CMainView* Screen() const { return m_project ? m_project->CurrentScreen() : nullptr; }
  void SetSelectMode(int mode);
  void SyncSelection();
  void CancelInsertion();
  void Repaint(const Rect& area) const;
  void RepaintAll() const { Repaint({0, 0, kDisplayWidth, kDisplayHeight}); }

  void Commit(const char* step) const;

  Project* m_project = nullptr;
  bool m_controlDown = false;
  const char* m_gesture = nullptr;  // the step a press begins, until the button is up
  bool m_gestureChanged = false;
};

}  // namespace tavo

#include "model/DisplayView.h"

#include "base/Texts.h"
#include "model/EditHistory.h"
#include "model/PageHooks.h"
#include "render/PictureFile.h"

namespace tavo {

namespace {

Point ToDisplay(Point view) {
  return {view.x - kViewDisplayArea.left, view.y - kViewDisplayArea.top};
}

}  // namespace

Rect DefaultInsertOutline(uint8_t kind) {
  switch (kind) {
    case kKindLight:
    case kKindKey:
      return {0, 0, 36, 36};
    case kKindText:
      return {0, 0, 108, 36};
    case kKindRegister:
      return {0, 0, 90, 36};
    case kKindDynamic:
      return {0, 0, 180, 36};
    case kKindBar:
      return {0, 0, 36, 108};
    case kKindTrend:
      return {0, 0, 216, 108};
    default:
      return {};
  }
}

Rect PictureInsertOutline(int width, int height) {
  return {0, 0, static_cast<int>(width * 2.5 + 0.5), static_cast<int>(height * 2.5 + 0.5)};
}

void DisplayView::SetProject(Project* project) {
  m_project = project;
  m_projectOpen = project ? 1 : m_projectOpen;
  m_insertKind = -1;
  m_pendingBitmap.reset();
  m_dragging = 0;
  m_handCursor = -1;
  m_gesture = nullptr;
  SetSelectMode(1);
  RepaintAll();
}

void DisplayView::Commit(const char* step) const {
  // The step is named in the user's language, as the edit menu shows it.
  if (m_history) m_history->Commit(Translate("tavo::model::DisplayView", step));
}

void DisplayView::FinishGesture() {
  if (m_gesture && m_gestureChanged) Commit(m_gesture);
  m_gesture = nullptr;
}

void DisplayView::LeftButtonUp() {
  m_dragging = 0;
  FinishGesture();
}

void DisplayView::SetSelectMode(int mode) {
  m_selectMode = mode;
  if (m_project) m_project->m_elementSelected = mode == 0;
}

// The project's own screen commands (new, copy, delete screen) end any
// selection; the view follows what the project says before every operation.
void DisplayView::SyncSelection() {
  const CMainView* screen = Screen();
  m_selectMode = m_project && m_project->m_elementSelected && screen && screen->Head() ? 0 : 1;
}

void DisplayView::Repaint(const Rect& area) const {
  if (onRepaint) onRepaint(area);
}

bool DisplayView::PaintDisplay(Canvas& canvas) {
  CMainView* screen = Screen();
  if (!screen) return false;
  SyncSelection();
  canvas = MakeDisplayBackground();
  const bool selected = m_selectMode != 1;
  const Rect frame = screen->DrawAll(canvas, selected);
  if (selected && screen->Head()) m_markRect = frame;
  canvas.ResetClip();
  // Light grey over the dark display, dark grey over lit pixels (an inverse
  // element), so that the outline shows on both.
  if (m_selectMode != 1 || m_insertKind != -1)
    canvas.DottedOutline(m_markRect, kOutlineGrey, kOutlineDarkGrey);
  return true;
}

Canvas DisplayView::Paint() {
  Canvas canvas(kDisplayWidth, kDisplayHeight, kDisplayDark);
  PaintDisplay(canvas);
  return canvas;
}

void DisplayView::CancelInsertion() {
  m_insertKind = -1;
  m_pendingBitmap.reset();
}

void DisplayView::StartInsertion(uint8_t kind) {
  if (m_projectOpen != 1) return;
  if (m_insertKind == kind) {
    CancelInsertion();
    RepaintAll();
    return;
  }
  if (kind == kKindPicture) return;  // needs its bitmap: StartPictureInsertion
  const Rect outline = DefaultInsertOutline(kind);
  if (outline.Width() == 0) return;  // not an element kind one can place
  m_pendingBitmap.reset();
  m_insertKind = kind;
  m_markRect = outline;
  SetSelectMode(1);
  CurrentPageHooks().ShowScreenPage();
  RepaintAll();
}

void DisplayView::StartPictureInsertion(
    const std::function<std::optional<std::string>()>& chooseFile) {
  if (m_projectOpen != 1) return;
  if (m_insertKind == kKindPicture) {
    CancelInsertion();
    RepaintAll();
    return;
  }
  // Whatever happens below, the insertion that was pending ends here.
  CancelInsertion();
  std::optional<std::string> path = chooseFile ? chooseFile() : std::nullopt;
  if (!path) {
    RepaintAll();
    return;
  }
  PictureLoadResult loaded = LoadPictureFile(*path);
  if (loaded.status != PictureLoad::Ok) {
    ReportPictureLoad(loaded.status);
    RepaintAll();
    return;
  }
  m_markRect = PictureInsertOutline(loaded.bitmap.width, loaded.bitmap.height);
  m_pendingBitmap = std::move(loaded.bitmap);
  m_insertKind = kKindPicture;
  SetSelectMode(1);
  CurrentPageHooks().ShowScreenPage();
  RepaintAll();
}

void DisplayView::MouseMove(Point at) {
  CMainView* screen = Screen();
  if (!screen) return;
  m_handCursor = -1;
  SyncSelection();
  if (m_dragging == 1 && screen->Head()) {
    CBase* element = screen->Head();
    const Rect changed = element->MoveBy(at, m_lastPoint);
    m_handCursor = 0;
    // Only a step that moved the element changes the project.
    if (changed.Width() > 0) {
      m_gestureChanged = true;
      m_project->SetModified();
      Repaint(changed);
    }
    return;
  }
  if (m_insertKind != -1 && kViewDisplayArea.Contains(at)) {
    const Point d = ToDisplay(at);
    const int w = m_markRect.Width(), h = m_markRect.Height();
    Rect r{9 * (d.x / 9), 9 * (d.y / 9), 0, 0};
    r.right = r.left + w;
    r.bottom = r.top + h;
    if (r.right > kDisplayWidth) {
      r.right = kDisplayWidth - 1;
      r.left = r.right - w;
    }
    if (r.bottom > kDisplayHeight) {
      r.bottom = kDisplayHeight - 1;
      r.top = r.bottom - h;
    }
    m_markRect = r;
    RepaintAll();
  }
}

void DisplayView::LeftButtonDown(Point at) {
  CMainView* screen = Screen();
  if (!screen) return;
  if (kViewDisplayArea.Contains(at)) {
    FinishGesture();
    if (onFocusScreenList) onFocusScreenList();
    if (m_insertKind == -1) {
      // Bringing the element to the front changes the screen's order: it
      // goes with the next step.
      if (m_history) m_history->Note();
      const bool hit = m_project->ClickAt(ToDisplay(at));
      if (hit) {
        m_gesture = TAVO_TRANSLATE_NOOP("tavo::model::DisplayView", "移动元件");
        m_gestureChanged = false;
      }
      m_dragging = hit ? 1 : 0;
      SetSelectMode(hit ? 0 : 1);
      RepaintAll();
    } else {
      const uint8_t kind = static_cast<uint8_t>(m_insertKind);
      if (kind == kKindPicture) SetBitmapToPlace(std::move(m_pendingBitmap));
      const Rect outline = m_markRect;
      CBase* placed = m_project->PlaceElement(kind, {outline.left, outline.top});
      SetBitmapToPlace(std::nullopt);
      CancelInsertion();
      if (placed) {
        m_gesture =
            TAVO_TRANSLATE_NOOP("tavo::model::DisplayView",
                                "放置元件");  // a drag before the button is up is part of it
        m_gestureChanged = true;
        m_dragging = 1;
        SetSelectMode(0);
        Repaint(outline.United(placed->m_rect).Inflated(1));
      } else {
        RepaintAll();
      }
    }
  }
  m_lastPoint = at;
}

void DisplayView::RightButtonDown() {
  if (m_insertKind == -1) return;
  CancelInsertion();
  RepaintAll();
}

void DisplayView::DeleteKey() {
  CMainView* screen = Screen();
  if (!screen) return;
  FinishGesture();
  SyncSelection();
  const bool element = m_selectMode == 0;
  // The project deletes the selected element, or asks and deletes the screen.
  m_project->DeleteKey();
  Commit(element ? TAVO_TRANSLATE_NOOP("tavo::model::DisplayView", "删除元件")
                 : TAVO_TRANSLATE_NOOP("tavo::model::DisplayView", "删除画面"));
  SetSelectMode(1);
  m_dragging = 0;
  RepaintAll();
}

bool DisplayView::ArrowKey(int dx, int dy) {
  CMainView* screen = Screen();
  if (!screen) return false;
  SyncSelection();
  if (m_selectMode != 0) return false;
  // A drag still held is a step of its own, and so is the rest of it.
  const bool held = m_gesture != nullptr;
  FinishGesture();
  if (held) {
    m_gesture = TAVO_TRANSLATE_NOOP("tavo::model::DisplayView", "移动元件");
    m_gestureChanged = false;
  }
  const Rect changed = screen->Head()->NudgeBy(dx, dy);
  if (changed.Width() > 0) {
    m_project->SetModified();
    Commit(TAVO_TRANSLATE_NOOP("tavo::model::DisplayView", "移动元件"));
    Repaint(changed);
  }
  return true;
}

bool DisplayView::ScreenListClick(size_t row) {
  FinishGesture();
  // What happened on the screen left (a selection's new order) goes with
  // the next step.
  if (m_history) m_history->Note();
  if (!m_project || !m_project->SelectScreen(row)) return false;
  SetSelectMode(1);
  if (onFocusScreenList) onFocusScreenList();
  RepaintAll();
  return true;
}

}  // namespace tavo

// The panel preview window: opened from its command, it shows what the panel
// runtime draws for the editor's project, follows the editor, and its keypad
// and value table drive the simulated panel.
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolBar>

#include "EditorFixture.h"
#include "app/PreviewKeypad.h"
#include "app/PreviewValues.h"
#include "app/PreviewWindow.h"
#include "download/ImageCompiler.h"
#include "elements/Function.h"
#include "model/Base.h"
#include "model/ProjectFile.h"
#include "panel/PanelRecords.h"
#include "plc/Protocol.h"
#include "render/Canvas.h"

namespace tavo::app {
QImage CanvasImage(const Canvas& canvas);
}

namespace tavo::test {
namespace {

using namespace tavo::app;
using panel::PanelKey;
using panel::PanelRuntime;

class PreviewTest : public EditorTest {
 protected:
  void OpenExample(const char* name) {
    const QString path = QStringLiteral(TAVO_SOURCE_DIR "/examples/") + QString::fromLatin1(name);
    ASSERT_EQ(frame->OpenDocumentFile(path), OpenResult::Opened);
  }
  PreviewWindow& OpenPreview() {
    frame->Execute(kCmdPreview);
    PreviewWindow* w = frame->Preview();
    EXPECT_NE(w, nullptr);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(w));
    return *w;
  }
  // What the runtime draws for the editor's project as it is now, compiled on
  // its own from a copy, on `screen` shown after `setup` (so that a trend's
  // first sample is the value set).
  QImage Expected(uint16_t screen, int zoom, const std::function<void(PanelRuntime&)>& setup = {}) {
    Project copy;
    ReadInfo info;
    EXPECT_EQ(ReadProjectBytes(WriteProjectBytes(Proj(), CurrentProtocol()), copy, info),
              ProjectFileError::None);
    const CompiledImage image = CompileImageForPreview(copy);
    EXPECT_TRUE(image.Ok());
    PanelRuntime rt;
    EXPECT_TRUE(rt.Load(image.image));
    if (setup) setup(rt);
    EXPECT_TRUE(rt.ShowScreen(screen));
    return CanvasImage(rt.Render().ToCanvas(zoom));
  }
  // all-elements.orx with the coil key of screen 3 made momentary (its coil
  // set while the key is held), previewed on screen 3.
  PreviewWindow& OpenWithMomentaryKey() {
    OpenExample("all-elements.orx");
    for (auto& e : Proj().ScreenAt(2)->m_elements)
      if (auto* f = dynamic_cast<CFunction*>(e.get()); f && f->m_action == 0) f->m_coilOp = 3;
    ChooseRow(2);
    PreviewWindow& w = OpenPreview();
    EXPECT_EQ(w.Runtime().CurrentScreen(), 3);  // shown as it opens
    return w;
  }
  // What the editor did reached the window, which looks at the project
  // again when its delay ends: that moment is brought forward.
  static void Settle(PreviewWindow& w) {
    ASSERT_TRUE(w.ChangePending());
    w.Update();
    EXPECT_FALSE(w.ChangePending());
  }
  // The editor's screen list, as a click on the row does it.
  void ChooseRow(int row) { View().ScreenList()->setCurrentCell(row, 0); }
  // The first key record of the shown screen whose action passes `want`.
  static const panel::KeyRecord* FindKey(const PanelRuntime& rt,
                                         const std::function<bool(uint8_t)>& want) {
    for (const panel::ElementRecord& e : rt.Elements())
      if (auto* k = std::get_if<panel::KeyRecord>(&e.body); k && want(k->action)) return k;
    return nullptr;
  }
};

TEST_F(PreviewTest, OpensOnceFromItsCommandsAndShowsTheScreenAsTheRuntimeDrawsIt) {
  // Its menu item and toolbar button are the preview command's.
  auto* menu = frame->menuBar()->findChild<QMenu*>("viewMenu");
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(menu->actions().contains(frame->Action(kCmdPreview)));
  EXPECT_TRUE(
      frame->findChild<QToolBar*>("toolBar")->actions().contains(frame->Action(kCmdPreview)));

  // Without a project the display stays dark and says so.
  frame->Action(kCmdPreview)->trigger();
  PreviewWindow* w = frame->Preview();
  ASSERT_NE(w, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
  EXPECT_EQ(w->StatusText(), QStringLiteral("没有打开的工程"));
  EXPECT_EQ(w->DisplayImage(), CanvasImage(panel::PanelBitmap().ToCanvas(3)));

  // Opening a project reaches the open window; the command shows the same one.
  OpenExample("all-elements.orx");
  ASSERT_NO_FATAL_FAILURE(Settle(*w));
  ASSERT_TRUE(w->CompileCount() == 1 && w->Runtime().Ready());
  frame->Action(kCmdPreview)->trigger();
  EXPECT_EQ(frame->Preview(), w);
  EXPECT_EQ(frame->findChildren<PreviewWindow*>().size(), 1);
  EXPECT_EQ(w->Runtime().CurrentScreen(), 1);
  EXPECT_EQ(w->DisplayImage(), Expected(1, 3));
  EXPECT_TRUE(w->StatusText().startsWith(QStringLiteral("画面 1")))
      << w->StatusText().toStdString();
  // The widget paints that picture inside its border.
  auto* display = w->findChild<QWidget*>("previewDisplay");
  const QImage shown = display->grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(shown.copy(4, 4, 576, 192), w->DisplayImage());

  // Another zoom draws the same display larger.
  w->findChild<QComboBox*>("previewZoom")->setCurrentIndex(5);
  EXPECT_EQ(w->Zoom(), 6);
  EXPECT_EQ(w->DisplayImage().size(), QSize(1152, 384));
  EXPECT_EQ(w->DisplayImage(), Expected(1, 6));

  // It closes with the main window.
  frame->close();
  EXPECT_FALSE(w->isVisible());
}

TEST_F(PreviewTest, FollowsTheEditorsScreenAndEditsWithoutTouchingTheProject) {
  OpenExample("all-elements.orx");
  PreviewWindow& w = OpenPreview();
  const int compiles = w.CompileCount();

  // Another screen in the editor's list: shown, nothing compiled again.
  ChooseRow(1);
  ASSERT_NO_FATAL_FAILURE(Settle(w));
  ASSERT_TRUE(w.Runtime().CurrentScreen() == 2);
  EXPECT_EQ(w.DisplayImage(), Expected(2, 3));
  ChooseRow(0);
  ASSERT_NO_FATAL_FAILURE(Settle(w));
  ASSERT_TRUE(w.Runtime().CurrentScreen() == 1);
  EXPECT_EQ(w.CompileCount(), compiles);

  // An edit (the light of screen 1 removed, as a page's apply repaints).
  const QImage before = w.DisplayImage();
  auto& elements = Proj().ScreenAt(0)->m_elements;
  const auto light = std::find_if(elements.begin(), elements.end(),
                                  [](const auto& e) { return e->m_kind == kKindLight; });
  ASSERT_NE(light, elements.end());
  elements.erase(light);
  View().RepaintDisplay();
  ASSERT_NO_FATAL_FAILURE(Settle(w));
  ASSERT_TRUE(w.CompileCount() == compiles + 1);
  EXPECT_NE(w.DisplayImage(), before);
  EXPECT_EQ(w.DisplayImage(), Expected(1, 3));

  // What the compiler corrects is corrected in its copy only: a start screen
  // that does not exist stays as the engineer set it.
  Proj().m_settings.m_startScreen = 99;
  frame->UpdateCommands();
  ASSERT_NO_FATAL_FAILURE(Settle(w));
  ASSERT_TRUE(w.CompileCount() == compiles + 2);
  EXPECT_EQ(Proj().m_settings.m_startScreen, 99);
  EXPECT_TRUE(prompter.Messages().empty());
}

TEST_F(PreviewTest, KeypadButtonsAndTheValueTableDriveThePanel) {
  OpenExample("all-elements.orx");
  PreviewWindow& w = OpenPreview();
  PanelRuntime& rt = w.Runtime();
  PreviewValues* values = w.Values();

  // A key is held between press and release.
  QSignalSpy down(w.Keypad(), &PreviewKeypad::KeyDown), up(w.Keypad(), &PreviewKeypad::KeyUp);
  QPushButton* set = w.Keypad()->Button(PanelKey::Set);
  QTest::mousePress(set, Qt::LeftButton);
  EXPECT_EQ(down.size(), 1);
  EXPECT_EQ(up.size(), 0);
  QTest::mouseRelease(set, Qt::LeftButton);
  EXPECT_EQ(up.size(), 1);
  for (PanelKey k : panel::AllPanelKeys()) EXPECT_NE(w.Keypad()->Button(k), nullptr);
  QTest::mouseClick(w.Keypad()->Button(PanelKey::Esc), Qt::LeftButton);
  // The keyboard's keys reach the panel, not the value table.
  w.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  QWidget* focus = QApplication::focusWidget();
  ASSERT_NE(focus, nullptr);
  EXPECT_EQ(focus->window(), &w);
  QTest::keyClick(focus, Qt::Key_Down);
  EXPECT_EQ(rt.CurrentScreen(), 2);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
  ASSERT_EQ(rt.CurrentScreen(), 1);

  // A value typed into the table is what the register shows.
  const panel::ElementRecord* regElement = nullptr;
  for (const panel::ElementRecord& e : rt.Elements())
    if (std::holds_alternative<panel::RegisterRecord>(e.body)) regElement = &e;
  ASSERT_NE(regElement, nullptr);
  const panel::PlcKey regKey = std::get<panel::RegisterRecord>(regElement->body).binding.key;
  const int row = values->RowOf(regKey);
  ASSERT_GE(row, 0);
  const QImage zero = w.DisplayImage();
  values->item(row, PreviewValues::kValueColumn)->setText(QStringLiteral("123"));
  EXPECT_EQ(rt.Plc().Get(regKey), 123u);
  EXPECT_NE(w.DisplayImage(), zero);
  EXPECT_EQ(w.DisplayImage(), Expected(1, 3, [&](PanelRuntime& r) { r.Plc().Set(regKey, 123); }));
  // Something that is no number is refused and said so; the value stays.
  values->item(row, PreviewValues::kValueColumn)->setText(QStringLiteral("12x"));
  EXPECT_EQ(rt.Plc().Get(regKey), 123u);
  EXPECT_EQ(values->item(row, PreviewValues::kValueColumn)->text(), QStringLiteral("123"));
  EXPECT_TRUE(w.StatusText().contains(QStringLiteral("12x"))) << w.StatusText().toStdString();

  // The jump key of screen 1 shows its target, table and all.
  const panel::KeyRecord* jump =
      FindKey(rt, [](uint8_t a) { return a == panel::kActionJumpScreen; });
  ASSERT_NE(jump, nullptr);
  const uint16_t target = jump->target;
  QTest::mouseClick(w.Keypad()->Button(PanelKey(jump->keyCode)), Qt::LeftButton);
  EXPECT_EQ(rt.CurrentScreen(), target);
  EXPECT_EQ(w.DisplayImage(),
            Expected(target, 3, [&](PanelRuntime& r) { r.Plc().Set(regKey, 123); }));
  EXPECT_EQ(values->Rows().size(), rt.Bindings().size());

  // On screen 3 (chosen in the editor), a coil key's press shows in the table.
  ChooseRow(2);
  ASSERT_NO_FATAL_FAILURE(Settle(w));
  ASSERT_TRUE(rt.CurrentScreen() == 3);
  const panel::KeyRecord* coil = FindKey(
      rt, [](uint8_t a) { return a >= panel::kActionCoilOn && a <= panel::kActionCoilMomentary; });
  ASSERT_NE(coil, nullptr);
  const panel::PlcKey coilKey = coil->binding.key;
  const int coilRow = values->RowOf(coilKey);
  ASSERT_GE(coilRow, 0);
  QTableWidgetItem* cell = values->item(coilRow, PreviewValues::kValueColumn);
  const uint32_t was = rt.Plc().Get(coilKey);
  EXPECT_EQ(cell->checkState(), was ? Qt::Checked : Qt::Unchecked);
  QTest::mouseClick(w.Keypad()->Button(PanelKey(coil->keyCode)), Qt::LeftButton);
  if (coil->action != panel::kActionCoilMomentary) {
    EXPECT_NE(rt.Plc().Get(coilKey), was);
  }
  EXPECT_EQ(cell->checkState(), rt.Plc().Get(coilKey) ? Qt::Checked : Qt::Unchecked);
  // ... and a tick in the table sets the coil.
  const Qt::CheckState flipped = cell->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked;
  cell->setCheckState(flipped);
  EXPECT_EQ(rt.Plc().Get(coilKey), flipped == Qt::Checked ? 1u : 0u);
}

TEST_F(PreviewTest, AMomentaryKeyHeldOnTheKeyboardIsLetGoWhateverModifiersCameDown) {
  PreviewWindow& w = OpenWithMomentaryKey();
  PanelRuntime& rt = w.Runtime();
  const panel::KeyRecord* coil =
      FindKey(rt, [](uint8_t a) { return a == panel::kActionCoilMomentary; });
  ASSERT_NE(coil, nullptr);
  const panel::PlcKey item = coil->binding.key;
  int qtKey = 0;
  for (int k : {int(Qt::Key_Escape), int(Qt::Key_Return), int(Qt::Key_Up), int(Qt::Key_Down),
                int(Qt::Key_Left), int(Qt::Key_Right), int(Qt::Key_S), int(Qt::Key_A),
                int(Qt::Key_Backspace)})
    if (PanelKeyOfKeyboard(k) == PanelKey(coil->keyCode)) qtKey = k;
  for (int k = Qt::Key_0; k <= Qt::Key_9; ++k)
    if (PanelKeyOfKeyboard(k) == PanelKey(coil->keyCode)) qtKey = k;
  ASSERT_NE(qtKey, 0);
  w.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));

  auto send = [&](QEvent::Type type, int k, Qt::KeyboardModifiers mods, quint32 scanCode) {
    QKeyEvent event(type, k, mods, scanCode, 0, 0);
    QApplication::sendEvent(&w, &event);
  };
  // Released while Ctrl is down, then pressed and released again.
  send(QEvent::KeyPress, qtKey, Qt::NoModifier, 0);
  EXPECT_EQ(rt.Plc().Get(item), 1u);
  send(QEvent::KeyRelease, qtKey, Qt::ControlModifier, 0);
  EXPECT_EQ(rt.Plc().Get(item), 0u);
  send(QEvent::KeyPress, qtKey, Qt::NoModifier, 0);
  EXPECT_EQ(rt.Plc().Get(item), 1u);
  send(QEvent::KeyRelease, qtKey, Qt::NoModifier, 0);
  EXPECT_EQ(rt.Plc().Get(item), 0u);
  // Released with another key code for the same physical key (Shift made
  // "1" a "!" meanwhile): the scan code tells it is the key held.
  send(QEvent::KeyPress, qtKey, Qt::NoModifier, 42);
  EXPECT_EQ(rt.Plc().Get(item), 1u);
  send(QEvent::KeyRelease, Qt::Key_Exclam, Qt::ShiftModifier, 42);
  EXPECT_EQ(rt.Plc().Get(item), 0u);
}

TEST_F(PreviewTest, AKeypadButtonHeldWhenTheWindowClosesOrTheProjectIsCompiledIsLetGo) {
  PreviewWindow& w = OpenWithMomentaryKey();
  PanelRuntime& rt = w.Runtime();
  const panel::KeyRecord* coil =
      FindKey(rt, [](uint8_t a) { return a == panel::kActionCoilMomentary; });
  ASSERT_NE(coil, nullptr);
  const panel::PlcKey item = coil->binding.key;
  QPushButton* b = w.Keypad()->Button(PanelKey(coil->keyCode));
  QSignalSpy up(w.Keypad(), &PreviewKeypad::KeyUp);
  QTest::mousePress(b, Qt::LeftButton);
  EXPECT_EQ(rt.Plc().Get(item), 1u);
  w.close();
  EXPECT_EQ(rt.Plc().Get(item), 0u);
  EXPECT_FALSE(b->isDown());
  // Opened again, the button is up and works; the late mouse release is no
  // second release.
  QTest::mouseRelease(b, Qt::LeftButton);
  EXPECT_EQ(up.size(), 1);
  OpenPreview();
  QTest::mousePress(b, Qt::LeftButton);
  EXPECT_EQ(rt.Plc().Get(item), 1u);
  QTest::mouseRelease(b, Qt::LeftButton);
  EXPECT_EQ(rt.Plc().Get(item), 0u);
  EXPECT_EQ(up.size(), 2);

  // Held while an edit in the editor is compiled: the new image knows
  // nothing of the key, so it is let go before.
  const int compiles = w.CompileCount();
  QTest::mousePress(b, Qt::LeftButton);
  EXPECT_EQ(rt.Plc().Get(item), 1u);
  Proj().m_settings.m_saverDelay += 1;
  frame->UpdateCommands();
  ASSERT_NO_FATAL_FAILURE(Settle(w));
  ASSERT_TRUE(w.CompileCount() == compiles + 1);
  QTest::mouseRelease(b, Qt::LeftButton);
  EXPECT_EQ(rt.Plc().Get(item), 0u);
}

TEST_F(PreviewTest, AProjectThatDoesNotCompileSaysWhyAndRecovers) {
  NewProject();
  PreviewWindow& w = OpenPreview();
  ASSERT_TRUE(w.Runtime().Ready());
  const int compiles = w.CompileCount();
  for (int i = 0; i < 256; ++i) ASSERT_NE(Proj().PlaceElement(kKindLight, {0, 0}), nullptr);
  View().RepaintDisplay();
  ASSERT_NO_FATAL_FAILURE(Settle(w));
  ASSERT_TRUE(w.CompileCount() == compiles + 1);
  EXPECT_FALSE(w.Runtime().Ready());
  EXPECT_TRUE(w.StatusText().contains(QStringLiteral("1号画面有256个元件")))
      << w.StatusText().toStdString();
  EXPECT_EQ(w.DisplayImage(), CanvasImage(panel::PanelBitmap().ToCanvas(3)));
  // Keys and time on a window with nothing to show change nothing.
  for (PanelKey k : panel::AllPanelKeys()) QTest::mouseClick(w.Keypad()->Button(k), Qt::LeftButton);
  w.Tick(std::chrono::seconds(5));
  EXPECT_EQ(w.Values()->rowCount(), 0);
  // The editor showed no message box for it.
  EXPECT_TRUE(prompter.Messages().empty());

  Proj().ScreenAt(0)->m_elements.resize(10);
  View().RepaintDisplay();
  ASSERT_NO_FATAL_FAILURE(Settle(w));
  ASSERT_TRUE(w.CompileCount() == compiles + 2);
  EXPECT_TRUE(w.Runtime().Ready());
  EXPECT_TRUE(w.StatusText().startsWith(QStringLiteral("画面 1")));
}

TEST(PreviewValueParse, TypedValuesFitTheirItem) {
  const struct {
    const char* text;
    uint8_t width;
    bool ok;
    uint32_t value;
  } cases[] = {
      {"123", 2, true, 123},
      {" -1 ", 2, true, 0xFFFF},
      {"65535", 2, true, 65535},
      {"65536", 2, false, 0},
      {"-32768", 2, true, 0x8000},
      {"-32769", 2, false, 0},
      {"0x1f", 1, true, 31},
      {"256", 1, false, 0},
      {"-2147483648", 4, true, 0x80000000u},
      {"4294967295", 4, true, 0xFFFFFFFFu},
      {"4294967296", 4, false, 0},
      {"1", 0, true, 1},
      {"2", 0, false, 0},
      {"", 2, false, 0},
      {"12x", 2, false, 0},
      {"0x", 2, false, 0},
      // Hexadecimal is the item's bits: a 64-bit pattern is no 16-bit value.
      {"0xFFFFFFFFFFFFFFFF", 2, false, 0},
      {"0xFFFFFFFFFFFFFFFF", 4, false, 0},
      {"0xFFFFFFFF", 4, true, 0xFFFFFFFFu},
  };
  for (const auto& c : cases) {
    uint32_t v = 0;
    EXPECT_EQ(ParsePlcValue(QString::fromLatin1(c.text), c.width, v), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(v, c.value) << c.text;
    }
  }
}

}  // namespace
}  // namespace tavo::test

#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/Commands.h"
#include "app/MainFrame.h"
#include "app/MainView.h"
#include "plc/ProtocolFiles.h"
#include "support/ScriptedPrompter.h"

namespace tavo::test {

// Acts on the next modal dialog of type D as soon as it is shown: `act` fills
// it in and closes it. A dialog that never appears fails the test after a few
// seconds; the caller's own wait ends because the trigger returns.
template <typename D>
void OnNextDialog(std::function<void(D*)> act, int timeoutMs = 5000) {
  auto* timer = new QTimer;
  auto* clock = new QElapsedTimer;
  clock->start();
  QObject::connect(timer, &QTimer::timeout, [timer, clock, act, timeoutMs] {
    QWidget* modal = QApplication::activeModalWidget();
    if (D* dialog = qobject_cast<D*>(modal)) {
      timer->stop();
      act(dialog);
    } else if (clock->elapsed() > timeoutMs) {
      timer->stop();
      ADD_FAILURE() << "expected dialog did not appear";
      if (modal) modal->close();
    } else {
      return;
    }
    timer->deleteLater();
    delete clock;
  });
  timer->start(5);
}

// A main window on the offscreen platform with a scripted prompter and a
// private settings file.
class EditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    settings = std::make_unique<QSettings>(dir.filePath("user.ini"), QSettings::IniFormat);
    // The build's protocol file, and an "In.dat" of the test's own.
    CurrentProtocolFiles() =
        ProtocolFiles(ProtocolFilePath(), dir.filePath("In.dat").toStdString());
    frame = std::make_unique<app::MainFrame>(settings.get());
    ASSERT_TRUE(frame->Create(false));
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
  }
  void TearDown() override { frame.reset(); }

  app::MainView& View() { return *frame->View(); }
  Project& Proj() { return frame->CurrentProject(); }
  // "新建工程" with the PLC choice the prompter proposes.
  void NewProject() {
    frame->Execute(app::kCmdNewProject);
    ASSERT_TRUE(Proj().HasProject());
  }

  ScriptedPrompter prompter;
  QTemporaryDir dir;
  std::unique_ptr<QSettings> settings;
  std::unique_ptr<app::MainFrame> frame;
};

// The window active and a new project open: the keyboard focus moves as it
// does for a user (leaving a page's control ends its undo step, keys reach
// the control that has the focus).
class ActiveEditorTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    NewProject();
  }
};

}  // namespace tavo::test

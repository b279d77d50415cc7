#pragma once

// The property area on the offscreen platform, with the helpers the widget
// tests drive it with.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QRadioButton>
#include <QTest>

#include "app/pages/PageArea.h"
#include "app/pages/PageWidgets.h"
#include "model/PageHooks.h"
#include "model/Screen.h"
#include "pages/PageTestSupport.h"

namespace tavo::pagetest {

using namespace tavo::app;

class PageWidgetTest : public ::testing::Test {
 protected:
  PageWidgetTest() : protocol_(3) {
    area.resize(512, 230);
    area.SetScreenSource([this] { return &screen; });
    area.SetEnv(rec.env);
    SetPageHooks(&area);
    area.show();
  }
  ~PageWidgetTest() override { SetPageHooks(nullptr); }

  // Places an element of the kind as a click on the display does.
  template <class T>
  T* Place(uint8_t kind, Point at = {0, 0}) {
    return static_cast<T*>(screen.AddElement(kind, at));
  }
  template <class W>
  W* Find(const char* id) const {
    for (W* w : area.Current()->findChildren<W*>(QString::fromLatin1(id)))
      if (!w->isHidden()) return w;
    return area.Current()->findChild<W*>(QString::fromLatin1(id));
  }
  // Types characters one key press each (Chinese ones too).
  static void Keys(QWidget* w, const QString& text) {
    for (QChar c : text) {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
      QApplication::sendEvent(w, &press);
    }
  }
  // Types into a box: selects what it holds, then the keys one by one.
  void TypeInto(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    Keys(edit, text);
    Settle();
  }
  void Click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    Settle();
  }
  void Choose(QComboBox* combo, int index) {
    combo->setFocus();
    while (combo->currentIndex() < index) QTest::keyClick(combo, Qt::Key_Down);
    while (combo->currentIndex() > index) QTest::keyClick(combo, Qt::Key_Up);
    Settle();
  }
  // Lets the idle pass run.
  void Settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  }

  ProfileScope protocol_;
  RecordingEnv rec;
  CMainView screen{1, "screen"};
  PageArea area;
};

}  // namespace tavo::pagetest

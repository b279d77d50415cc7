// The keyboard on the pages and their grids as a user meets it: refused
// keystrokes, Up and Down in number boxes, Return and Tab in grid cells, the
// focus ending an edit session, and a page that corrects a stored value as it
// loads.
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>

#include "PageWidgetFixture.h"
#include "app/pages/SettingsDialogs.h"
#include "base/Gbk.h"
#include "elements/Chars.h"
#include "elements/Dynamic.h"
#include "elements/Function.h"
#include "elements/Register.h"
#include "model/Project.h"

namespace tavo::pagetest {
namespace {

TEST_F(PageWidgetTest, ARefusedKeystrokePutsTextCursorAndSelectionBack) {
  auto* text = Place<CChars>(kKindText);
  auto* edit = Find<CBindEdit>("c1086");
  TypeInto(edit, QStringLiteral("中文字ABCDEFGHIJKLMNOPQR"));  // 24 bytes
  ASSERT_EQ(text->m_text.size(), 24u);
  QTest::keyClick(edit, Qt::Key_S);
  EXPECT_EQ(edit->cursorPosition(), edit->text().size());
  Settle();  // keys already waiting behind a refused one are dropped
  QTest::keyClick(edit, Qt::Key_Backspace);
  EXPECT_EQ(edit->text(), QStringLiteral("中文字ABCDEFGHIJKLMNOPQ"));
  // In the middle and over a selection: both come back.
  QTest::keyClick(edit, Qt::Key_T);  // 24 bytes again
  Settle();
  edit->setCursorPosition(5);
  QTest::keyClick(edit, Qt::Key_X);  // refused
  EXPECT_EQ(edit->cursorPosition(), 5);
  Settle();
  edit->setSelection(6, 1);
  Keys(edit, QStringLiteral("中"));  // two bytes for one: refused
  EXPECT_EQ(edit->selectionStart(), 6);
  EXPECT_EQ(edit->selectedText(), QStringLiteral("D"));
  EXPECT_EQ(edit->text(), QStringLiteral("中文字ABCDEFGHIJKLMNOPQt"));
}

TEST_F(PageWidgetTest, NumberBoxesStepWithUpAndDownAndRefuseAZeroBelowTheirMinimum) {
  auto* key = Place<CFunction>(kKindKey);
  Click(Find<QRadioButton>("c1113"));  // "画面跳转"
  auto* number = Find<CNumEdit>("c1129");
  number->setFocus();
  number->selectAll();
  Keys(number, QStringLiteral("0"));
  Settle();
  EXPECT_EQ(number->text(), QStringLiteral("1"));
  EXPECT_EQ(number->selectedText(), QStringLiteral("1"));
  EXPECT_EQ(key->m_screenNo, 1);
  QTest::keyClick(number, Qt::Key_Up);
  QTest::keyClick(number, Qt::Key_Up);
  EXPECT_EQ(key->m_screenNo, 3);
  EXPECT_EQ(number->text(), QStringLiteral("3"));
  for (int i = 0; i < 5; ++i) QTest::keyClick(number, Qt::Key_Down);
  EXPECT_EQ(key->m_screenNo, 1);  // the range's minimum
}

TEST_F(PageWidgetTest, TheFocusLeavingAControlEndsItsSession) {
  auto* reg = Place<CRegister>(kKindRegister);
  reg->m_decimals = 5;
  area.LoadPage(*reg);
  QSignalSpy began(&area, &PageArea::EditBegan);
  QSignalSpy ended(&area, &PageArea::EditEnded);
  TypeInto(Find<CNumEdit>("c1085"), QStringLiteral("1"));
  EXPECT_EQ(reg->m_decimals, 1);
  EXPECT_EQ(began.count(), 1);
  Find<CNumEdit>("c1086")->setFocus();
  Settle();
  EXPECT_EQ(ended.count(), 1);
  // The two mode buttons are one control: HEX/BCD and back is one session.
  Click(Find<QRadioButton>("c1131"));
  Click(Find<QRadioButton>("c1130"));
  EXPECT_EQ(began.count(), 2);
  EXPECT_EQ(ended.count(), 1);
  TypeInto(Find<CNumEdit>("c1085"), QStringLiteral("10"));
  EXPECT_EQ(reg->m_decimals, 1);  // the new session starts from 1
}

TEST_F(PageWidgetTest, LoadingAPageThatCorrectsAStoredValueSaysSo) {
  QSignalSpy corrected(&area, &PageArea::LoadCorrected);
  auto* reg = Place<CRegister>(kKindRegister);
  ASSERT_EQ(corrected.count(), 0);
  const int modifiedBefore = rec.modified;
  reg->m_signed = 1;
  reg->m_engHigh = 65535;  // past 32767, the top of a signed word
  area.LoadPage(*reg);
  EXPECT_EQ(reg->m_engHigh, 32767);
  ASSERT_EQ(corrected.count(), 1);
  EXPECT_EQ(corrected.at(0).at(0).toString(), PageArea::CorrectionMessage());
  EXPECT_GT(rec.modified, modifiedBefore);
  area.LoadPage(*reg);  // nothing left to correct
  EXPECT_EQ(corrected.count(), 1);
}

TEST_F(PageWidgetTest, ReturnInADynamicTextCellGoesOnToTheNextRow) {
  auto* dyn = Place<CDynamic>(kKindDynamic);
  auto* page = static_cast<DynamicPage*>(area.Current());
  page->OpenCell(0, DynamicPageLogic::kTextColumn);
  auto* text = page->Grid()->viewport()->findChild<CBindEdit*>("c1080");
  Keys(text, QStringLiteral("甲"));
  QTest::keyClick(text, Qt::Key_Return);
  Settle();
  EXPECT_EQ(page->Page().EditRow(), 1);
  EXPECT_TRUE(text->isVisible());
  EXPECT_TRUE(text->hasFocus());
  QTest::keyClick(text, Qt::Key_Tab);
  Settle();
  EXPECT_EQ(page->Page().EditRow(), 2);
  EXPECT_EQ(dyn->m_texts[0], G("甲"));  // the opened cell's text was selected
}

TEST(AlarmListKeys, ReturnAndTabMoveThroughTheRowsAndOnlyTheButtonsClose) {
  ProfileScope protocol(2);
  Project project;
  AlarmListDialog dialog;
  dialog.Open(project);
  dialog.show();
  dialog.OpenCell(0);
  auto* cell = dialog.findChild<CBindEdit*>("cell");
  QTest::keyClicks(cell, "A");
  QTest::keyClick(cell, Qt::Key_Return);
  QCoreApplication::processEvents();
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), 0);
  EXPECT_EQ(dialog.Form().EditRow(), 1);
  QTest::keyClicks(cell, "B");
  QTest::keyClick(cell, Qt::Key_Tab);
  QCoreApplication::processEvents();
  EXPECT_EQ(dialog.Form().EditRow(), 2);
  QTest::keyClick(cell, Qt::Key_Escape);
  QTest::keyClick(dialog.Grid(), Qt::Key_Return);  // opens the current row
  QCoreApplication::processEvents();
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(dialog.Form().List().m_alarmTexts, (std::vector<std::string>{"A", "B"}));
  QTest::mouseClick(dialog.findChild<QPushButton*>("ok"), Qt::LeftButton);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace tavo::pagetest

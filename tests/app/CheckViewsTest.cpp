#include <QAbstractItemModel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTableWidget>
#include <fstream>
#include <iterator>

#include "EditorFixture.h"
#include "app/BudgetGauge.h"
#include "app/CrossReferenceWindow.h"
#include "app/FindingsDock.h"
#include "app/ProjectChecker.h"
#include "download/LinkConstants.h"
#include "e2e/PanelProcess.h"
#include "elements/Function.h"
#include "elements/Register.h"
#include "support/TempDir.h"

namespace tavo::test {
namespace {

using namespace std::chrono_literals;
using app::BudgetGauge;
using app::kCmdCrossReference;
using app::kCmdFindings;

// Points of the simulated display, in view pixels.
const QPoint kLeftTop(270, 50);
const QPoint kRightBottom(560, 150);

class CheckViewsTest : public EditorTest {
 protected:
  app::ProjectChecker& Checker() { return *frame->Checker(); }
  void WaitForCheck() {
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Checker().RefreshPending(); }, 5000));
  }
  // A key placed with the mouse: every key starts on the same key index, so
  // the second one is the same key twice.
  void PlaceKeyAt(QPoint at) {
    frame->Execute(app::kCmdKey);
    QTest::mouseClick(&View(), Qt::LeftButton, {}, at);
  }
  QAbstractItemModel& Rows() { return *frame->Findings()->Table()->model(); }
  // The first row of the findings list with `code`, or -1.
  int RowOf(const QString& code) {
    for (int r = 0; r < Rows().rowCount(); ++r)
      if (Rows().index(r, 1).data().toString() == code) return r;
    return -1;
  }
  void DoubleClick(QTableView* table, int row) {
    const QRect cell = table->visualRect(table->model()->index(row, 4));
    // What a real double click sends: press, release, double click, release.
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseRelease(table->viewport(), Qt::LeftButton, {}, cell.center());
  }
};

TEST_F(CheckViewsTest, FindingsFollowAnEditOnceTheEditsStop) {
  NewProject();
  WaitForCheck();
  const int checks = Checker().CheckCount();
  EXPECT_EQ(RowOf("duplicate-key"), -1);

  PlaceKeyAt(kLeftTop);
  PlaceKeyAt(kRightBottom);
  // Nothing is checked while the edits come; the list still shows the old state.
  EXPECT_TRUE(Checker().RefreshPending());
  EXPECT_EQ(Checker().CheckCount(), checks);
  EXPECT_EQ(RowOf("duplicate-key"), -1);
  WaitForCheck();
  EXPECT_EQ(Checker().CheckCount(), checks + 1);
  // Errors first, though the project-wide warning comes first in the project's order.
  const int row = RowOf("duplicate-key");
  ASSERT_EQ(row, 0);
  EXPECT_GE(RowOf("alarm-list-empty"), 1);
  EXPECT_EQ(Rows().index(row, 0).data().toString(), QStringLiteral("错误"));
  EXPECT_EQ(Rows().index(row, 2).data().toInt(), 1);
  EXPECT_TRUE(frame->Findings()->Summary().startsWith(QStringLiteral("1 个错误")));

  // A repaint or a command that changes nothing checks nothing again.
  View().RepaintDisplay();
  frame->UpdateCommands();
  WaitForCheck();
  EXPECT_EQ(Checker().CheckCount(), checks + 1);

  // Undo takes the second key back, and the finding goes with it.
  frame->Execute(app::kCmdUndo);
  WaitForCheck();
  EXPECT_EQ(RowOf("duplicate-key"), -1);
}

TEST_F(CheckViewsTest, DoubleClickSelectsTheScreenAndBringsTheElementToTheFront) {
  NewProject();
  ASSERT_TRUE(Proj().NewScreen(2, ""));
  // Three keys on screen 2: the two older ones are each the newest's twin.
  for (Point at : {Point{0, 0}, Point{60, 0}, Point{120, 0}}) Proj().PlaceElement(kKindKey, at);
  CMainView& second = *Proj().CurrentScreen();
  const CBase* middle = second.m_elements[1].get();
  const CBase* oldest = second.m_elements[2].get();
  ASSERT_TRUE(Proj().SelectScreen(0));
  View().RefreshScreenList();
  frame->Execute(kCmdFindings);
  ASSERT_FALSE(frame->Findings()->isHidden());
  WaitForCheck();
  std::vector<int> rows;
  for (int r = 0; r < Rows().rowCount(); ++r)
    if (Rows().index(r, 1).data().toString() == "duplicate-key") rows.push_back(r);
  ASSERT_EQ(rows.size(), 2u);

  DoubleClick(frame->Findings()->Table(), rows[0]);
  EXPECT_EQ(Proj().CurrentScreen(), &second);
  EXPECT_EQ(View().ScreenList()->currentRow(), 1);
  EXPECT_EQ(Proj().SelectedElement(), middle);
  EXPECT_EQ(second.Head(), middle);
  // The list still holds the order before the click; the element of the
  // other row is found where it went.
  ASSERT_TRUE(Checker().RefreshPending());
  DoubleClick(frame->Findings()->Table(), rows[1]);
  EXPECT_EQ(Proj().SelectedElement(), oldest);
  EXPECT_EQ(second.ElementCount(), 3u);
}

TEST_F(CheckViewsTest, ADockedListGrowsTheWindowAndLeavesTheViewItsSize) {
  const QSize view = View().size(), window = frame->size();
  frame->Execute(kCmdFindings);
  EXPECT_TRUE(frame->Action(kCmdFindings)->isChecked());
  QTest::qWait(20);
  EXPECT_EQ(View().size(), view);
  EXPECT_GT(frame->height(), window.height());
  frame->addDockWidget(Qt::RightDockWidgetArea, frame->Findings());
  QTest::qWait(20);
  EXPECT_EQ(View().size(), view);
  EXPECT_EQ(frame->height(), window.height());
  EXPECT_GT(frame->width(), window.width());
  frame->Findings()->setFloating(true);
  EXPECT_EQ(frame->size(), window);
  frame->Findings()->setFloating(false);
  frame->Execute(kCmdFindings);
  EXPECT_FALSE(frame->Action(kCmdFindings)->isChecked());
  EXPECT_EQ(frame->size(), window);
  EXPECT_EQ(View().size(), view);
}

ImageBudget BudgetOf(size_t total) {
  ImageBudget b;
  b.parts.records = total;
  return b;
}

TEST_F(CheckViewsTest, TheGaugeNamesTheBytesAndWarnsNearTheLimit) {
  BudgetGauge gauge;
  struct Case {
    size_t total;
    const char* text;
    BudgetLevel level;
  };
  // 95 % of 32,767 is 31,128.65: the warning starts at 31,129.
  for (const Case& c : {Case{31128, "画面数据 31,128 / 32,767 字节", BudgetLevel::kFits},
                        Case{31129, "画面数据 31,129 / 32,767 字节", BudgetLevel::kNearLimit},
                        Case{32767, "画面数据 32,767 / 32,767 字节", BudgetLevel::kNearLimit},
                        Case{32768, "画面数据 32,768 / 32,767 字节", BudgetLevel::kOverLimit}}) {
    SCOPED_TRACE(c.total);
    gauge.SetBudget(BudgetOf(c.total));
    EXPECT_EQ(gauge.Text(), QString::fromUtf8(c.text));
    EXPECT_EQ(gauge.Level(), c.level);
    gauge.resize(gauge.sizeHint());
    const QImage shot = gauge.grab().toImage();
    // The bar's colour at its left end; the three colours differ.
    EXPECT_EQ(shot.pixelColor(gauge.contentsRect().left() + 1, gauge.height() / 2),
              BudgetGauge::LevelColor(c.level));
  }
  EXPECT_NE(BudgetGauge::LevelColor(BudgetLevel::kFits),
            BudgetGauge::LevelColor(BudgetLevel::kNearLimit));
  EXPECT_NE(BudgetGauge::LevelColor(BudgetLevel::kNearLimit),
            BudgetGauge::LevelColor(BudgetLevel::kOverLimit));
  EXPECT_TRUE(gauge.toolTip().startsWith(QStringLiteral("超出上限 1 字节")));
  gauge.SetBudget(std::nullopt);
  EXPECT_TRUE(gauge.isHidden());
}

TEST_F(CheckViewsTest, TheStatusBarShowsTheBudgetOfTheOpenProject) {
  EXPECT_TRUE(frame->Gauge()->isHidden());
  NewProject();
  WaitForCheck();
  ASSERT_FALSE(frame->Gauge()->isHidden());
  EXPECT_EQ(frame->Gauge()->Text(),
            QStringLiteral("画面数据 %1 / 32,767 字节")
                .arg(QString::fromStdString(GroupedNumber(Checker().Budget().Total()))));
  EXPECT_EQ(frame->Gauge()->Level(), BudgetLevel::kFits);
  // A click on the gauge opens the list.
  QTest::mouseClick(frame->Gauge(), Qt::LeftButton);
  EXPECT_FALSE(frame->Findings()->isHidden());
}

class CrossReferenceTest : public CheckViewsTest {
 protected:
  // Registers at the given addresses on screen 1, then the window.
  app::CrossReferenceWindow& Open(std::initializer_list<uint16_t> addresses) {
    NewProject();
    int x = 0;
    for (uint16_t a : addresses) {
      auto* reg = dynamic_cast<CRegister*>(Proj().PlaceElement(kKindRegister, {x, 0}));
      reg->m_addr = a;
      x += 45;
    }
    frame->Execute(kCmdCrossReference);
    return *frame->CrossReference();
  }
  // The address column of every row shown.
  static QStringList Addresses(app::CrossReferenceWindow& w) {
    QStringList out;
    for (int r = 0; r < w.Table()->model()->rowCount(); ++r)
      out << w.Table()->model()->index(r, 0).data().toString();
    return out;
  }
};

TEST_F(CrossReferenceTest, TheFilterKeepsTheAddressesThatHoldItsText) {
  app::CrossReferenceWindow& w = Open({250, 100, 1000});
  ASSERT_TRUE(w.isVisible());
  const QStringList all = Addresses(w);
  ASSERT_EQ(all.size(), 3);
  // Sorted by address, whatever the order on the screen.
  EXPECT_TRUE(all[0].endsWith("100") && all[1].endsWith("250") && all[2].endsWith("1000"));
  w.Filter()->setText(all[0]);  // "D100" holds in "D1000" too
  EXPECT_EQ(Addresses(w), QStringList({all[0], all[2]}));
  EXPECT_EQ(w.CountText(), QStringLiteral("共 3 处，显示 2 处"));
  // The filter stays when the project changes.
  Proj().PlaceElement(kKindRegister, {0, 30});
  frame->UpdateCommands();
  WaitForCheck();
  EXPECT_EQ(w.CountText(), QStringLiteral("共 4 处，显示 2 处"));
  w.Filter()->setText("no such address");
  EXPECT_EQ(w.Table()->model()->rowCount(), 0);
  // Closed, the window is not kept up to date; opened again, it is.
  w.close();
  Proj().PlaceElement(kKindRegister, {0, 45});
  frame->UpdateCommands();
  WaitForCheck();
  w.Filter()->clear();
  frame->Execute(kCmdCrossReference);
  EXPECT_EQ(w.CountText(), QStringLiteral("共 5 处，显示 5 处"));
}

TEST_F(CrossReferenceTest, ExportWritesTheRowsShownAsCsv) {
  app::CrossReferenceWindow& w = Open({250, 100});
  w.Filter()->setText(Addresses(w)[1]);
  const QString path = dir.filePath("uses.csv");
  QString proposed;
  frame->Choosers().csvSave = [&](const QString& p) {
    proposed = p;
    return path;
  };
  w.ExportButton()->click();
  EXPECT_EQ(proposed, QStringLiteral("地址交叉引用.csv"));  // the project has no file yet
  std::ifstream in(path.toStdString(), std::ios::binary);
  const std::string csv((std::istreambuf_iterator<char>(in)), {});
  EXPECT_EQ(csv, XrefToCsv(w.ShownEntries()));
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 2);  // header and one row
  EXPECT_TRUE(prompter.Messages().empty());

  // A file that cannot be written says so and leaves nothing behind.
  EXPECT_FALSE(w.ExportCsv(dir.filePath("missing/uses.csv")));
  EXPECT_EQ(prompter.Messages(), std::vector<std::string>({"保存文档失败。"}));
}

TEST_F(CrossReferenceTest, DoubleClickShowsTheElementThatUsesTheAddress) {
  app::CrossReferenceWindow& w = Open({250, 100});
  const CBase* first = Proj().CurrentScreen()->m_elements[1].get();  // address 250
  DoubleClick(w.Table(), 1);
  EXPECT_EQ(Proj().SelectedElement(), first);
}

class DownloadCheckTest : public CheckViewsTest {
 protected:
  std::vector<uint8_t> PanelMemory(PanelProcess& panel, const std::string& path) {
    // The panel writes the whole file under another name, then renames it.
    std::remove(path.c_str());
    panel.Signal(SIGUSR1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return std::ifstream(path).good(); }, 5000));
    return ReadBytes(path);
  }
};

TEST_F(DownloadCheckTest, AProjectWithErrorsIsSentOnlyAfterTheUserAgrees) {
  NewProject();
  Proj().PlaceElement(kKindKey, {0, 0});
  Proj().PlaceElement(kKindKey, {60, 0});  // the same key twice
  const std::string memory = dir.filePath("panel.bin").toStdString();
  PanelProcess panel;
  const auto device = panel.StartForDownload(memory);
  ASSERT_TRUE(device);
  frame->SetDownloadDevicePath(QString::fromStdString(*device));

  prompter.answers = {Answer::Cancel};
  frame->Execute(app::kCmdDownload);
  ASSERT_EQ(prompter.said.size(), 2u);  // the PLC choice, then the question
  EXPECT_EQ(prompter.said[1].kind, "okcancel");
  EXPECT_EQ(prompter.said[1].caption, "下载画面数据");
  EXPECT_EQ(prompter.said[1].text.rfind("工程检查发现1个错误：\n画面1 元件2 ", 0), 0u)
      << prompter.said[1].text;
  EXPECT_FALSE(frame->Findings()->isHidden());
  // Nothing reached the panel.
  const std::vector<uint8_t> untouched = PanelMemory(panel, memory);
  ASSERT_EQ(untouched.size(), size_t{link::kPanelMemorySize});
  EXPECT_NE(untouched[0x8000], 0x5A);

  prompter.answers = {Answer::Ok};
  frame->Execute(app::kCmdDownload);
  ASSERT_FALSE(prompter.Messages().empty());
  EXPECT_EQ(prompter.Messages().back().rfind("下载完成!", 0), 0u) << prompter.Messages().back();
  ASSERT_TRUE(panel.WaitExit(10s).has_value());
}

TEST_F(DownloadCheckTest, AProjectWithoutErrorsIsNotAskedAbout) {
  NewProject();
  frame->SetDownloadDevicePath("/nonexistent/tty");
  frame->Execute(app::kCmdDownload);
  for (const auto& s : prompter.said) EXPECT_EQ(s.text.find("工程检查发现"), std::string::npos);
  EXPECT_EQ(prompter.Messages().back(), "无法打开通信口/nonexistent/tty!");
}

}  // namespace
}  // namespace tavo::test

// The layout of every property page and settings dialog, for every protocol
// and every register type a page offers: no two visible controls side by side
// overlap, no caption is cut, every number box shows its longest value whole
// and every list its longest entry.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>
#include <set>

#include "EnglishScope.h"
#include "LayoutCheck.h"
#include "app/pages/PageArea.h"
#include "app/pages/PageWidgets.h"
#include "app/pages/SettingsDialogs.h"
#include "base/Gbk.h"
#include "elements/Dynamic.h"
#include "elements/Function.h"
#include "model/PageHooks.h"
#include "model/Project.h"
#include "model/Screen.h"
#include "pages/PageTestSupport.h"

namespace tavo::pagetest {
namespace {

using namespace tavo::app;

using test::CheckLayout;

void Report(const std::set<QString>& faults) {
  test::ReportLayoutFaults(faults);
}

// How many register types the page of an element offers under the profile.
size_t TypeCount(const ProtocolProfile& profile, uint8_t kind, const CBase& e) {
  if (kind == kKindLight) return TypeList(profile, kUseBitRead).size();
  if (kind != kKindKey) return TypeList(profile, kUseWord).size();
  const auto& key = static_cast<const CFunction&>(e);
  switch (key.m_action) {
    case kActionSetCoil:
      return TypeList(profile, kUseBitWrite).size();
    case kActionSetRegister:
      return TypeList(profile, kUseWord).size();
    case kActionRecipe:
      return profile.m_wordWriteTypes.size();
    default:
      return 1;
  }
}

void CheckEveryPageForEveryProtocolAndType() {
  CMainView screen{1, "screen"};
  RecordingEnv rec;
  PageArea area;
  area.resize(512, 230);
  area.SetScreenSource([&] { return &screen; });
  area.SetEnv(rec.env);
  SetPageHooks(&area);
  area.show();
  std::set<QString> faults;
  for (uint8_t p = 1; p <= 36; ++p) {
    ProfileScope protocol(p);
    const ProtocolProfile& profile = CurrentProfile();
    area.ShowScreenPage();
    CheckLayout(area.Current(), "screen page", faults);
    for (uint8_t kind = kKindText; kind <= kKindDynamic; ++kind) {
      const int actions = kind == kKindKey ? 4 : 1;
      for (int action = 0; action < actions; ++action) {
        CBase* e = screen.AddElement(kind, {0, 0});
        if (kind == kKindKey) static_cast<CFunction*>(e)->m_action = static_cast<uint8_t>(action);
        const size_t types = std::max<size_t>(TypeCount(profile, kind, *e), 1);
        for (size_t t = 0; t < types; ++t) {
          e->m_regType = static_cast<uint8_t>(t);
          area.LoadPage(*e);
          area.ShowPage(*e);
          const QString where = QStringLiteral("protocol %1 %2 action %3 type %4")
                                    .arg(p)
                                    .arg(area.ShownPage())
                                    .arg(action)
                                    .arg(t);
          CheckLayout(area.Current(), where, faults);
        }
        screen.DeleteSelected();
      }
    }
  }
  SetPageHooks(nullptr);
  Report(faults);
}

TEST(PageGeometry, EveryPageForEveryProtocolAndType) {
  CheckEveryPageForEveryProtocolAndType();
}

// The English captions are longer: the same pages hold them.
TEST(PageGeometry, EveryPageInEnglish) {
  test::EnglishScope english;
  CheckEveryPageForEveryProtocolAndType();
}

// The rightmost column of a cell's picture that holds a dark (text) pixel,
// relative to the cell; -1 when none.
int LastInkColumn(const QImage& grid, const QRect& cell) {
  int last = -1;
  for (int x = cell.left(); x <= cell.right(); ++x)
    for (int y = cell.top() + 1; y < cell.bottom(); ++y)
      if (qGray(grid.pixel(x, y)) < 128) last = x - cell.left();
  return last;
}

TEST(PageGeometry, TheDynamicTextGridShowsItsValuesAndTextsWhole) {
  CMainView screen{1, "screen"};
  RecordingEnv rec;
  PageArea area;
  area.resize(512, 230);
  area.SetScreenSource([&] { return &screen; });
  area.SetEnv(rec.env);
  SetPageHooks(&area);
  area.show();
  ProfileScope protocol(3);
  auto* dyn = static_cast<CDynamic*>(screen.AddElement(kKindDynamic, {0, 0}));
  // 24 bytes each: 24 wide capitals, 12 Chinese characters.
  dyn->m_texts[0] = std::string(24, 'W');
  dyn->m_texts[1] = G("温度压力流量液位报警停止");
  dyn->m_valueTexts[0] = "-32768";
  area.LoadPage(*dyn);
  QCoreApplication::processEvents();
  auto* page = static_cast<DynamicPage*>(area.Current());
  QTableWidget* grid = page->Grid();
  grid->clearSelection();
  const QFontMetrics fm = grid->fontMetrics();
  const int cellMargin = 2 * grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 2;
  EXPECT_GE(grid->columnWidth(0), fm.horizontalAdvance(QStringLiteral("-32768")) + cellMargin);
  EXPECT_GE(grid->columnWidth(1), 8 * 24);
  EXPECT_LE(grid->columnWidth(0) + grid->columnWidth(1), grid->viewport()->width());
  EXPECT_FALSE(grid->horizontalScrollBar()->isVisible());
  // Drawn, both texts end inside their cell after 23 characters' width.
  const QImage shot = grid->viewport()->grab().toImage();
  for (int row : {0, 1}) {
    const QRect cell = grid->visualItemRect(grid->item(row, 1));
    const int last = LastInkColumn(shot, cell);
    EXPECT_GE(last, 8 * 23) << "row " << row;
    EXPECT_LT(last, cell.width() - 1) << "row " << row;
  }
  SetPageHooks(nullptr);
}

void CheckTheSettingsDialogsForEveryProtocol() {
  std::set<QString> faults;
  for (uint8_t p = 1; p <= 36; ++p) {
    ProfileScope protocol(p);
    Project project;
    PanelSettingsDialog settings;
    settings.Open(project);
    for (auto* check : settings.findChildren<CBindCheck*>())
      if (check->isEnabled()) check->click();  // every hint shown
    settings.show();
    CheckLayout(&settings, QStringLiteral("protocol %1 settings").arg(p), faults);
    const size_t types = std::max<size_t>(CurrentProfile().m_alarmBitTypes.size(), 1);
    for (size_t t = 0; t < types; ++t) {
      project.m_alarmList.m_regType = static_cast<uint8_t>(t);
      project.m_alarmList.m_alarmTexts.assign(40, "x");
      AlarmListDialog alarms;
      alarms.Open(project);
      alarms.show();
      const QString where = QStringLiteral("protocol %1 alarm list type %2").arg(p).arg(t);
      CheckLayout(&alarms, where, faults);
      QTableWidget* grid = alarms.Grid();
      for (int r = 0; r < grid->rowCount(); ++r)
        if (grid->fontMetrics().horizontalAdvance(grid->item(r, 0)->text()) + 6 >
            grid->columnWidth(0))
          faults.insert(where + ": coil label " + grid->item(r, 0)->text() + " is cut");
    }
  }
  Report(faults);
}

TEST(PageGeometry, TheSettingsDialogsForEveryProtocol) {
  CheckTheSettingsDialogsForEveryProtocol();
}

TEST(PageGeometry, TheSettingsDialogsInEnglish) {
  test::EnglishScope english;
  CheckTheSettingsDialogsForEveryProtocol();
}

}  // namespace
}  // namespace tavo::pagetest

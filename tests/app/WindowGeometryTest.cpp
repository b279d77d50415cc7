// The editor's windows besides the property pages, in both languages: the
// dialogs of the menus and the toolbar, the cross-reference window, the
// preview's link controls and value table, and the status bar. Each shows its
// texts whole and in the editor's language.
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableView>
#include <functional>
#include <set>

#include "EditorFixture.h"
#include "EnglishScope.h"
#include "LayoutCheck.h"
#include "app/AboutDialog.h"
#include "app/BudgetGauge.h"
#include "app/ComPortDialog.h"
#include "app/CrossReferenceWindow.h"
#include "app/DownloadDialog.h"
#include "app/ImportDialog.h"
#include "app/PlcDialog.h"
#include "app/PreviewLink.h"
#include "app/PreviewValues.h"
#include "app/PreviewWindow.h"
#include "app/ProjectChecker.h"
#include "app/QtPrompter.h"
#include "app/ScreenDialogs.h"
#include "app/pages/PageArea.h"
#include "download/TermiosPort.h"
#include "plc/Catalogue.h"
#include "plc/ProtocolFiles.h"

namespace tavo::test {
namespace {

using namespace tavo::app;

// Runs `check` with the editor in Chinese, then in English; `lang` names the
// language in the faults.
void InBothLanguages(const std::function<void(const QString& lang)>& check) {
  check(QStringLiteral("zh"));
  EnglishScope english;
  check(QStringLiteral("en"));
}

bool HoldsChinese(const QString& text) {
  for (const QChar c : text)
    if (c.script() == QChar::Script_Han) return true;
  return false;
}

void Shown(QWidget& w) {
  w.show();
  QCoreApplication::processEvents();
}

class WindowGeometryTest : public EditorTest {
 protected:
  void OpenExample() {
    const QString path = QStringLiteral(TAVO_SOURCE_DIR "/examples/all-elements.orx");
    ASSERT_EQ(frame->OpenDocumentFile(path), OpenResult::Opened);
  }
};

TEST_F(WindowGeometryTest, TheSmallDialogsShowTheirTextsWhole) {
  std::set<QString> faults;
  InBothLanguages([&](const QString& lang) {
    NewScreenDialog add(65534, {}, frame.get());
    Shown(add);
    CheckLayout(&add, lang + " new screen", faults);
    CopyScreenDialog copy(65535, frame.get());
    Shown(copy);
    CheckLayout(&copy, lang + " copy screen", faults);
    AboutDialog about(frame.get());
    Shown(about);
    CheckLayout(&about, lang + " about", faults);
    ComPortDialog port({QStringLiteral("/dev/ttyS0"), QStringLiteral("/dev/ttyUSB0")}, 1, {},
                       frame.get());
    Shown(port);
    CheckLayout(&port, lang + " port", faults);
    // The import dialog with the text it shows while it converts.
    ImportDialog import(frame.get());
    Shown(import);
    for (QLabel* label : import.findChildren<QLabel*>())
      label->setText(QCoreApplication::translate("tavo::app::ImportDialog",
                                                 "正在转换旧的工程数据..........."));
    CheckLayout(&import, lang + " import", faults);
    link::TermiosPort none("/nonexistent/tty");
    DownloadDialog download(none, {}, frame.get());
    Shown(download);
    CheckLayout(&download, lang + " download", faults);
  });
  ReportLayoutFaults(faults);
}

TEST_F(WindowGeometryTest, AboutNamesTheProgramInTheEditorsLanguage) {
  InBothLanguages([&](const QString& lang) {
    AboutDialog about(frame.get());
    EXPECT_TRUE(about.windowTitle().endsWith(AppTitle())) << lang.toStdString();
    for (QLabel* label : about.findChildren<QLabel*>())
      if (!label->text().isEmpty()) {
        EXPECT_TRUE(label->text().startsWith(AppTitle())) << label->text().toStdString();
        EXPECT_EQ(HoldsChinese(label->text()), lang == "zh") << label->text().toStdString();
      }
  });
}

// Every protocol the build's protocol file offers, its lists and fields.
TEST_F(WindowGeometryTest, ThePlcDialogForEveryProtocol) {
  const std::vector<uint8_t>& available = CurrentProtocolFiles().m_available;
  ASSERT_GE(available.size(), 36u);
  std::set<QString> faults;
  InBothLanguages([&](const QString& lang) {
    PlcChoice first;
    first.protocol = available.front();
    PlcDialog dialog(available, first, frame.get());
    Shown(dialog);
    QComboBox* names = dialog.Protocols();
    ASSERT_EQ(names->count(), static_cast<int>(available.size()));
    for (int i = 0; i < names->count(); ++i) {
      EXPECT_EQ(names->itemText(i).toStdString(),
                ProtocolName(available[static_cast<size_t>(i)],
                             lang == "zh" ? Language::Chinese : Language::English));
      if (lang == "en") {
        EXPECT_FALSE(HoldsChinese(names->itemText(i))) << names->itemText(i).toStdString();
      }
      names->setCurrentIndex(i);
      QCoreApplication::processEvents();
      CheckLayout(&dialog, lang + " PLC " + names->itemText(i), faults);
    }
    dialog.reject();
  });
  ReportLayoutFaults(faults);
}

// The pane names the protocol in the editor's language and holds the longest name.
TEST_F(WindowGeometryTest, TheProtocolPaneNamesEveryProtocolWhole) {
  InBothLanguages([&](const QString& lang) {
    QLabel* pane = frame->Pane(1);
    for (uint8_t p = 1; p <= 36; ++p) {
      const QString text = QString::fromStdString(ProtocolName(
                               p, lang == "zh" ? Language::Chinese : Language::English)) +
                           QStringLiteral(".255");
      EXPECT_LE(pane->fontMetrics().horizontalAdvance(text), pane->contentsRect().width())
          << lang.toStdString() << " " << text.toStdString();
    }
  });
  EnglishScope english;
  NewProject();
  EXPECT_FALSE(HoldsChinese(frame->PaneText(1))) << frame->PaneText(1).toStdString();
  frame->SetProtocolPaneText({});
}

// Every message and command prompt the status bar shows fits the room left
// of the protocol pane; the image gauge gives way to it meanwhile.
TEST_F(WindowGeometryTest, StatusBarMessagesFitBesideThePanes) {
  OpenExample();
  frame->Checker()->RefreshNow();
  std::set<QString> faults;
  InBothLanguages([&](const QString& lang) {
    QStringList messages = {PageArea::CorrectionMessage()};
    for (const char* source :
         {"剪贴板中没有可以粘贴的工程内容", "没有空闲的画面号",
          "粘贴的元件的寄存器类型不在当前PLC协议中，已改用该协议的默认局号和地址"})
      messages << QCoreApplication::translate("tavo::app::MainView", source);
    for (const CommandInfo& c : CommandTable())
      if (QAction* a = frame->Action(c.id)) messages << a->statusTip();
    QStatusBar* bar = frame->statusBar();
    for (const QString& m : messages) {
      if (m.isEmpty()) continue;
      bar->showMessage(m);
      QCoreApplication::processEvents();
      EXPECT_FALSE(frame->Gauge()->isVisible()) << m.toStdString();
      // What QStatusBar gives a message: from 6 to 2 left of the first pane on the right.
      const int room = frame->Pane(1)->x() - 2 - 6;
      if (bar->fontMetrics().horizontalAdvance(m) > room)
        faults.insert(lang + ": status message is cut: " + m);
    }
    bar->clearMessage();
    QCoreApplication::processEvents();
    EXPECT_TRUE(frame->Gauge()->isVisible());
    EXPECT_LT(frame->Gauge()->geometry().right(), frame->Pane(1)->x());
  });
  ReportLayoutFaults(faults);
}

// The columns hold their captions and the longest entry each can show; at its
// first size the window needs no sideways scrolling.
TEST_F(WindowGeometryTest, TheCrossReferenceColumnsHoldTheirEntries) {
  std::set<QString> faults;
  InBothLanguages([&](const QString& lang) {
    std::vector<XrefEntry> entries;
    for (Access a : {Access::kRead, Access::kWrite, Access::kReadWrite})
      for (uint8_t kind = 0; kind <= kKindDynamic; ++kind) {
        XrefEntry e;
        e.binding.access = a;
        e.binding.width = kind % 5;
        e.binding.bit = e.binding.width == 0;
        e.binding.typeName = "4x";
        e.binding.address = 65535;
        e.binding.station = 255;
        e.screen = 65535;
        e.user = KindName(kind);
        e.x = -999;
        e.y = -999;
        e.screenDescription = "description";
        entries.push_back(e);
      }
    for (const char* user : {kAlarmListUser, kControlRegisterUser}) {
      XrefEntry e;
      e.user = user;
      entries.push_back(e);
    }
    CrossReferenceWindow window({}, frame.get());
    window.ShowEntries(entries, {});
    Shown(window);
    QTableView* table = window.Table();
    QAbstractItemModel* model = table->model();
    const int last = model->columnCount() - 1;
    for (int c = 0; c < last; ++c) {
      const QString caption = model->headerData(c, Qt::Horizontal).toString();
      if (table->horizontalHeader()->fontMetrics().horizontalAdvance(caption) + 8 >
          table->columnWidth(c))
        faults.insert(lang + ": caption cut: " + caption);
      for (int r = 0; r < model->rowCount(); ++r) {
        const QString text = model->index(r, c).data().toString();
        if (table->fontMetrics().horizontalAdvance(text) + 8 > table->columnWidth(c))
          faults.insert(lang + ": entry cut: " + text);
      }
    }
    EXPECT_FALSE(table->horizontalScrollBar()->isVisible()) << lang.toStdString();
    CheckLayout(&window, lang + " cross-reference", faults);
  });
  ReportLayoutFaults(faults);
}

// The link controls of every choice fit the width the display gives the
// window, and the value table's columns hold their captions and kinds.
TEST_F(WindowGeometryTest, ThePreviewsLinkControlsAndValueTable) {
  OpenExample();
  std::set<QString> faults;
  InBothLanguages([&](const QString& lang) {
    PreviewWindow window([this]() -> Project& { return Proj(); });
    window.adjustSize();
    Shown(window);
    const int width = window.width();
    PreviewLink* link = window.Link();
    QPushButton* button = link->ConnectButton();
    for (int choice : {PreviewLink::kRtu, PreviewLink::kTcp}) {
      link->ChoiceBox()->setCurrentIndex(choice);
      QCoreApplication::processEvents();
      // The button says "断开" while linked.
      const QString idle = button->text();
      button->setText(QCoreApplication::translate("tavo::app::PreviewLink", "断开"));
      const int needed = window.minimumSizeHint().width();
      button->setText(idle);
      if (needed > width)
        faults.insert(QStringLiteral("%1: link choice %2 widens the window from %3 to %4")
                          .arg(lang)
                          .arg(choice)
                          .arg(width)
                          .arg(needed));
      CheckLayout(link, lang + " link", faults);
    }
    link->ChoiceBox()->setCurrentIndex(PreviewLink::kSimulated);
    PreviewValues* values = window.Values();
    QStringList kinds;
    for (const char* k : {"寄存器", "指示灯", "功能键", "棒状图", "趋势图", "动态文本"})
      kinds << QCoreApplication::translate("tavo::app::PreviewValues", k);
    const QFontMetrics fm = values->fontMetrics();
    for (const QString& kind : kinds)
      if (fm.horizontalAdvance(kind) + 8 > values->columnWidth(0))
        faults.insert(lang + ": value table cuts " + kind);
    if (values->horizontalHeader()->length() > values->viewport()->width())
      faults.insert(lang + ": the value table scrolls sideways");
    for (int c = 0; c < 3; ++c) {
      const QString caption = values->horizontalHeaderItem(c)->text();
      if (values->horizontalHeader()->fontMetrics().horizontalAdvance(caption) + 8 >
          values->columnWidth(c))
        faults.insert(lang + ": value table caption cut: " + caption);
    }
  });
  ReportLayoutFaults(faults);
}

// The dialog proposes the first listed port when the stored index is past the
// machine's list; the download goes where the dialog pointed.
TEST(DownloadDevice, FollowsWhatThePortDialogProposes) {
  const QStringList ports = {QStringLiteral("/dev/ttyS0"), QStringLiteral("/dev/ttyUSB0")};
  EXPECT_EQ(DownloadDevice(ports, 1, {}), ports[1]);
  EXPECT_EQ(DownloadDevice(ports, 5, {}), ports[0]);
  EXPECT_EQ(DownloadDevice(ports, 5, QStringLiteral("/dev/pts/3")), QStringLiteral("/dev/pts/3"));
  EXPECT_EQ(DownloadDevice({}, 1, {}), QString());
  ComPortDialog dialog(ports, 5, {});
  EXPECT_EQ(dialog.Device(), DownloadDevice(ports, 5, {}));
}

}  // namespace
}  // namespace tavo::test

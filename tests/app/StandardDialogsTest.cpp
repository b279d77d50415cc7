#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include "EditorFixture.h"
#include "app/AboutDialog.h"
#include "app/CaptionFit.h"
#include "app/ComPortDialog.h"
#include "app/EditorApp.h"
#include "app/ImportDialog.h"
#include "app/PlcDialog.h"
#include "app/QtPrompter.h"
#include "app/ScreenDialogs.h"

namespace tavo::test {
namespace {

using namespace tavo::app;

// Qt's own texts: Chinese with the catalogue, Qt's English without it.
TEST(QtTranslation, StandardButtonsAndFileDialogsFollowTheCatalogue) {
  ASSERT_TRUE(InstallQtTranslation(QLocale(QLocale::Chinese, QLocale::China)));
  {
    QMessageBox box(QMessageBox::Question, "t", "x",
                    QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Ok)->text(), QStringLiteral("确定"));
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QStringLiteral("取消"));
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), QStringLiteral("是(&Y)"));
    EXPECT_EQ(box.button(QMessageBox::No)->text(), QStringLiteral("否(&N)"));
    QFileDialog files;
    files.setOption(QFileDialog::DontUseNativeDialog);
    auto* lookIn = files.findChild<QLabel*>(QStringLiteral("lookInLabel"));
    ASSERT_NE(lookIn, nullptr);
    EXPECT_EQ(lookIn->text(), QStringLiteral("查找范围："));
  }
  // A second call replaces the catalogue; English is Qt's own language.
  EXPECT_TRUE(InstallQtTranslation(QLocale(QLocale::English)));
  QMessageBox box(QMessageBox::Question, "t", "x", QMessageBox::Cancel);
  EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Cancel"));
}

// The editor's windows under a window manager: Qt adds the program's name to
// every caption that does not end in it.
class CaptionTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    QGuiApplication::setApplicationDisplayName(QString::fromUtf8(kAppTitle));
  }
  void TearDown() override {
    QGuiApplication::setApplicationDisplayName(QString());
    EditorTest::TearDown();
  }
  // Shows the dialog as the editor does and checks that its frame is wide
  // enough for the caption.
  void ExpectWholeCaption(QDialog& dialog) {
    dialog.show();
    QApplication::processEvents();
    EXPECT_GE(dialog.width(), CaptionWidth(dialog.windowTitle()))
        << dialog.windowTitle().toStdString();
    // The contents still have their room.
    EXPECT_GE(dialog.width(), dialog.minimumSizeHint().width());
    dialog.hide();
  }
};

TEST_F(CaptionTest, TheRoomACaptionNeedsIncludesTheProgramsName) {
  const int own = CaptionWidth(QString::fromUtf8(kAppTitle));
  EXPECT_GT(CaptionWidth(QStringLiteral("选择通信口")), own);
  EXPECT_GT(CaptionWidth(QStringLiteral("下载画面数据")),
            CaptionWidth(QStringLiteral("选择通信口")));
  QGuiApplication::setApplicationDisplayName(QString());
  EXPECT_LT(CaptionWidth(QStringLiteral("选择通信口")), own);
}

TEST_F(CaptionTest, MessageBoxesOfThePrompterShowTheirCaptionWhole) {
  QtPrompter prompter([this]() -> QWidget* { return frame.get(); });
  PrompterScope scope(&prompter);
  struct Case {
    const char* text;
    const char* caption;
  };
  const Case cases[] = {
      {"无法打开通信口COM2!", "下载画面数据"},
      {"已存在", "画面已存在"},
      {"Load Font Lib Failure", ""},  // the program's title
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.caption);
    int width = 0, needed = 0;
    OnNextDialog<QMessageBox>([&](QMessageBox* box) {
      width = box->width();
      needed = CaptionWidth(box->windowTitle());
      box->accept();
    });
    CurrentPrompter().Message(c.text, c.caption, MessageIcon::Warning);
    EXPECT_GT(needed, 0);
    EXPECT_GE(width, needed);
  }
  int width = 0, needed = 0;
  OnNextDialog<QMessageBox>([&](QMessageBox* box) {
    width = box->width();
    needed = CaptionWidth(box->windowTitle());
    box->reject();
  });
  CurrentPrompter().OkCancel("确实要删除1号画面吗?", "删除画面");
  EXPECT_GE(width, needed);
}

TEST_F(CaptionTest, SmallDialogsShowTheirCaptionWhole) {
  ComPortDialog port({"/dev/ttyS0"}, 0, QString(), frame.get());
  ExpectWholeCaption(port);
  NewScreenDialog screen(
      1, [](uint16_t, const std::string&) { return true; }, frame.get());
  ExpectWholeCaption(screen);
  CopyScreenDialog copy(1, frame.get());
  ExpectWholeCaption(copy);
  ImportDialog import(frame.get());
  ExpectWholeCaption(import);
  PlcDialog plc(CurrentProtocolFiles().m_available, PlcChoice{}, frame.get());
  ExpectWholeCaption(plc);
  AboutDialog about(frame.get());
  ExpectWholeCaption(about);
  QFileDialog files(frame.get());
  files.setOption(QFileDialog::DontUseNativeDialog);
  ExpectWholeCaption(files);
  // A box whose caption changes while it is open widens again.
  QMessageBox box(QMessageBox::Information, QStringLiteral("报警"), QStringLiteral("x"),
                  QMessageBox::Ok, frame.get());
  ExpectWholeCaption(box);
  box.setWindowTitle(QStringLiteral("Tavo  下位机无响应"));
  ExpectWholeCaption(box);
}

}  // namespace
}  // namespace tavo::test

#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTableWidget>
#include <QUrl>

#include "EditorFixture.h"
#include "app/EditorApp.h"
#include "app/ImportDialog.h"
#include "app/QtPrompter.h"
#include "base/DataFiles.h"
#include "base/Gbk.h"
#include "elements/Register.h"
#include "model/ProjectFile.h"
#include "support/OldProjectBuilder.h"

namespace tavo::test {
namespace {

using namespace tavo::app;

class FileCommandsTest : public EditorTest {
 protected:
  QString Path(const char* name) { return dir.filePath(QString::fromLatin1(name)); }
  void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
  // A saved project with screens 1 and 4, screen 4 described.
  QString SavedProject() {
    NewProject();
    Proj().NewScreen(4, G("第四"));
    const QString path = Path("two.orx");
    prompter.savePaths.push_back(path.toStdString());
    frame->Execute(kCmdSaveAs);
    EXPECT_FALSE(Proj().IsModified());
    return path;
  }
};

TEST_F(FileCommandsTest, SaveAsThenOpenBringsTheProjectBackWithItsTitle) {
  const QString path = SavedProject();
  EXPECT_EQ(frame->windowTitle(), QStringLiteral("two.orx[*] - Tavo画面设置工具"));
  EXPECT_EQ(frame->Recent().Files().value(0), path);

  NewProject();
  EXPECT_EQ(Proj().ScreenCount(), 1u);
  frame->Choosers().openProject = [path] { return path; };
  frame->Execute(kCmdOpen);
  ASSERT_EQ(Proj().ScreenCount(), 2u);
  EXPECT_EQ(Proj().ScreenAt(1)->m_description, G("第四"));
  EXPECT_EQ(View().ScreenList()->rowCount(), 2);
  EXPECT_EQ(frame->windowTitle(), QStringLiteral("two.orx[*] - Tavo画面设置工具"));
  EXPECT_EQ(frame->PaneText(1).isEmpty(), false);
}

TEST_F(FileCommandsTest, OpenRefusesFilesThatAreNoProjects) {
  NewProject();
  struct Case {
    QByteArray bytes;
    const char* message;
  };
  const Case cases[] = {
      {QByteArray("\x08Ormiy\x0c\x01", 8), "请确认是否为orx文件!"},
      {QByteArray("\x07Ormix\x0c\x01", 8), "请确认是否为orx文件!"},
      {QByteArray("\x08Ormix\x0c\x02", 8), "软件版本不匹配!"},
  };
  for (const Case& c : cases) {
    const QString path = Path("bad.orx");
    WriteBytes(path, c.bytes);
    frame->Choosers().openProject = [path] { return path; };
    frame->Execute(kCmdOpen);
    ASSERT_FALSE(prompter.Messages().empty());
    EXPECT_EQ(prompter.Messages().back(), c.message);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("新文件[*] - Tavo画面设置工具"));
  }
}

TEST_F(FileCommandsTest, AModifiedProjectIsOfferedForSavingBeforeItIsReplaced) {
  NewProject();
  Proj().NewScreen(2, "");  // modifies
  prompter.answers = {Answer::Cancel};
  frame->Execute(kCmdNewProject);
  EXPECT_EQ(prompter.said.back().text, "将改动保存到 新文件？");
  EXPECT_EQ(Proj().ScreenCount(), 2u);

  // Cancelling the save cancels the command.
  prompter.answers = {Answer::Yes};
  frame->Execute(kCmdNewProject);
  EXPECT_EQ(Proj().ScreenCount(), 2u);

  // Yes saves under the chosen name, then the new project replaces it.
  prompter.answers = {Answer::Yes};
  prompter.savePaths.push_back(Path("kept.orx").toStdString());
  frame->Execute(kCmdNewProject);
  EXPECT_TRUE(QFile::exists(Path("kept.orx")));
  EXPECT_EQ(Proj().ScreenCount(), 1u);

  // No discards; closing the window asks too.
  Proj().NewScreen(3, "");
  prompter.answers = {Answer::Cancel};
  EXPECT_FALSE(frame->close());
  prompter.answers = {Answer::No};
  EXPECT_TRUE(frame->close());
}

TEST_F(FileCommandsTest, DroppedFilesOpenLikeTheOpenCommand) {
  const QString path = SavedProject();
  NewProject();
  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile(path)});
  QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &mime, Qt::LeftButton, {});
  QApplication::sendEvent(frame.get(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDragMoveEvent move(QPoint(100, 100), Qt::CopyAction, &mime, Qt::LeftButton, {});
  QApplication::sendEvent(frame.get(), &move);
  QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &mime, Qt::LeftButton, {});
  QApplication::sendEvent(frame.get(), &drop);
  ASSERT_TRUE(QTest::qWaitFor([&] { return Proj().ScreenCount() == 2u; }, 2000));
  EXPECT_EQ(frame->DocumentTitle(), QStringLiteral("two.orx"));
}

TEST_F(FileCommandsTest, AFileNamedOnTheCommandLineIsOpenedThroughTheCheck) {
  const QString good = SavedProject();
  const QString other = Path("other.txt");
  WriteBytes(other, "hello, world");
  const QString cut = Path("cut.orx");
  QFile full(good);
  ASSERT_TRUE(full.open(QIODevice::ReadOnly));
  WriteBytes(cut, full.read(140));  // header and settings, no screens

  int code = -1;
  auto opened = StartEditor(ParseCommandLine({"tavo-editor", "--no-splash", good}), nullptr, code);
  ASSERT_TRUE(opened);
  EXPECT_EQ(opened->DocumentTitle(), QStringLiteral("two.orx"));
  EXPECT_EQ(opened->CurrentProject().ScreenCount(), 2u);
  opened.reset();

  // Refused by the check: the empty project stays open.
  auto refused = StartEditor(ParseCommandLine({"tavo-editor", "-Embedding", other}), nullptr, code);
  ASSERT_TRUE(refused);
  EXPECT_EQ(prompter.Messages().back(), "请确认是否为orx文件!");
  EXPECT_FALSE(refused->View()->ProjectOpen());
  refused.reset();

  // Passes the check but cannot be read: the start-up fails.
  auto failed = StartEditor(ParseCommandLine({"tavo-editor", "--no-splash", cut}), nullptr, code);
  EXPECT_FALSE(failed);
  EXPECT_EQ(code, 1);
}

TEST_F(FileCommandsTest, RegisterErrorsOfAnOpenedFileComeInOneBoxThatSaysWhere) {
  Project written;
  written.AddScreen(1, "");
  written.AddScreen(3, "");
  for (auto [screen, x] : {std::pair{0, 8}, {0, 64}, {1, 40}}) {
    auto r = std::make_unique<CRegister>(Point{0, 0});
    r->m_x = x;
    r->m_digits = 2;
    r->m_decimals = 4;
    written.ScreenAt(screen)->m_elements.push_back(std::move(r));
  }
  const QString path = Path("registers.orx");
  ASSERT_TRUE(SaveProjectFile(written, path.toStdString()));

  QtPrompter boxes([this]() -> QWidget* { return frame.get(); });
  PrompterScope scope(&boxes);
  QStringList texts, details;
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      texts << box->text();
      details << box->detailedText();
      box->accept();
    }
  });
  closer.start(5);
  EXPECT_EQ(frame->OpenDocumentFile(path), OpenResult::Opened);
  closer.stop();
  ASSERT_EQ(texts, QStringList{QStringLiteral("寄存器出现错误")});
  EXPECT_EQ(details[0], QStringLiteral("1号画面 寄存器(8,0): 小数位4多于位数2\n"
                                       "1号画面 寄存器(64,0): 小数位4多于位数2\n"
                                       "3号画面 寄存器(40,0): 小数位4多于位数2"));
}

TEST_F(FileCommandsTest, ImportConvertsAnOldProjectBesideItAndOpensIt) {
  OldFileBuilder old;
  old.AddScreen(3, "old").elements.push_back(OldElement(1, 45, 36));
  const std::vector<uint8_t> bytes = old.Bytes();
  const QString oldPath = Path("legacy.qse");
  WriteBytes(oldPath, QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                 static_cast<qsizetype>(bytes.size())));
  frame->Choosers().oldProject = [oldPath] { return oldPath; };

  // Cancel in the conversion dialog writes nothing.
  OnNextDialog<ImportDialog>([](ImportDialog* d) { d->reject(); });
  frame->Execute(kCmdImport);
  EXPECT_FALSE(QFile::exists(Path("legacy.orx")));

  QString shown;
  OnNextDialog<ImportDialog>([&](ImportDialog* d) {
    d->StartButton()->click();
    shown = d->Status()->text();
  });
  frame->Execute(kCmdImport);
  EXPECT_EQ(shown, QStringLiteral("正在转换旧的工程数据..........."));
  EXPECT_TRUE(QFile::exists(Path("legacy.orx")));
  EXPECT_EQ(prompter.Messages().back(), "旧工程导入成功!");
  ASSERT_EQ(Proj().ScreenCount(), 1u);
  EXPECT_EQ(Proj().CurrentScreen()->m_number, 3);
  EXPECT_EQ(Proj().CurrentScreen()->ElementCount(), 1u);
  EXPECT_EQ(frame->DocumentTitle(), QStringLiteral("legacy.orx"));
  EXPECT_TRUE(View().ProjectOpen());

  // A file that is not an old project.
  WriteBytes(oldPath, "QSE?");
  frame->Execute(kCmdImport);
  EXPECT_EQ(prompter.Messages().back(), "文件格式非法!");
}

TEST(StartupTest, TheEnglishFontLibraryIsNeededAndTheChineseOneIsNot) {
  ScriptedPrompter prompter;
  QTemporaryDir empty;
  const QByteArray dataDir = qgetenv("TAVO_DATA_DIR");
  qunsetenv("TAVO_DATA_DIR");
  SetDataDir(empty.path().toStdString());
  int code = -1;
  auto frame = StartEditor(ParseCommandLine({"tavo-editor", "--no-splash"}), nullptr, code);
  EXPECT_FALSE(frame);
  EXPECT_EQ(code, 1);
  EXPECT_EQ(prompter.Messages(), std::vector<std::string>({"Load Font Lib Failure"}));

  ASSERT_TRUE(
      QFile::copy(QString::fromUtf8(dataDir) + "/ormed_EN.dat", empty.filePath("ormed_EN.dat")));
  frame = StartEditor(ParseCommandLine({"tavo-editor", "--no-splash"}), nullptr, code);
  EXPECT_TRUE(frame);
  EXPECT_EQ(code, 0);
  frame.reset();
  SetDataDir("");
  qputenv("TAVO_DATA_DIR", dataDir);
}

}  // namespace
}  // namespace tavo::test

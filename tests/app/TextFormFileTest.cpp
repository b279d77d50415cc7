#include <QFile>
#include <QFileDialog>

#include "EditorFixture.h"
#include "app/FileDialogs.h"
#include "base/Gbk.h"

// The editor opens and saves the project's text form (.json) like a project
// file, chosen by the file name's extension.
namespace tavo::test {
namespace {

using namespace tavo::app;

class TextFormFileTest : public EditorTest {
 protected:
  QString Path(const char* name) { return dir.filePath(QString::fromLatin1(name)); }
  QByteArray Read(const QString& path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
  }
};

TEST_F(TextFormFileTest, SaveAsOpenAndSaveKeepTheTextForm) {
  NewProject();
  Proj().NewScreen(4, G("第四"));
  const QString path = Path("panel.json");
  prompter.savePaths.push_back(path.toStdString());
  frame->Execute(kCmdSaveAs);
  EXPECT_FALSE(Proj().IsModified());
  EXPECT_TRUE(Read(path).startsWith("{\n  \"format\": \"tavo-project\",\n"));
  EXPECT_EQ(frame->windowTitle(), QStringLiteral("panel.json[*] - Tavo画面设置工具"));

  NewProject();
  frame->Choosers().openProject = [path] { return path; };
  frame->Execute(kCmdOpen);
  ASSERT_EQ(Proj().ScreenCount(), 2u);
  EXPECT_EQ(Proj().ScreenAt(1)->m_description, G("第四"));
  EXPECT_EQ(frame->windowTitle(), QStringLiteral("panel.json[*] - Tavo画面设置工具"));
  EXPECT_EQ(frame->Recent().Files().value(0), path);

  // Save writes the text form again, without asking for a name.
  Proj().NewScreen(7, G("第七"));
  const size_t asked = prompter.said.size();
  frame->Execute(kCmdSave);
  EXPECT_EQ(prompter.said.size(), asked);
  EXPECT_FALSE(Proj().IsModified());
  EXPECT_TRUE(Read(path).contains("\"m_description\": \"第七\""));

  // A modified project is offered for saving before another replaces it; Yes
  // saves the text form.
  Proj().NewScreen(9, "");
  prompter.answers = {Answer::Yes};
  NewProject();
  EXPECT_EQ(prompter.said[asked].text, "将改动保存到 " + path.toStdString() + "？");
  EXPECT_TRUE(Read(path).contains("\"m_number\": 9"));
}

TEST_F(TextFormFileTest, ARefusedTextLeavesTheProjectOpen) {
  NewProject();
  const QString bad = Path("bad.json");
  QFile f(bad);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("{\"format\": \"tavo-project\", \"formatVersion\": 1, \"protocol\": 300}");
  f.close();
  frame->Choosers().openProject = [bad] { return bad; };
  frame->Execute(kCmdOpen);
  ASSERT_FALSE(prompter.Messages().empty());
  EXPECT_EQ(prompter.Messages().back(),
            bad.toStdString() + ": protocol: value 300 is outside 0..255");
  EXPECT_EQ(frame->windowTitle(), QStringLiteral("新文件[*] - Tavo画面设置工具"));
}

TEST_F(TextFormFileTest, FileDialogsOfferBothForms) {
  OnNextDialog<QFileDialog>([](QFileDialog* d) {
    EXPECT_EQ(d->nameFilters(), (QStringList{QStringLiteral("Tavo文件 (*.orx)"),
                                             QStringLiteral("Tavo文本 (*.json)")}));
    EXPECT_EQ(d->selectedNameFilter(), QStringLiteral("Tavo文本 (*.json)"));
    EXPECT_EQ(d->defaultSuffix(), QStringLiteral("json"));
    d->selectNameFilter(QStringLiteral("Tavo文件 (*.orx)"));
    emit d->filterSelected(QStringLiteral("Tavo文件 (*.orx)"));
    EXPECT_EQ(d->defaultSuffix(), QStringLiteral("orx"));
    d->reject();
  });
  EXPECT_FALSE(AskSaveProjectPath(frame.get(), Path("p.json").toStdString()));
  OnNextDialog<QFileDialog>([](QFileDialog* d) {
    EXPECT_EQ(d->selectedNameFilter(), QStringLiteral("Tavo文件 (*.orx)"));
    EXPECT_EQ(d->defaultSuffix(), QStringLiteral("orx"));
    d->reject();
  });
  EXPECT_FALSE(AskSaveProjectPath(frame.get(), Path("p.orx").toStdString()));
  OnNextDialog<QFileDialog>([](QFileDialog* d) {
    // (The dialog shows each filter with its spaces simplified.)
    EXPECT_EQ(d->nameFilters(), (QStringList{QStringLiteral("Tavo 画面数据文件(*.orx)"),
                                             QStringLiteral("Tavo 画面数据文本(*.json)"),
                                             QStringLiteral("所有文件(*.*)")}));
    d->reject();
  });
  EXPECT_TRUE(AskOpenProjectPath(frame.get()).isEmpty());
}

}  // namespace
}  // namespace tavo::test

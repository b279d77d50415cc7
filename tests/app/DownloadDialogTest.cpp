#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <fstream>
#include <iterator>

#include "EditorFixture.h"
#include "app/Commands.h"
#include "app/DownloadDialog.h"
#include "download/LinkConstants.h"
#include "download/TermiosPort.h"
#include "e2e/PanelProcess.h"
#include "elements/Register.h"
#include "model/Base.h"
#include "panel/InProcessPanel.h"
#include "support/TempDir.h"

namespace tavo::test {
namespace {

using namespace std::chrono_literals;
using app::DownloadDialog;

std::vector<uint8_t> Pattern(size_t size, uint8_t seed) {
  std::vector<uint8_t> b(size);
  for (size_t i = 0; i < size; ++i) b[i] = static_cast<uint8_t>(seed + i * 7);
  return b;
}

class DownloadDialogTest : public ::testing::Test {
 protected:
  ScriptedPrompter prompter;
};

TEST_F(DownloadDialogTest, AWholeDownloadReachesThePanelOverAPseudoTerminal) {
  QTemporaryDir dir;
  const std::string memory = dir.filePath("panel.bin").toStdString();
  PanelProcess panel;
  const auto device = panel.StartForDownload(memory, {"--protocol", "1"});
  ASSERT_TRUE(device);

  link::TermiosPort port(*device);
  link::TransferOptions options;
  options.protocol = 2;  // the panel holds protocol 1: the driver goes too
  options.driverVersion = 3;
  const auto image = Pattern(300, 1);
  const auto driver = Pattern(200, 9);
  link::TransferResult result;
  int finalBar = 0;
  {
    DownloadDialog dialog(port, options);
    result = dialog.Run(image, driver);
    finalBar = dialog.Bar()->value();
  }
  EXPECT_EQ(result.outcome, link::TransferOutcome::Completed);
  EXPECT_TRUE(result.driverSent);
  EXPECT_EQ(finalBar, link::kProgressRange);
  EXPECT_EQ(prompter.Messages(), std::vector<std::string>({"下载完成!画面数据共300字节"}));
  EXPECT_EQ(prompter.said.back().caption, "下载画面数据");

  ASSERT_TRUE(panel.WaitExit(10s).has_value());
  const std::vector<uint8_t> mem = ReadBytes(memory);
  ASSERT_EQ(mem.size(), size_t{link::kPanelMemorySize});
  EXPECT_TRUE(std::equal(driver.begin(), driver.end(), mem.begin()));
  EXPECT_EQ(mem[0x8000], 0x5A);
  EXPECT_EQ(mem[0x8001], 0xA5);
  EXPECT_TRUE(std::equal(image.begin() + 2, image.end(), mem.begin() + 0x8002));
}

TEST_F(DownloadDialogTest, CancelAsksFirstAndEndsTheTransferOnOk) {
  panel::InProcessPanel port;
  port.SetReplyDelay(5ms);
  link::TransferOptions options;
  options.tick = 2ms;
  prompter.answers = {Answer::Cancel, Answer::Ok};
  DownloadDialog dialog(port, options);
  // Cancel twice: the first answer keeps the transfer going.
  QTimer::singleShot(100, [&] { dialog.CancelButton()->click(); });
  QTimer::singleShot(200, [&] { dialog.CancelButton()->click(); });
  const auto result = dialog.Run(Pattern(20000, 3), {});
  EXPECT_EQ(result.outcome, link::TransferOutcome::Cancelled);
  ASSERT_EQ(prompter.said.size(), 2u);
  EXPECT_EQ(prompter.said[0].text, "确实要取消下载吗?");
  EXPECT_EQ(prompter.said[0].caption, "下载画面数据");
  EXPECT_EQ(port.Stats().marks, 0);
}

TEST_F(DownloadDialogTest, TheNoResponseBoxClosesItselfWhenThePanelAnswers) {
  panel::PanelConfig config;
  config.faults.silentHandshakes = 80;  // beyond the first 100 ticks
  panel::InProcessPanel port(config);
  link::TransferOptions options;
  options.tick = 2ms;
  DownloadDialog dialog(port, options);
  bool sawBox = false;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (QMessageBox* box = dialog.NoResponseBox()) {
      sawBox = true;
      EXPECT_EQ(box->windowTitle(), QStringLiteral("Tavo  下位机无响应"));
      EXPECT_EQ(box->text(), QStringLiteral("通讯无响应!!!"));
    }
  });
  poll.start(5);
  const auto result = dialog.Run(Pattern(500, 5), {});
  EXPECT_TRUE(sawBox);
  EXPECT_EQ(result.outcome, link::TransferOutcome::Completed);
}

TEST_F(DownloadDialogTest, ClosingTheNoResponseBoxGivesTheTransferUp) {
  panel::PanelConfig config;
  config.faults.silent = true;
  panel::InProcessPanel port(config);
  link::TransferOptions options;
  options.tick = 2ms;
  DownloadDialog dialog(port, options);
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (QMessageBox* box = dialog.NoResponseBox()) box->close();
  });
  poll.start(5);
  const auto result = dialog.Run(Pattern(500, 5), {});
  EXPECT_NE(result.outcome, link::TransferOutcome::Completed);
  EXPECT_EQ(prompter.Messages(), std::vector<std::string>({"本次通信失败!!!"}));
}

TEST_F(DownloadDialogTest, APortThatCannotBeOpenedIsReported) {
  link::TermiosPort port("/nonexistent/tty");
  DownloadDialog dialog(port, {});
  const auto result = dialog.Run(Pattern(10, 1), {});
  EXPECT_EQ(result.outcome, link::TransferOutcome::Failed);
  EXPECT_EQ(prompter.Messages(), std::vector<std::string>({"无法打开通信口/nonexistent/tty!"}));
}

TEST_F(EditorTest, DownloadCompilesTheProjectAndSendsItToThePanel) {
  NewProject();
  Proj().PlaceElement(kKindText, {0, 0});
  const std::string memory = dir.filePath("panel.bin").toStdString();
  PanelProcess panel;
  const auto device = panel.StartForDownload(memory);
  ASSERT_TRUE(device);
  frame->SetDownloadDevicePath(QString::fromStdString(*device));
  frame->Execute(app::kCmdDownload);
  ASSERT_FALSE(prompter.Messages().empty());
  EXPECT_EQ(prompter.Messages().back().rfind("下载完成!画面数据共", 0), 0u)
      << prompter.Messages().back();
  ASSERT_TRUE(panel.WaitExit(10s).has_value());
  const std::vector<uint8_t> mem = ReadBytes(memory);
  ASSERT_EQ(mem.size(), size_t{link::kPanelMemorySize});
  EXPECT_EQ(mem[0x8000], 0x5A);
  EXPECT_EQ(mem[0x8001], 0xA5);
}

TEST_F(EditorTest, DownloadWithoutAPortSaysWhichPortItCouldNotOpen) {
  NewProject();
  frame->SetDownloadDevicePath("/nonexistent/tty");
  frame->Execute(app::kCmdDownload);
  ASSERT_FALSE(prompter.Messages().empty());
  EXPECT_EQ(prompter.Messages().back(), "无法打开通信口/nonexistent/tty!");
}

TEST_F(EditorTest, LimitsTheDownloadCorrectsAreOneStepOfAModifiedProject) {
  NewProject();
  // A register with its input limits the wrong way round on screen 1, while
  // screen 2 is being edited.
  Proj().PlaceElement(kKindRegister, {0, 0});
  auto* reg = dynamic_cast<CRegister*>(Proj().SelectedElement());
  ASSERT_NE(reg, nullptr);
  reg->m_inHigh = 10;
  reg->m_inLow = 20;
  View().Commit("放置元件");
  Proj().AddScreen(2, "");
  View().Commit("新建画面");
  View().Saved();
  Proj().SetModified(false);
  frame->UpdateCommands();
  ASSERT_FALSE(frame->isWindowModified());
  ASSERT_EQ(Proj().CurrentScreen()->m_number, 2);

  for (Answer answer : {Answer::Cancel, Answer::Ok}) {  // continue, or cancel the download
    SCOPED_TRACE(answer == Answer::Ok ? "cancelled" : "continued");
    prompter.answers = {answer};
    frame->SetDownloadDevicePath("/nonexistent/tty");
    frame->Execute(app::kCmdDownload);
    EXPECT_EQ(reg->m_inHigh, 21);  // put above the lower limit
    EXPECT_EQ(reg->m_inLow, 20);
    EXPECT_TRUE(Proj().IsModified());
    EXPECT_TRUE(frame->isWindowModified());
    EXPECT_EQ(View().UndoName(), "改正上下限");
    // Undone, the limits are as they were; the next download corrects again.
    frame->Execute(app::kCmdUndo);
    ASSERT_EQ(Proj().ScreenAt(0)->m_elements.size(), 1u);
    reg = dynamic_cast<CRegister*>(Proj().ScreenAt(0)->m_elements.front().get());
    ASSERT_NE(reg, nullptr);
    EXPECT_EQ(reg->m_inHigh, 10);
    EXPECT_EQ(reg->m_inLow, 20);
  }
}

}  // namespace
}  // namespace tavo::test

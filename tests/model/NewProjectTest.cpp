// "新建工程": the protocol-file check, the offer to save, the PLC choice and the
// fresh project it leaves.
#include <gtest/gtest.h>

#include "model/Project.h"
#include "plc/Catalogue.h"
#include "plc/Protocol.h"
#include "support/ScriptedPrompter.h"

namespace tavo {
namespace {

class NewProjectTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ApplyProtocol(3, project.m_settings);
    project.m_protocolFileOk = [] { return true; };
  }
  void TearDown() override { ApplyProtocol(1, project.m_settings); }

  PlcChoice Siemens() {
    PlcChoice c;
    c.protocol = 2;
    c.plcPos = 1;
    c.baud = 1;
    c.parity = 2;
    c.commOption = 1;
    c.e5Timeout = 10000;
    return c;
  }

  test::ScriptedPrompter prompter;
  Project project;
};

TEST_F(NewProjectTest, FreshProjectTakesTheChosenProtocolAndOneScreen) {
  project.m_settings.m_password = 1234;
  project.m_settings.m_saverAction = 1;
  project.m_alarmList.m_alarmTexts = {"a"};
  prompter.plcAnswers.push_back(Siemens());

  ASSERT_TRUE(project.NewProject());
  EXPECT_EQ(CurrentProtocol(), 2);
  EXPECT_EQ(CurrentProfile().m_addrStep, 2);
  ASSERT_EQ(project.ScreenCount(), 1u);
  EXPECT_EQ(project.CurrentScreen()->m_number, 1);
  EXPECT_EQ(project.m_settings.m_password, 0);
  EXPECT_EQ(project.m_settings.m_ctrlStation, 2);  // protocol 2's control station
  EXPECT_EQ(project.m_settings.m_protoMode, 2);
  EXPECT_EQ(project.m_settings.m_baud, 1);
  EXPECT_EQ(project.m_settings.m_e5Timeout, 10000);
  EXPECT_EQ(project.m_settings.m_saverAction, 1);  // kept by a new project
  EXPECT_TRUE(project.m_alarmList.m_alarmTexts.empty());
  EXPECT_EQ(project.m_alarmList.m_station, 2);
  EXPECT_FALSE(project.IsModified());
  EXPECT_TRUE(project.m_path.empty());
}

TEST_F(NewProjectTest, CancelledChoiceOrOfferLeavesTheProjectAsItWas) {
  project.AddScreen(7, "keep");
  project.m_hasProject = true;
  project.SetModified();

  prompter.answers.push_back(Answer::Cancel);  // "将改动保存到 无标题？"
  EXPECT_FALSE(project.NewProject());
  ASSERT_EQ(prompter.said.size(), 1u);
  EXPECT_EQ(prompter.said[0].text, "将改动保存到 无标题？");

  prompter.answers.push_back(Answer::No);
  prompter.plcAnswers.push_back(std::nullopt);  // PLC dialog cancelled
  EXPECT_FALSE(project.NewProject());
  ASSERT_EQ(project.ScreenCount(), 1u);
  EXPECT_EQ(project.CurrentScreen()->m_number, 7);
  EXPECT_EQ(CurrentProtocol(), 3);
}

TEST_F(NewProjectTest, EmptyProtocolFileStopsBeforeAnyQuestion) {
  project.m_protocolFileOk = [] { return CurrentProtocolFiles().CheckForNewProject(); };
  // The program-wide files were never loaded in this test program: no protocol offered.
  ASSERT_FALSE(CurrentProtocolFiles().HasProtocols());
  EXPECT_FALSE(project.NewProject());
  ASSERT_EQ(prompter.Messages().size(), 1u);
  EXPECT_EQ(prompter.Messages()[0], "文件ormed_Ptc.dat出错!!!");
  EXPECT_EQ(project.ScreenCount(), 0u);
}

}  // namespace
}  // namespace tavo

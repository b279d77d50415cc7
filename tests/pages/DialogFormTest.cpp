// The panel-settings and alarm-list dialogs without a window.
#include <gtest/gtest.h>

#include "base/Gbk.h"
#include "pages/AlarmListForm.h"
#include "pages/PageTestSupport.h"
#include "pages/PanelSettingsForm.h"

namespace tavo::pagetest {
namespace {

using app::AlarmListForm;
using app::PanelSettingsForm;

TEST(PanelSettingsForm, HintsNameTheRegisterOfEachCheckedFunction) {
  using Hints = std::array<std::string, 3>;
  EXPECT_EQ(PanelSettingsForm::Hints({true, true, true}, 100, 1, "D", 4),
            (Hints{"对应D100", "对应D101", "对应D102"}));
  EXPECT_EQ(PanelSettingsForm::Hints({true, true, true}, 100, 2, "VW", 2),
            (Hints{"对应VW100", "对应VW102", "对应VW104"}));
  EXPECT_EQ(PanelSettingsForm::Hints({false, false, true}, 100, 2, "VW", 2),
            (Hints{"", "", "对应VW100"}));
  EXPECT_EQ(PanelSettingsForm::Hints({false, true, true}, 7, 1, "N7", 15),
            (Hints{"", "对应N7:7", "对应N7:8"}));
}

TEST(PanelSettingsForm, OpenEditAndAcceptThroughTheForm) {
  ProfileScope protocol(2);  // word step 2, types "VW","VD",...
  PanelSettings settings;
  settings.m_ctrlRegAddr = 100;
  settings.m_ctrlFlags = 7;
  settings.m_saverAction = 1;
  PanelSettingsForm form;
  form.Open(settings);
  EXPECT_EQ(form.Hint(0), "对应VW100");
  EXPECT_EQ(form.Hint(2), "对应VW104");
  EXPECT_TRUE(form.saverScreen.Enabled());
  EXPECT_FALSE(form.ctrlType.Enabled());  // protocol 2 cannot choose the type
  EXPECT_TRUE(form.station.Enabled());
  EXPECT_EQ(Type(form.password, "99999"), 1);
  EXPECT_EQ(form.password.Text(), "9999");
  form.saverAction.Choose(0);  // "关闭背景光"
  form.functions[0].Click();
  form.Idle();
  EXPECT_FALSE(form.saverScreen.Enabled());
  EXPECT_FALSE(form.CaptionEnabled(0));
  EXPECT_EQ(form.Hint(0), "");
  EXPECT_EQ(form.Hint(1), "对应VW100");
  EXPECT_EQ(settings.m_password, 0);  // nothing reaches the project before OK
  form.Accept(settings);
  EXPECT_EQ(settings.m_password, 9999);
  EXPECT_EQ(settings.m_saverAction, 0);
  EXPECT_EQ(settings.m_ctrlFlags, 6);
}

TEST(PanelSettingsForm, ProtocolRulesOfTheControlRegister) {
  {
    ProfileScope protocol(1);
    PanelSettings settings;
    PanelSettingsForm form;
    form.Open(settings);
    EXPECT_FALSE(form.functions[0].Enabled());  // no status control
    EXPECT_FALSE(form.ctrlAddr.Enabled());
  }
  {
    ProfileScope protocol(3);
    PanelSettings settings;
    settings.m_ctrlRegAddr = 0;
    settings.m_ctrlFlags = 1;
    PanelSettingsForm form;
    form.Open(settings);
    EXPECT_EQ(form.ctrlAddr.Min(), 1);
    EXPECT_EQ(form.ctrlAddr.Text(), "1");
    EXPECT_FALSE(form.ctrlType.Enabled());
  }
  {
    ProfileScope protocol(15);
    PanelSettings settings;
    settings.m_ctrlFlags = 1;
    PanelSettingsForm form;
    form.Open(settings);
    EXPECT_TRUE(form.ctrlType.Enabled());
    EXPECT_FALSE(form.station.Enabled());
  }
  ProfileScope protocol(7);
  PanelSettings settings;
  settings.m_ctrlRegAddr = 8;
  settings.m_ctrlFlags = 4;
  PanelSettingsForm form;
  form.Open(settings);
  EXPECT_EQ(form.ctrlAddr.Text(), "10");  // octal entry
  EXPECT_EQ(form.Hint(2), "对应R8");
}

struct LabelCase {
  uint8_t protocol;
  uint16_t begin;
  uint8_t subAddr;
  uint8_t bitOffset;
  int row;
  const char* label;
};

TEST(AlarmListLabels, EveryProtocolGroup) {
  const LabelCase cases[] = {
      {1, 0x12, 3, 5, 1, "0012 03 05"},  // type "B": one byte, 8 coils
      {1, 0x12, 3, 5, 4, "0012 03 00"},
      {1, 0x12, 3, 0, 9, ""},  // past the 8 coils of a byte
      {2, 10, 0, 0, 1, "M10.0"},
      {2, 10, 0, 0, 9, "M11.0"},  // 16 bits less 8: eight coils a
                                  // byte
      {5, 20, 2, 0, 15, "IR21.0"},
      {11, 3, 0, 0, 17, "M40"},  // word 4, bit 0
      {15, 4, 0, 0, 18, "B3:5/1"},
      {19, 0, 0, 0, 5, "0x4"},
      {3, 100, 0, 0, 2, "0x/101"},
      {7, 8, 0, 0, 3, "M12"},
      {4, 8, 0, 0, 3, "M10"},
  };
  for (const LabelCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "protocol " << int(c.protocol) << " row " << c.row);
    ProfileScope protocol(c.protocol);
    CAlarmList list;
    list.m_alarmbegin = c.begin;
    list.m_subAddr = c.subAddr;
    list.m_bitOffset = c.bitOffset;
    const ProtocolProfile& profile = CurrentProfile();
    const std::string name(TypeNameAt(profile.m_alarmBitTypes, 0));
    const unsigned width = RegisterTypeCode(profile, 0, kUseWord) & 0x0F;
    EXPECT_EQ(app::CoilLabel(profile, list, name, width, c.row), c.label);
  }
}

TEST(AlarmListForm, AppendingClearingAndTheLimitOfTheType) {
  ProfileScope protocol(1);  // alarm types "B", "W", "D": 8, 16, 32 coils
  CAlarmList project;
  project.m_regType = 1;
  AlarmListForm form;
  int gridChanges = 0, closed = 0;
  form.onGridChanged = [&] { ++gridChanges; };
  form.onEditClosed = [&] { ++closed; };
  form.Open(project);
  EXPECT_EQ(form.Capacity(), 16);
  EXPECT_EQ(form.RowCount(), 1);
  EXPECT_EQ(form.Label(0), "0000 00 00");
  ASSERT_TRUE(form.EditText(0));
  form.textBox.UserText("A", true);
  EXPECT_EQ(form.RowCount(), 2);
  for (int row = 1; row < 16; ++row) {
    ASSERT_TRUE(form.EditText(row));
    form.textBox.UserText(std::to_string(row), true);
  }
  EXPECT_EQ(form.RowCount(), 16);  // full: no row for another text
  EXPECT_FALSE(form.EditText(16));
  // Clearing in the middle leaves an empty text.
  ASSERT_TRUE(form.EditText(5));
  form.textBox.UserText("", true);
  EXPECT_EQ(form.List().m_alarmTexts.size(), 16u);
  EXPECT_EQ(form.Text(5), "");
  EXPECT_EQ(form.EditRow(), 5);
  // A narrower type drops what it cannot hold.
  form.type.Choose(0);
  form.Idle();
  EXPECT_EQ(form.List().m_alarmTexts.size(), 8u);
  EXPECT_EQ(form.RowCount(), 8);
  // Clearing the last texts drops every trailing empty one and closes the box.
  ASSERT_TRUE(form.EditText(6));
  form.textBox.UserText("", true);
  ASSERT_TRUE(form.EditText(7));
  form.textBox.UserText("", true);
  EXPECT_EQ(form.List().m_alarmTexts.size(), 5u);  // row 5 was already empty
  EXPECT_EQ(form.EditRow(), -1);
  EXPECT_EQ(closed, 1);
  EXPECT_GT(gridChanges, 0);
  // Nothing reaches the project before OK.
  EXPECT_TRUE(project.m_alarmTexts.empty());
  form.Accept(project);
  EXPECT_EQ(project.m_alarmTexts.size(), 5u);
  EXPECT_EQ(project.m_regType, 0);
}

TEST(AlarmListForm, TextsAndFieldsKeepTheirLimits) {
  ProfileScope protocol(3);
  CAlarmList project;
  AlarmListForm form;
  form.Open(project);
  EXPECT_EQ(form.addr.Min(), 1);
  EXPECT_EQ(project.m_alarmbegin, 0);
  EXPECT_FALSE(form.subAddr.Enabled());
  EXPECT_FALSE(form.bitOffset.Visible());
  ASSERT_TRUE(form.EditText(0));
  const std::string text(237, 'a');
  EXPECT_TRUE(form.textBox.UserText(text, true));
  EXPECT_FALSE(form.textBox.UserText(text + "b", true));
  EXPECT_TRUE(form.textBox.UserText(text + G("中"), false));
  EXPECT_EQ(form.Text(0).size(), 237u);
}

}  // namespace
}  // namespace tavo::pagetest

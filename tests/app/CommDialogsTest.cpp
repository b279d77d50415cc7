#include <QComboBox>
#include <QFile>
#include <QSpinBox>

#include "EditorFixture.h"
#include "app/ComPortDialog.h"
#include "app/PlcDialog.h"
#include "plc/Catalogue.h"
#include "plc/PlcSelection.h"
#include "plc/Protocol.h"

namespace tavo::test {
namespace {

using namespace tavo::app;

QStringList Items(const QComboBox* box) {
  QStringList items;
  for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
  return items;
}

// The dialog over the build's protocol file, which lists protocols 1 to 36 in
// order: position p holds protocol p + 1.
class PlcDialogTest : public EditorTest {
 protected:
  std::unique_ptr<PlcDialog> Open(const PlcChoice& project) {
    return std::make_unique<PlcDialog>(CurrentProtocolFiles().m_available, project);
  }
  static PlcChoice At(uint8_t protocol) {
    PlcChoice c;
    c.protocol = protocol;
    c.plcPos = protocol - 1;
    return c;
  }
};

TEST_F(PlcDialogTest, ChoosingProtocolTwoOffersItsListsAndDefaults) {
  ASSERT_GE(CurrentProtocolFiles().m_available.size(), 36u);
  auto dialog = Open(At(1));
  EXPECT_FALSE(dialog->E5Shown());
  dialog->Protocols()->setCurrentIndex(1);
  EXPECT_EQ(CurrentProtocol(), 2);
  EXPECT_EQ(Items(dialog->Baud()), QStringList({"9600", "19200"}));
  EXPECT_EQ(dialog->Baud()->currentText(), "9600");
  EXPECT_EQ(dialog->DataBits()->currentText(), QStringLiteral("8位"));
  EXPECT_EQ(dialog->StopBits()->currentText(), QStringLiteral("1位"));
  EXPECT_EQ(dialog->Parity()->currentText(), QStringLiteral("偶校验"));
  EXPECT_EQ(dialog->Interface()->currentText(), "485");
  EXPECT_TRUE(dialog->E5Shown());
  EXPECT_FALSE(dialog->StationShown());
  EXPECT_EQ(dialog->E5Timeout()->value(), 10000);
  const PlcChoice c = dialog->Result();
  EXPECT_EQ(c.protocol, 2);
  EXPECT_EQ(c.plcPos, 1);
  EXPECT_EQ(c.e5Timeout, 10000);
  dialog->reject();
}

TEST_F(PlcDialogTest, TheStationFieldIsBroughtIntoRange) {
  struct Case {
    uint8_t protocol;
    int typed;
    int shown;
  };
  for (const Case& c : {Case{14, 300, 255}, Case{21, 0, 1}, Case{21, 250, 247}, Case{31, 7, 7}}) {
    SCOPED_TRACE(c.protocol);
    auto dialog = Open(At(c.protocol));
    EXPECT_TRUE(dialog->StationShown());
    dialog->Station()->setValue(c.typed);
    EXPECT_EQ(dialog->Station()->value(), c.shown);
    EXPECT_EQ(dialog->Result().commParam, c.shown);
    dialog->reject();
  }
}

TEST_F(PlcDialogTest, CancelAfterBrowsingLeavesTheProtocolAndProfile) {
  NewProject();
  const uint8_t protocol = CurrentProtocol();
  const PanelSettings settings = Proj().m_settings;
  const ProtocolProfile profile = CurrentProfile();
  OnNextDialog<PlcDialog>([](PlcDialog* d) {
    for (int i : {1, 13, 20, 4}) d->Protocols()->setCurrentIndex(i);
    d->reject();
  });
  frame->Execute(kCmdPlc);
  EXPECT_EQ(CurrentProtocol(), protocol);
  EXPECT_EQ(Proj().m_settings, settings);
  EXPECT_EQ(CurrentProfile(), profile);
  EXPECT_FALSE(Proj().IsModified());
}

TEST_F(PlcDialogTest, AStoredIndexTooLargeForTheListShowsItsLastEntry) {
  PlcChoice c = At(5);
  c.baud = 6;
  auto dialog = Open(c);
  EXPECT_EQ(dialog->Baud()->count(), 5);
  EXPECT_EQ(dialog->Baud()->currentIndex(), 4);
  dialog->reject();
}

TEST_F(PlcDialogTest, OkStoresTheChoiceWritesInDatAndNamesTheProtocolInThePane) {
  NewProject();
  OnNextDialog<PlcDialog>([](PlcDialog* d) {
    d->Protocols()->setCurrentIndex(2);  // protocol 3
    d->Parity()->setCurrentIndex(1);
    d->accept();
  });
  frame->Execute(kCmdPlc);
  EXPECT_EQ(CurrentProtocol(), 3);
  EXPECT_EQ(Proj().m_settings.m_plcPos, 2);
  EXPECT_EQ(Proj().m_settings.m_parity, 1);
  EXPECT_TRUE(Proj().IsModified());
  EXPECT_EQ(frame->PaneText(1).toStdString(),
            ProtocolPaneText(3, CurrentProtocolFiles().m_driverVersion));
  QFile in(dir.filePath("In.dat"));
  ASSERT_TRUE(in.open(QIODevice::ReadOnly));
  EXPECT_EQ(in.readAll().left(1), QByteArray(1, 2));
}

TEST_F(EditorTest, ComPortDialogKeepsTheIndexAndATypedDevice) {
  OnNextDialog<ComPortDialog>([](ComPortDialog* d) {
    d->Ports()->setEditText("/dev/pts/77");
    d->accept();
  });
  frame->Execute(kCmdComPort);
  EXPECT_EQ(frame->DownloadDevicePath(), "/dev/pts/77");
  EXPECT_EQ(settings->value("Download/Device").toString(), "/dev/pts/77");
  QFile in(dir.filePath("In.dat"));
  ASSERT_TRUE(in.open(QIODevice::ReadOnly));
  EXPECT_EQ(in.readAll().size(), 2);

  // A listed port is kept by its index.
  ComPortDialog listed({"/dev/ttyS0", "/dev/ttyUSB0"}, 1, QString());
  EXPECT_EQ(listed.Ports()->currentText(), "/dev/ttyUSB0");
  listed.Ports()->setCurrentIndex(0);
  EXPECT_EQ(listed.Index(), 0);
  EXPECT_EQ(listed.Device(), "/dev/ttyS0");
}

TEST(ComPortDialog, AStoredIndexPastTheListProposesTheFirstPort) {
  // The first start stores COM2 (index 1); a machine with one port lists one.
  ComPortDialog one({"/dev/ttyS0"}, 1, QString());
  EXPECT_EQ(one.Ports()->currentText(), "/dev/ttyS0");
  EXPECT_EQ(one.Index(), 0);
  EXPECT_EQ(one.Device(), "/dev/ttyS0");
  // Without any port the field stays empty for a typed path.
  ComPortDialog none({}, 1, QString());
  EXPECT_EQ(none.Ports()->currentText(), QString());
  EXPECT_EQ(none.Index(), 1);
}

}  // namespace
}  // namespace tavo::test

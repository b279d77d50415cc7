// The preview window's link to a live Modbus PLC: chosen, connected to a
// server in this process, shown in the value table and the status line, and
// never waited on by the window.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "EditorFixture.h"
#include "app/PreviewLink.h"
#include "app/PreviewValues.h"
#include "app/PreviewWindow.h"
#include "support/ModbusTestServer.h"

namespace tavo::test {
namespace {

using namespace tavo::app;

class PreviewLinkTest : public EditorTest {
 protected:
  PreviewWindow& Open(const char* example) {
    const QString path =
        QStringLiteral(TAVO_SOURCE_DIR "/examples/") + QString::fromLatin1(example);
    EXPECT_EQ(frame->OpenDocumentFile(path), OpenResult::Opened);
    frame->Execute(kCmdPreview);
    PreviewWindow* w = frame->Preview();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(w));
    return *w;
  }
  void ChooseTcp(PreviewWindow& w) {
    PreviewLink& link = *w.Link();
    link.ChoiceBox()->setCurrentIndex(PreviewLink::kTcp);
    link.HostEdit()->setText(QStringLiteral("127.0.0.1"));
    link.TcpPortBox()->setValue(server.Port());
  }
  // Lets the window's time pass until `done` holds (the link polls meanwhile).
  static bool TickUntil(PreviewWindow& w, const std::function<bool()>& done) {
    for (int i = 0; i < 300 && !done(); ++i) {
      QTest::qWait(10);
      w.Tick(std::chrono::milliseconds(10));
    }
    return done();
  }
  ModbusTestServer server;
};

TEST_F(PreviewLinkTest, ShowsTheLivePlcAndGoesBackToTheSimulatedOne) {
  ASSERT_TRUE(server.StartTcp());
  PreviewWindow& w = Open("modbus-rtu.orx");
  ASSERT_TRUE(w.Runtime().Ready());
  const std::vector<panel::ScreenBinding> rows = w.Values()->Rows();
  ASSERT_FALSE(rows.empty());
  // Every register of the screen holds 7 on the PLC, every coil is on.
  for (int a = 0; a < 100; ++a) {
    server.SetHolding(a, 7);
    server.SetCoil(a, true);
  }
  EXPECT_TRUE(w.Values()->isColumnHidden(PreviewValues::kStateColumn));
  ChooseTcp(w);
  QTest::mouseClick(w.Link()->ConnectButton(), Qt::LeftButton);
  ASSERT_TRUE(w.Link()->Linked()) << w.Link()->Note().toStdString();
  EXPECT_EQ(w.Link()->ConnectButton()->text(), QStringLiteral("断开"));
  EXPECT_FALSE(w.Values()->isColumnHidden(PreviewValues::kStateColumn));
  const int row = 0;
  ASSERT_TRUE(TickUntil(w, [&] {
    return w.Values()
        ->item(row, PreviewValues::kStateColumn)
        ->text()
        .startsWith(QStringLiteral("正常"));
  })) << w.StatusText().toStdString();
  const panel::ScreenBinding& first = w.Values()->Rows()[row];
  EXPECT_EQ(w.Runtime().Source().Get(first.key), first.width == 0 ? 1u : 7u);
  EXPECT_TRUE(w.StatusText().contains(
      QStringLiteral("Modbus TCP 127.0.0.1:%1 · 已连接").arg(server.Port())))
      << w.StatusText().toStdString();

  // A silent PLC is a state, not a frozen window.
  server.SetSilent(true);
  ASSERT_TRUE(TickUntil(w, [&] { return w.StatusText().contains(QStringLiteral("无响应")); }))
      << w.StatusText().toStdString();

  // Back to the simulated PLC: its own values again.
  w.Link()->ChoiceBox()->setCurrentIndex(PreviewLink::kSimulated);
  EXPECT_FALSE(w.Link()->Linked());
  EXPECT_TRUE(w.Values()->isColumnHidden(PreviewValues::kStateColumn));
  EXPECT_EQ(&w.Runtime().Source(), static_cast<panel::PlcInterface*>(&w.Runtime().Plc()));
  EXPECT_FALSE(w.StatusText().contains(QStringLiteral("Modbus TCP")));
}

TEST_F(PreviewLinkTest, AProtocolOutsideTheModbusFamilyIsRefused) {
  PreviewWindow& w = Open("mitsubishi-fx.orx");
  ChooseTcp(w);
  EXPECT_FALSE(w.Link()->ConnectLink());
  EXPECT_TRUE(w.Link()->Note().contains(QStringLiteral("not a Modbus protocol")));
  EXPECT_TRUE(w.StatusText().contains(w.Link()->Note()));
  EXPECT_EQ(&w.Runtime().Source(), static_cast<panel::PlcInterface*>(&w.Runtime().Plc()));
}

}  // namespace
}  // namespace tavo::test

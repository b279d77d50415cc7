#include <QGuiApplication>

#include "app/ComPortDialog.h"
#include "app/DownloadDialog.h"
#include "app/LanguageMenu.h"
#include "app/MainFrame.h"
#include "app/MainView.h"
#include "app/PlcDialog.h"
#include "download/ImageCompiler.h"
#include "download/TermiosPort.h"
#include "model/Base.h"
#include "model/Project.h"
#include "plc/Catalogue.h"
#include "plc/PlcSelection.h"
#include "plc/Protocol.h"
#include "plc/ProtocolFiles.h"

// The communication commands of the main window: the PLC choice, the COM
// port and the download.

namespace tavo::app {

void MainFrame::ShowProtocol() {
  const uint8_t protocol = CurrentProtocol();
  if (!IsCatalogueProtocol(protocol)) {
    SetProtocolPaneText(tr("协议号错误!!!"));
    return;
  }
  // The pane names the driver the panel will receive for this protocol.
  Project& project = CurrentProject();
  ProtocolFiles& files = CurrentProtocolFiles();
  const bool loaded = files.LoadDriver(project.m_settings);
  // Named in the editor's language: "name.version" as the selection writes it.
  QString text = QString::fromStdString(ProtocolName(protocol, AppliedLanguage()));
  if (loaded) text += QStringLiteral(".%1").arg(files.m_driverVersion);
  SetProtocolPaneText(text);
}

void MainFrame::OnPlc() {
  Project& project = CurrentProject();
  const PlcChoice proposed = ChoiceFromSettings(project.m_settings, CurrentProtocol());
  const auto choice = RunPlcDialog(proposed, this);
  if (!choice) return;
  ApplyChoice(*choice, project.m_settings);
  project.ApplyProtocol(choice->protocol);
  project.SetModified();
  ShowProtocol();
  // The selected element's page follows the new protocol's lists.
  if (CBase* element = project.SelectedElement()) element->LoadPage();
  view_->RepaintDisplay();
}

void MainFrame::OnComPort() {
  ProtocolFiles& files = CurrentProtocolFiles();
  const QStringList ports = MachineSerialPorts();
  ComPortDialog dialog(ports, files.m_comPort, device_, this);
  if (dialog.exec() == QDialog::Accepted) {
    files.m_comPort = static_cast<uint8_t>(dialog.Index());
    SetDownloadDevicePath(dialog.Device());
  }
  files.SaveChoice(CurrentProject().m_settings);
}

}  // namespace tavo::app

namespace tavo::app {

void MainFrame::OnDownload() {
  Project& project = CurrentProject();
  // Holding Ctrl sends the driver whatever the panel holds.
  const bool forceDriver = view_->Controller().ControlDown() ||
                           (QGuiApplication::queryKeyboardModifiers() & Qt::ControlModifier);
  ProtocolFiles& files = CurrentProtocolFiles();
  if (!ConfirmDownloadErrors()) return;
  CompiledImage compiled = CompileImage(project);
  if (!compiled.correctedScreens.empty()) {
    // Limits and scales the compiler put in order stay in the elements,
    // whatever the answer to its question: one step, and the project is
    // modified, so that closing offers to save them.
    for (uint16_t number : compiled.correctedScreens) view_->History().Note(number);
    view_->Commit(tr("改正上下限").toStdString());
    if (CBase* element = project.SelectedElement()) element->LoadPage();
    UpdateCommands();
  }
  if (!compiled.Ok()) return;

  const QString device = DownloadDevice(MachineSerialPorts(), files.m_comPort, device_);
  link::TransferOptions options;
  options.protocol = CurrentProtocol();
  options.driverVersion = compiled.driver.version;
  options.forceDriver = forceDriver;
  if (device.isEmpty()) options.portLabel = "COM" + std::to_string(files.m_comPort + 1);
  link::TermiosPort port(device.toStdString());
  {
    DownloadDialog dialog(port, options, this);
    dialog.Run(std::move(compiled.image), std::move(compiled.driver.bytes));
  }
  files.ReleaseDriver();
}

}  // namespace tavo::app

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

#include "app/MainView.h"
#include "app/pages/PageArea.h"
#include "model/ClipboardForm.h"
#include "plc/Protocol.h"

// Copy, cut and paste of elements and screens through the clipboard, which
// holds the project's text form under the program's own type and as text.

namespace tavo::app {

namespace {

void Put(const char* type, const std::string& text) {
  auto* data = new QMimeData;
  const QByteArray bytes = QByteArray::fromStdString(text);
  data->setData(QString::fromLatin1(type), bytes);
  data->setText(QString::fromUtf8(bytes));
  QGuiApplication::clipboard()->setMimeData(data);
}

bool Offers(const char* type) {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data && (data->hasFormat(QString::fromLatin1(type)) || data->hasText());
}

const char kAddressesReset[] = QT_TRANSLATE_NOOP(
    "tavo::app::MainView", "粘贴的元件的寄存器类型不在当前PLC协议中，已改用该协议的默认局号和地址");

}  // namespace

bool MainView::ElementSelected() const {
  return ProjectOpen() && project_->SelectedElement() != nullptr;
}

bool MainView::ClipboardHasElement() const {
  return ProjectOpen() && Offers(kElementClipType);
}

bool MainView::ClipboardHasScreen() const {
  return ProjectOpen() && Offers(kScreenClipType);
}

bool MainView::ReadClipboard(const char* type, ClipContent& out) {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  QByteArray bytes;
  if (data && data->hasFormat(QString::fromLatin1(type)))
    bytes = data->data(QString::fromLatin1(type));
  else if (data && data->hasText())
    bytes = data->text().toUtf8();
  if (!bytes.isEmpty() && ReadClipText(std::string_view(bytes.constData(), bytes.size()), out))
    return true;
  emit StatusMessage(tr("剪贴板中没有可以粘贴的工程内容"));
  return false;
}

void MainView::CopyElement() {
  if (const CBase* element = project_->SelectedElement())
    Put(kElementClipType, ElementClipText(*element, CurrentProtocol()));
}

void MainView::CutElement() {
  if (!project_->SelectedElement()) return;
  CopyElement();
  controller_.FinishGesture();
  project_->DeleteKey();  // the selected element: no question
  controller_.m_dragging = 0;
  Commit(tr("剪切元件").toStdString());
  properties_->ShowScreenPage();
  RepaintDisplay();
  emit Changed();
}

void MainView::PasteElement() {
  ClipContent clip;
  if (!ReadClipboard(kElementClipType, clip)) return;
  controller_.FinishGesture();
  const PasteOutcome outcome = PasteElements(*project_, clip);
  if (!outcome.pasted) return;
  Commit(tr("粘贴元件").toStdString());
  if (outcome.addressesReset) emit StatusMessage(tr(kAddressesReset));
  RepaintDisplay();
  emit Changed();
}

void MainView::CopyScreenToClipboard() {
  if (const CMainView* screen = project_->CurrentScreen())
    Put(kScreenClipType, ScreenClipText(*screen, CurrentProtocol()));
}

void MainView::PasteScreen() {
  ClipContent clip;
  if (!ReadClipboard(kScreenClipType, clip)) return;
  const PasteOutcome outcome = tavo::PasteScreen(*project_, clip);
  if (!outcome.pasted) {
    emit StatusMessage(tr("没有空闲的画面号"));
    return;
  }
  Commit(tr("粘贴画面").toStdString());
  if (outcome.addressesReset) emit StatusMessage(tr(kAddressesReset));
  RefreshScreenList();
  RepaintDisplay();
  emit Changed();
}

}  // namespace tavo::app

#include "app/SplashWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include "app/QtPrompter.h"
#include "app/ToolIcons.h"

namespace tavo::app {

SplashWindow::SplashWindow()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(kWidth, kHeight);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().center() - QPoint(kWidth / 2, kHeight / 2));
  qApp->installEventFilter(this);
  QTimer::singleShot(kShowMs, this, &QWidget::close);
}

SplashWindow::~SplashWindow() {
  if (qApp) qApp->removeEventFilter(this);
}

bool SplashWindow::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
      QTimer::singleShot(0, this, &QWidget::close);
      break;
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

void SplashWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, SplashImage());
}

QImage SplashImage() {
  QImage image(SplashWindow::kWidth, SplashWindow::kHeight, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, true);
  QLinearGradient sky(0, 0, 0, SplashWindow::kHeight);
  sky.setColorAt(0, QColor(24, 64, 120));
  sky.setColorAt(1, QColor(8, 24, 56));
  p.fillRect(image.rect(), sky);
  // The panel's display on the left: a lit line of text on the dark screen.
  p.setPen(QPen(QColor(160, 170, 185), 2));
  p.setBrush(QColor(64, 64, 64));
  p.drawRoundedRect(QRectF(18, 30, 130, 56), 4, 4);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  for (int i = 0; i < 7; ++i) p.drawRect(QRectF(28 + i * 11, 44, 8, 10));
  p.drawRect(QRectF(28, 62, 40, 8));
  p.setBrush(QColor(0, 120, 210));
  for (int i = 0; i < 6; ++i) p.drawRoundedRect(QRectF(22 + i * 21, 100, 16, 14), 3, 3);
  p.drawImage(QPoint(300, 14), AppIconImage(32).toImage());
  // The name.
  QFont title = p.font();
  title.setPixelSize(28);
  title.setBold(true);
  p.setFont(title);
  p.setPen(Qt::white);
  p.drawText(QRect(160, 40, 180, 40), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Tavo"));
  QFont sub = p.font();
  sub.setPixelSize(15);
  sub.setBold(false);
  p.setFont(sub);
  p.drawText(QRect(160, 80, 185, 24), Qt::AlignLeft | Qt::AlignVCenter,
             QCoreApplication::translate("tavo::app::SplashWindow", "画面设置工具"));
  p.setPen(QColor(150, 180, 220));
  sub.setPixelSize(11);
  p.setFont(sub);
  p.drawText(QRect(160, 120, 185, 20), Qt::AlignLeft | Qt::AlignVCenter,
             QCoreApplication::translate("tavo::app::SplashWindow", "版本 1.0"));
  return image;
}

namespace {
QPointer<SplashWindow> g_splash;
}

void ShowSplash() {
  auto* splash = new SplashWindow;
  g_splash = splash;
  splash->show();
  splash->repaint();
}

void RaiseSplash() {
  if (g_splash) g_splash->raise();
}

}  // namespace tavo::app

#include "app/ToolIcons.h"

#include <QPainter>
#include <QPainterPath>

#include "app/Commands.h"

namespace tavo::app {

namespace {

const QColor kInk(0, 0, 0);
const QColor kShade(128, 128, 128);
const QColor kPaper(255, 255, 255);
const QColor kFolder(224, 192, 64);
const QColor kBlue(0, 0, 160);
const QColor kRed(200, 0, 0);
const QColor kGreen(0, 128, 0);
const QColor kScreen(64, 64, 64);
const QColor kLamp(255, 224, 0);

// Painting in whole pixels: rectangles cover [x, x + w) x [y, y + h).
class Pixels {
 public:
  explicit Pixels(QPainter& p) : p_(p) { p_.setRenderHint(QPainter::Antialiasing, false); }
  void Fill(int x, int y, int w, int h, const QColor& c) { p_.fillRect(x, y, w, h, c); }
  // A filled box with a one-pixel outline.
  void Box(int x, int y, int w, int h, const QColor& fill, const QColor& edge = kInk) {
    Fill(x, y, w, h, edge);
    if (w > 2 && h > 2) Fill(x + 1, y + 1, w - 2, h - 2, fill);
  }
  void Line(int x1, int y1, int x2, int y2, const QColor& c) {
    p_.setPen(QPen(c, 1));
    p_.drawLine(x1, y1, x2, y2);
  }
  void Dot(int x, int y, const QColor& c) { Fill(x, y, 1, 1, c); }

 private:
  QPainter& p_;
};

// A small monitor showing a dark screen: the base of the screen commands.
void Monitor(Pixels& px, int x, int y) {
  px.Box(x, y, 13, 10, kScreen, kInk);
  px.Fill(x + 2, y + 2, 9, 6, kScreen);
  px.Dot(x + 3, y + 3, kPaper);
  px.Dot(x + 5, y + 3, kPaper);
  px.Fill(x + 5, y + 10, 3, 1, kInk);
  px.Fill(x + 3, y + 11, 7, 1, kInk);
}

void Page(Pixels& px, int x, int y, int w, int h) {
  px.Box(x, y, w, h, kPaper);
  px.Fill(x + w - 3, y, 3, 3, Qt::transparent);
  px.Line(x + w - 3, y, x + w - 3, y + 2, kInk);
  px.Line(x + w - 3, y + 2, x + w - 1, y + 2, kInk);
  px.Line(x + w - 3, y, x + w - 1, y + 2, kInk);
}

void Draw(int id, QPainter& p) {
  Pixels px(p);
  switch (id) {
    case kCmdNewProject:
      Page(px, 4, 1, 10, 14);
      break;
    case kCmdOpen:
      px.Box(1, 4, 9, 3, kFolder);
      px.Box(1, 6, 15, 9, kFolder);
      px.Line(5, 1, 8, 1, kBlue);
      px.Line(8, 1, 10, 3, kBlue);
      break;
    case kCmdSave:
      px.Box(2, 1, 14, 15, kBlue);
      px.Fill(5, 2, 8, 5, kPaper);
      px.Box(5, 10, 8, 5, kShade);
      px.Fill(10, 11, 2, 3, kInk);
      break;
    case kCmdCut:  // scissors beside copy and paste
      px.Line(5, 1, 10, 10, kInk);
      px.Line(12, 1, 7, 10, kInk);
      px.Box(3, 10, 5, 5, kPaper, kBlue);
      px.Box(10, 10, 5, 5, kPaper, kBlue);
      break;
    case kCmdCopy:
      Page(px, 2, 1, 8, 10);
      Page(px, 7, 5, 9, 11);
      break;
    case kCmdPaste:
      px.Box(2, 2, 12, 14, kFolder);
      px.Box(5, 1, 6, 3, kShade);
      Page(px, 8, 6, 8, 10);
      break;
    case kCmdAbout:
      px.Box(3, 1, 12, 15, kPaper, kBlue);
      px.Fill(6, 4, 6, 2, kBlue);
      px.Fill(10, 6, 2, 2, kBlue);
      px.Fill(8, 8, 2, 3, kBlue);
      px.Fill(8, 12, 2, 2, kBlue);
      break;
    case kCmdLight:
      p.setRenderHint(QPainter::Antialiasing, true);
      p.setPen(QPen(kInk, 1));
      p.setBrush(kLamp);
      p.drawEllipse(QRectF(3.5, 3.5, 10, 10));
      p.setRenderHint(QPainter::Antialiasing, false);
      px.Line(8, 0, 8, 1, kRed);
      px.Line(0, 8, 1, 8, kRed);
      px.Line(16, 8, 17, 8, kRed);
      px.Line(2, 2, 3, 3, kRed);
      px.Line(14, 3, 15, 2, kRed);
      px.Line(8, 15, 8, 16, kRed);
      break;
    case kCmdKey:
      px.Box(2, 2, 14, 13, QColor(192, 192, 192));
      px.Line(3, 3, 14, 3, kPaper);
      px.Line(3, 3, 3, 13, kPaper);
      px.Line(4, 13, 14, 13, kShade);
      px.Line(14, 4, 14, 13, kShade);
      px.Fill(6, 6, 6, 2, kInk);
      px.Fill(6, 9, 6, 2, kInk);
      break;
    case kCmdText:  // a bold "T" over a base line
      px.Fill(3, 2, 12, 3, kInk);
      px.Fill(7, 5, 4, 9, kInk);
      px.Fill(2, 15, 14, 1, kBlue);
      break;
    case kCmdDynamic:  // "T" with a turning arrow: a text that follows a value
      px.Fill(1, 2, 9, 2, kInk);
      px.Fill(4, 4, 3, 10, kInk);
      px.Line(12, 4, 16, 4, kRed);
      px.Line(16, 4, 16, 12, kRed);
      px.Line(16, 12, 12, 12, kRed);
      px.Line(12, 12, 14, 10, kRed);
      px.Line(12, 12, 14, 14, kRed);
      break;
    case kCmdRegister: {  // a numeric field showing "88"
      px.Box(1, 3, 16, 11, kScreen);
      auto digit = [&](int x) {
        px.Line(x, 5, x + 4, 5, kPaper);
        px.Line(x, 8, x + 4, 8, kPaper);
        px.Line(x, 11, x + 4, 11, kPaper);
        px.Line(x, 5, x, 11, kPaper);
        px.Line(x + 4, 5, x + 4, 11, kPaper);
      };
      digit(3);
      digit(10);
      break;
    }
    case kCmdBar:
      px.Line(1, 1, 1, 15, kInk);
      px.Line(1, 15, 16, 15, kInk);
      px.Box(3, 8, 3, 7, kBlue);
      px.Box(7, 3, 3, 12, kRed);
      px.Box(11, 6, 3, 9, kGreen);
      break;
    case kCmdTrend:
      px.Line(1, 1, 1, 15, kInk);
      px.Line(1, 15, 16, 15, kInk);
      px.Line(2, 12, 5, 7, kRed);
      px.Line(5, 7, 8, 10, kRed);
      px.Line(8, 10, 12, 3, kRed);
      px.Line(12, 3, 16, 6, kRed);
      break;
    case kCmdPicture:
      px.Box(1, 2, 16, 13, QColor(160, 208, 255));
      px.Fill(12, 4, 3, 3, kLamp);
      for (int i = 0; i < 6; ++i) px.Line(2 + i, 13 - i, 12 - i, 13 - i, kGreen);
      px.Line(8, 13, 15, 8, kGreen);
      px.Fill(9, 10, 7, 4, kGreen);
      break;
    case kCmdNewScreen:
      Monitor(px, 0, 3);
      px.Line(15, 0, 15, 6, kRed);
      px.Line(12, 3, 17, 3, kRed);
      break;
    case kCmdCopyScreen:
      Monitor(px, 0, 0);
      Monitor(px, 5, 5);
      break;
    case kCmdDeleteScreen:
      Monitor(px, 0, 3);
      px.Line(11, 0, 17, 6, kRed);
      px.Line(11, 6, 17, 0, kRed);
      px.Line(12, 0, 17, 5, kRed);
      px.Line(12, 6, 17, 1, kRed);
      break;
    case kCmdSettings:  // the panel: display above a row of keys, and a pen
      px.Box(1, 2, 14, 13, QColor(192, 192, 192));
      px.Fill(3, 4, 10, 4, kScreen);
      for (int x = 3; x < 13; x += 3) px.Fill(x, 10, 2, 2, kInk);
      px.Line(17, 0, 10, 7, kBlue);
      px.Line(16, 0, 9, 7, kBlue);
      break;
    case kCmdAlarmList:
      px.Box(1, 1, 12, 15, kPaper);
      for (int y = 4; y < 14; y += 3) px.Line(3, y, 10, y, kShade);
      px.Fill(14, 2, 3, 9, kRed);
      px.Fill(14, 13, 3, 3, kRed);
      break;
    case kCmdDownload:  // an arrow into the panel
      px.Box(1, 9, 16, 7, QColor(192, 192, 192));
      px.Fill(3, 11, 8, 3, kScreen);
      px.Fill(7, 0, 4, 5, kGreen);
      for (int i = 0; i < 4; ++i) px.Line(5 + i, 5 + i, 12 - i, 5 + i, kGreen);
      break;
    case kCmdPreview:  // the panel's display, lit, under a magnifying glass
      px.Box(0, 1, 14, 11, QColor(192, 192, 192));
      px.Fill(2, 3, 10, 5, kScreen);
      px.Fill(3, 4, 5, 1, kPaper);
      px.Fill(3, 6, 3, 1, kPaper);
      for (int x = 2; x < 12; x += 3) px.Fill(x, 9, 2, 2, kInk);
      p.setRenderHint(QPainter::Antialiasing, true);
      p.setPen(QPen(kBlue, 1.5));
      p.setBrush(QColor(160, 208, 255, 160));
      p.drawEllipse(QRectF(8.5, 7.5, 6, 6));
      p.setRenderHint(QPainter::Antialiasing, false);
      px.Line(14, 13, 16, 15, kBlue);
      px.Line(15, 13, 17, 15, kBlue);
      break;
    case kCmdScreenProperties:
      Monitor(px, 0, 3);
      px.Fill(14, 1, 3, 3, kBlue);
      px.Fill(14, 5, 3, 8, kBlue);
      break;
    default:
      break;
  }
}

bool HasImage(int id) {
  for (int c : ToolbarLayout())
    if (c == id) return true;
  return false;
}

}  // namespace

QPixmap ToolImage(int commandId) {
  if (!HasImage(commandId)) return {};
  QPixmap pm(kToolImageWidth, kToolImageHeight);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  Draw(commandId, p);
  return pm;
}

QIcon ToolIcon(int commandId) {
  QPixmap pm = ToolImage(commandId);
  return pm.isNull() ? QIcon() : QIcon(pm);
}

QPixmap AppIconImage(int size) {
  QPixmap pm(size, size);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing, true);
  const double s = size / 32.0;
  p.scale(s, s);
  // The panel: a light case, the dark display with one lit line, four keys.
  p.setPen(QPen(QColor(40, 40, 40), 1.2));
  p.setBrush(QColor(210, 214, 220));
  p.drawRoundedRect(QRectF(2, 4, 28, 24), 3, 3);
  p.setBrush(QColor(64, 64, 64));
  p.drawRect(QRectF(5, 7, 22, 10));
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(7, 10, 12, 2));
  p.drawRect(QRectF(7, 13, 7, 2));
  p.setBrush(QColor(0, 90, 170));
  for (int i = 0; i < 4; ++i) p.drawRoundedRect(QRectF(5 + i * 6, 20, 4.5, 4.5), 1, 1);
  return pm;
}

}  // namespace tavo::app

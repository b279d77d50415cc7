// The register page (236) and the graph page (242).
#include <QLabel>
#include <QRadioButton>

#include "app/pages/PageWidgets.h"

namespace tavo::app {

RegisterPage::RegisterPage(QWidget* parent) : PageWidget(tr("寄存器属性"), parent) {
  PageBuilder b(this);
  // Position, size and number format.
  QLabel* x = b.Label(QStringLiteral("X:"), 10, 20, 56);
  b.Number(logic_.x, "c1087", 66, 20, 80, x);
  QLabel* y = b.Label(QStringLiteral("Y:"), 10, 45, 56);
  b.Number(logic_.y, "c1088", 66, 45, 80, y);
  b.Check(logic_.doubleSize, tr("倍角"), "c1099", 10, 70, 60);
  b.Check(logic_.inverse, tr("反相"), "c1100", 80, 70, 60);
  QLabel* digits = b.Label(tr("位数:"), 10, 95, 56);
  b.Number(logic_.digits, "c1085", 66, 95, 80, digits);
  QLabel* decimals = b.Label(tr("小数位:"), 10, 120, 56);
  b.Number(logic_.decimals, "c1086", 66, 120, 80, decimals);
  b.Label(tr("模式:"), 10, 145, 56);
  auto* modes = new RadioGroup(this);
  b.Radio(*modes, 0, QStringLiteral("HEX/BCD"), "c1131", 66, 145, 90);
  b.Radio(*modes, 1, tr("十进制"), "c1130", 66, 170, 90);
  modes->Attach(&logic_.mode);
  b.Check(logic_.isSigned, tr("有符号数"), "c1089", 66, 195, 90);

  // The PLC address.
  AddressControls& a = logic_.address;
  QLabel* station = b.Label(tr("局号:"), 166, 20, 72);
  b.Number(a.station, "c1149", 238, 20, 80, station);
  QLabel* type = b.Label(tr("类型:"), 166, 45, 72);
  b.Combo(a.type, "c1138", 238, 45, 80, type);
  // Protocol 31's variable names are long: the list gets the free last row.
  QLabel* subType = b.Label(tr("子类型:"), 166, 195, 72);
  b.Combo(a.subType, "c1092", 238, 195, 160, subType);
  QLabel* count = b.Label(tr("寄存器个数:"), 166, 95, 72);
  b.Number(logic_.count, "c1079", 238, 95, 80, count);
  QLabel* addr = b.Label(tr("地址:"), 166, 120, 72);
  b.Number(a.addr, "c1139", 238, 120, 80, addr);
  QLabel* sub = b.Label(tr("子地址:"), 166, 145, 72);
  b.Number(a.subAddr, "c1078", 238, 145, 80, sub);

  // Entry and limits: the limit boxes show 32-bit values ("-2147483648").
  b.Combo(logic_.scaling, "c1029", 326, 20, 100);
  b.Check(logic_.settable, tr("设  定"), "c1104", 326, 45, 70);
  b.Check(logic_.protect, tr("加  密"), "c1111", 400, 45, 70);
  b.Check(logic_.limited, tr("上下限"), "c1118", 326, 70, 80);
  QLabel* inHigh = b.Label(tr("输入上限:"), 326, 95, 72);
  b.Number(logic_.inHigh, "c1132", 398, 95, 108, inHigh);
  QLabel* inLow = b.Label(tr("输入下限:"), 326, 120, 72);
  b.Number(logic_.inLow, "c1083", 398, 120, 108, inLow);
  QLabel* engHigh = b.Label(tr("工程量上限:"), 326, 145, 72);
  b.Number(logic_.engHigh, "c1133", 398, 145, 108, engHigh);
  QLabel* engLow = b.Label(tr("工程量下限:"), 326, 170, 72);
  b.Number(logic_.engLow, "c1084", 398, 170, 108, engLow);
  WireFocus();
}

GraphPage::GraphPage(QWidget* parent) : PageWidget(tr("属性"), parent) {
  PageBuilder b(this);
  QLabel* x = b.Label(QStringLiteral("X:"), 10, 20, 64);
  b.Number(logic_.x, "c1087", 74, 20, 80, x);
  QLabel* y = b.Label(QStringLiteral("Y:"), 10, 45, 64);
  b.Number(logic_.y, "c1088", 74, 45, 80, y);
  QLabel* w = b.Label(tr("宽:"), 10, 70, 64);
  b.Number(logic_.width, "c1089", 74, 70, 80, w);
  QLabel* h = b.Label(tr("高:"), 10, 95, 64);
  b.Number(logic_.height, "c1090", 74, 95, 80, h);
  QLabel* dir = b.Label(tr("方向:"), 10, 120, 64);
  b.Combo(logic_.direction, "c1145", 74, 120, 80, dir);
  QLabel* points = b.Label(tr("数据采集:"), 10, 120, 64);
  CNumEdit* pointsBox = b.Number(logic_.points, "c1096", 74, 120, 80, points);
  pointsBox->buddies().Add(b.Label(tr("点"), 158, 120, 20));
  QLabel* interval = b.Label(tr("采样间隔:"), 10, 145, 64);
  CNumEdit* intervalBox = b.Number(logic_.interval, "c1099", 74, 145, 80, interval);
  intervalBox->buddies().Add(b.Label(tr("秒"), 158, 145, 20));

  AddressControls& a = logic_.address;
  QLabel* station = b.Label(tr("局号:"), 184, 20, 72);
  b.Number(a.station, "c1149", 256, 20, 80, station);
  QLabel* type = b.Label(tr("类型:"), 184, 45, 72);
  b.Combo(a.type, "c1138", 256, 45, 80, type);
  // Protocol 31's variable names are long: the list gets the free last row.
  QLabel* subType = b.Label(tr("子类型:"), 184, 195, 72);
  b.Combo(a.subType, "c1029", 256, 195, 160, subType);
  QLabel* addr = b.Label(tr("地址:"), 184, 95, 72);
  b.Number(a.addr, "c1139", 256, 95, 80, addr);
  QLabel* sub = b.Label(tr("子地址:"), 184, 120, 72);
  b.Number(a.subAddr, "c1078", 256, 120, 80, sub);
  QLabel* count = b.Label(tr("寄存器个数:"), 184, 145, 72);
  b.Number(logic_.count, "c1079", 256, 145, 80, count);

  b.Label(tr("模式:"), 364, 20, 40);
  auto* modes = new RadioGroup(this);
  b.Radio(*modes, 0, QStringLiteral("HEX/BCD"), "c1131", 404, 20, 90);
  b.Radio(*modes, 1, tr("十进制"), "c1130", 404, 45, 90);
  modes->Attach(&logic_.mode);
  b.Check(logic_.isSigned, tr("有符号数"), "c1091", 404, 70, 90);
  QLabel* full = b.Label(tr("满额度值:"), 364, 95, 64);
  b.Number(logic_.fullScale, "c1092", 364, 120, 130, full);
  QLabel* zero = b.Label(tr("零额度值:"), 364, 145, 64);
  b.Number(logic_.zeroScale, "c1093", 364, 170, 130, zero);
  WireFocus();
}

void GraphPage::Load(CBase& element) {
  logic_.Load(element);
  setTitle(QString::fromStdString(logic_.Caption()));
}

}  // namespace tavo::app

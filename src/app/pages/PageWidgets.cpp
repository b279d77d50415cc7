#include "app/pages/PageWidgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "elements/UpLoadPic.h"

namespace tavo::app {

namespace {
constexpr int kRowHeight = 22;
constexpr int kSpinWidth = 16;
}  // namespace

// ---- PageBuilder ----

QLabel* PageBuilder::Label(const QString& text, int x, int y, int w, const char* id) {
  auto* label = new QLabel(text, parent_);
  label->setGeometry(x, y, w, kRowHeight);
  if (id) label->setObjectName(QString::fromLatin1(id));
  return label;
}

CNumEdit* PageBuilder::Number(NumberBox& box, const char* id, int x, int y, int w, QLabel* label) {
  auto* edit = new CNumEdit(parent_);
  edit->setObjectName(QString::fromLatin1(id));
  edit->setGeometry(x, y, w - kSpinWidth, kRowHeight);
  auto* spin = new CNumSpinCtrl(parent_);
  spin->setObjectName(QString::fromLatin1(id) + QStringLiteral("spin"));
  spin->setGeometry(x + w - kSpinWidth, y, kSpinWidth, kRowHeight);
  spin->Attach(edit);
  if (label) edit->buddies().Add(label);
  edit->Attach(&box);
  return edit;
}

CBindCheck* PageBuilder::Check(BoundCheck& check, const QString& text, const char* id, int x, int y,
                               int w) {
  auto* c = new CBindCheck(text, parent_);
  c->setObjectName(QString::fromLatin1(id));
  c->setGeometry(x, y, w, kRowHeight);
  c->Attach(&check);
  return c;
}

CBindCombo* PageBuilder::Combo(BoundCombo& combo, const char* id, int x, int y, int w,
                               QLabel* label) {
  auto* c = new CBindCombo(parent_);
  c->setObjectName(QString::fromLatin1(id));
  c->setGeometry(x, y, w, kRowHeight);
  if (label) c->buddies().Add(label);
  c->Attach(&combo);
  return c;
}

CBindEdit* PageBuilder::Edit(BoundText& text, const char* id, int x, int y, int w) {
  auto* e = new CBindEdit(parent_);
  e->setObjectName(QString::fromLatin1(id));
  e->setGeometry(x, y, w, kRowHeight);
  e->Attach(&text);
  return e;
}

QRadioButton* PageBuilder::Radio(RadioGroup& group, int value, const QString& text, const char* id,
                                 int x, int y, int w) {
  auto* r = new QRadioButton(text, parent_);
  r->setObjectName(QString::fromLatin1(id));
  r->setGeometry(x, y, w, kRowHeight);
  group.Add(r, value);
  return r;
}

// ---- PageWidget ----

PageWidget::PageWidget(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

void PageWidget::RunIdle() {
  if (!isHidden()) Logic().Idle();
}

void PageWidget::WireFocus() {
  for (CNumEdit* edit : findChildren<CNumEdit*>()) edit->beforeFocusOut = [this] { RunIdle(); };
}

// ---- screen page (159) ----

ScreenPage::ScreenPage(QWidget* parent) : PageWidget(tr("画面属性"), parent) {
  PageBuilder b(this);
  number_ = b.Label(QString(), 16, 24, 200, "c1129");
  b.Label(tr("画面描述:"), 16, 54, 110);
  b.Edit(logic_.description, "c1123", 130, 54, 360);
  QLabel* up = b.Label(tr("按向上键至画面:"), 16, 84, 110);
  b.Number(logic_.upScreen, "c1124", 130, 84, 90, up);
  QLabel* down = b.Label(tr("按向下键至画面:"), 16, 114, 110);
  b.Number(logic_.downScreen, "c1082", 130, 114, 90, down);
  WireFocus();
}

void ScreenPage::LoadScreen(CMainView& screen) {
  logic_.Load(screen);
  number_->setText(QString::fromStdString(logic_.NumberText()));
}

// ---- text page (162) ----

TextPage::TextPage(QWidget* parent) : PageWidget(tr("文本属性"), parent) {
  PageBuilder b(this);
  b.Label(tr("坐标"), 16, 24, 40);
  QLabel* x = b.Label(QStringLiteral("X:"), 60, 24, 20);
  b.Number(logic_.x, "c1087", 80, 24, 70, x);
  QLabel* y = b.Label(QStringLiteral("Y:"), 170, 24, 20);
  b.Number(logic_.y, "c1088", 190, 24, 70, y);
  b.Label(tr("特性"), 16, 56, 40);
  b.Check(logic_.doubleSize, tr("倍角"), "c1099", 60, 56, 80);
  b.Check(logic_.inverse, tr("反相"), "c1100", 150, 56, 80);
  b.Label(tr("文本"), 16, 88, 40);
  b.Label(tr("文字串:"), 60, 88, 60);
  b.Edit(logic_.text, "c1086", 120, 88, 300);
  WireFocus();
}

// ---- light page (163) ----

LightPage::LightPage(QWidget* parent) : PageWidget(tr("指示灯属性"), parent) {
  PageBuilder b(this);
  QLabel* x = b.Label(QStringLiteral("X:"), 16, 24, 50);
  b.Number(logic_.x, "c1087", 70, 24, 80, x);
  QLabel* y = b.Label(QStringLiteral("Y:"), 16, 52, 50);
  b.Number(logic_.y, "c1088", 70, 52, 80, y);
  b.Check(logic_.doubleSize, tr("倍角"), "c1099", 70, 80, 80);
  QLabel* style = b.Label(tr("种类:"), 16, 108, 50);
  b.Combo(logic_.style, "c1107", 70, 108, 100, style);
  QLabel* logic = b.Label(tr("逻辑:"), 16, 136, 50);
  b.Combo(logic_.logic, "c1029", 70, 136, 100, logic);

  AddressControls& a = logic_.address;
  QLabel* station = b.Label(tr("局号:"), 250, 24, 60);
  b.Number(a.station, "c1149", 310, 24, 90, station);
  QLabel* type = b.Label(tr("类型:"), 250, 52, 60);
  b.Combo(a.type, "c1135", 310, 52, 90, type);
  QLabel* subType = b.Label(tr("子类型:"), 250, 80, 60);
  b.Combo(a.subType, "c1092", 310, 80, 150, subType);
  QLabel* addr = b.Label(tr("地址:"), 250, 108, 60);
  b.Number(a.addr, "c1136", 310, 108, 90, addr);
  QLabel* sub = b.Label(tr("子地址:"), 250, 136, 60);
  b.Number(a.subAddr, "c1078", 310, 136, 90, sub);
  QLabel* offset = b.Label(tr("偏移:"), 250, 164, 60);
  b.Number(logic_.bitOffset, "c1080", 310, 164, 90, offset);
  WireFocus();
}

// ---- picture page (402) ----

PicturePage::PicturePage(QWidget* parent) : PageWidget(tr("图片属性"), parent) {
  PageBuilder b(this);
  QLabel* x = b.Label(QStringLiteral("X:"), 16, 24, 30);
  b.Number(logic_.x, "c1087", 50, 24, 80, x);
  QLabel* y = b.Label(QStringLiteral("Y:"), 16, 52, 30);
  b.Number(logic_.y, "c1088", 50, 52, 80, y);
  // Width and height are shown in boxes that cannot be edited.
  b.Label(tr("宽:"), 160, 24, 30);
  b.Label(tr("高:"), 160, 52, 30);
  const char* ids[] = {"c1089", "c1090"};
  for (int i = 0; i < 2; ++i) {
    auto* box = new QLineEdit(this);
    box->setObjectName(QString::fromLatin1(ids[i]));
    box->setGeometry(190, 24 + 28 * i, 64, 22);
    box->setReadOnly(true);
    auto* arrows = new CNumSpinCtrl(this);
    arrows->setGeometry(254, 24 + 28 * i, 16, 22);
    arrows->setEnabled(false);
    (i == 0 ? width_ : height_) = box;
  }
  WireFocus();
}

void PicturePage::Load(CBase& element) {
  logic_.Load(element);
  width_->setText(QString::number(logic_.Width()));
  height_->setText(QString::number(logic_.Height()));
}

}  // namespace tavo::app

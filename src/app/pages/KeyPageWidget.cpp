// The function-key page (164) and its three sub-pages in frame 1137.
#include <QLabel>
#include <QRadioButton>

#include "app/pages/PageWidgets.h"
#include "elements/Function.h"

namespace tavo::app {

KeyPage::KeyPage(QWidget* parent) : PageWidget(tr("功能键属性"), parent) {
  PageBuilder b(this);
  QLabel* x = b.Label(QStringLiteral("X:"), 12, 20, 20);
  b.Number(logic_.x, "c1087", 32, 20, 66, x);
  QLabel* y = b.Label(QStringLiteral("Y:"), 108, 20, 20);
  b.Number(logic_.y, "c1088", 128, 20, 66, y);
  b.Check(logic_.doubleSize, tr("倍角"), "c1103", 210, 20, 60);
  b.Check(logic_.inverse, tr("反相"), "c1100", 275, 20, 60);
  QLabel* key = b.Label(tr("键:"), 12, 46, 24);
  b.Combo(logic_.key, "c1029", 36, 46, 110, key);
  b.Check(logic_.hand, tr("手形"), "c1109", 210, 46, 60);
  b.Check(logic_.hidden, tr("隐形"), "c1110", 275, 46, 60);
  b.Check(logic_.protect, tr("加密"), "c1111", 340, 46, 60);
  auto* actions = new RadioGroup(this);
  b.Radio(*actions, kActionSetCoil, tr("设定线圈"), "c1112", 12, 72, 90);
  b.Radio(*actions, kActionJump, tr("画面跳转"), "c1113", 110, 72, 90);
  b.Radio(*actions, kActionSetRegister, tr("设定寄存器"), "c1114", 208, 72, 100);
  b.Radio(*actions, kActionRecipe, tr("配方"), "c1115", 316, 72, 70);
  actions->Attach(&logic_.action);

  auto* frame = new QFrame(this);
  frame->setObjectName(QStringLiteral("c1137"));
  frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
  frame->setGeometry(8, 98, 496, 126);

  // 249 "线圈": set coil and set register.
  coilPage_ = new QWidget(frame);
  coilPage_->setObjectName(QStringLiteral("page249"));
  coilPage_->setGeometry(2, 2, 492, 122);
  {
    PageBuilder c(coilPage_);
    AddressControls& a = logic_.coil;
    QLabel* station = c.Label(tr("局号:"), 6, 4, 44);
    c.Number(a.station, "c1149", 50, 4, 80, station);
    QLabel* type = c.Label(tr("类型:"), 146, 4, 40);
    c.Combo(a.type, "c1135", 186, 4, 80, type);
    QLabel* subType = c.Label(tr("子类型:"), 280, 4, 50);
    c.Combo(a.subType, "c1092", 330, 4, 150, subType);
    QLabel* addr = c.Label(tr("地址:"), 6, 32, 44);
    c.Number(a.addr, "c1136", 50, 32, 80, addr);
    QLabel* sub = c.Label(tr("子地址:"), 146, 32, 50);
    c.Number(a.subAddr, "c1079", 196, 32, 70, sub);
    valueLabel_ = c.Label(tr("参数:"), 6, 60, 44);
    c.Number(logic_.value, "c1078", 50, 60, 120, valueLabel_);
    c.Combo(logic_.format, "c1138", 186, 60, 96);  // room for "Unsigned"
    auto* ops = new RadioGroup(this);
    c.Radio(*ops, 0, tr("设定为ON"), "c1114", 6, 60, 100);
    c.Radio(*ops, 1, tr("设定为OFF"), "c1115", 110, 60, 100);
    c.Radio(*ops, 2, tr("取反"), "c1116", 214, 60, 70);
    c.Radio(*ops, 3, tr("瞬时ON"), "c1117", 288, 60, 90);
    ops->Attach(&logic_.coilOp);
  }

  // 238 "画面": screen jump.
  jumpPage_ = new QWidget(frame);
  jumpPage_->setObjectName(QStringLiteral("page238"));
  jumpPage_->setGeometry(2, 2, 492, 122);
  {
    PageBuilder j(jumpPage_);
    j.Label(tr("跳转至:"), 6, 4, 60);
    auto* kinds = new RadioGroup(this);
    j.Radio(*kinds, 0, tr("画面"), "c1083", 20, 32, 70);
    j.Number(logic_.screenNo, "c1129", 96, 32, 90);
    j.Radio(*kinds, 1, tr("报警列表"), "c1168", 20, 60, 100);
    // The time and date screen is never offered on this page.
    j.Radio(*kinds, 2, tr("时间/日期"), "c1084", 20, 88, 100);
    kinds->NeverShow(2);
    kinds->Attach(&logic_.jumpKind);
  }

  // 408 "配方": recipe.
  recipePage_ = new QWidget(frame);
  recipePage_->setObjectName(QStringLiteral("page408"));
  recipePage_->setGeometry(2, 2, 492, 122);
  {
    PageBuilder r(recipePage_);
    auto* ops = new RadioGroup(this);
    r.Radio(*ops, 0, tr("上传"), "c1223", 6, 4, 70);
    r.Radio(*ops, 1, tr("下载"), "c1224", 80, 4, 70);
    r.Radio(*ops, 2, tr("基址增加"), "c1225", 154, 4, 90);
    r.Radio(*ops, 3, tr("基址减少"), "c1237", 248, 4, 90);
    ops->Attach(&logic_.recipeOp);
    QLabel* station = r.Label(tr("局号:"), 6, 34, 60);
    r.Number(logic_.recipeStation, "c1149", 66, 34, 80, station);
    QLabel* type = r.Label(tr("类型:"), 166, 34, 40);
    r.Combo(logic_.recipeType, "c1138", 206, 34, 80, type);
    QLabel* addr = r.Label(tr("上下限:"), 6, 64, 60);
    r.Number(logic_.recipeAddr, "c1129", 66, 64, 80, addr);
    QLabel* target = r.Label(tr("目标地址:"), 166, 64, 70);
    r.Number(logic_.recipeTarget, "c1236", 236, 64, 80, target);
    QLabel* len = r.Label(tr("长度:"), 330, 64, 40);
    r.Number(logic_.recipeLen, "c1226", 370, 64, 80, len);
  }

  logic_.onLayout = [this] { ShowSubPage(); };
  ShowSubPage();
  WireFocus();
}

QWidget* KeyPage::SubPage(int id) const {
  switch (id) {
    case KeyPageLogic::kSubPageJump:
      return jumpPage_;
    case KeyPageLogic::kSubPageRecipe:
      return recipePage_;
    default:
      return coilPage_;
  }
}

void KeyPage::ShowSubPage() {
  const int shown = logic_.SubPage();
  for (int id :
       {KeyPageLogic::kSubPageCoil, KeyPageLogic::kSubPageJump, KeyPageLogic::kSubPageRecipe})
    SubPage(id)->setVisible(id == shown);
}

}  // namespace tavo::app

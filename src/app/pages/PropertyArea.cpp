#include "app/pages/PropertyArea.h"

#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "model/Base.h"
#include "model/Gbk.h"
#include "model/Screen.h"

namespace tavo::app {

PropertyArea::PropertyArea(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  box_ = new QGroupBox(this);
  auto* inner = new QVBoxLayout(box_);
  body_ = new QLabel(box_);
  body_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  body_->setTextInteractionFlags(Qt::NoTextInteraction);
  inner->addWidget(body_);
  layout->addWidget(box_);
  box_->hide();
}

QString PropertyArea::KindName(int kind) {
  switch (kind) {
    case kKindText:
      return QStringLiteral("文本");
    case kKindRegister:
      return QStringLiteral("寄存器");
    case kKindLight:
      return QStringLiteral("指示灯");
    case kKindKey:
      return QStringLiteral("功能键");
    case kKindPicture:
      return QStringLiteral("图片");
    case kKindBar:
      return QStringLiteral("棒状图");
    case kKindTrend:
      return QStringLiteral("趋势图");
    case kKindDynamic:
      return QStringLiteral("动态文本");
    default:
      return {};
  }
}

void PropertyArea::ShowPage(CBase& element) {
  box_->setTitle(KindName(element.m_kind) + QStringLiteral("属性"));
  box_->show();
}

void PropertyArea::LoadPage(CBase& element) {
  ShowPosition(element);
}

void PropertyArea::ShowPosition(CBase& element) {
  body_->setText(QStringLiteral("X: %1    Y: %2").arg(element.m_x).arg(element.m_y));
}

void PropertyArea::ShowScreenPage() {
  CMainView* screen = screen_ ? screen_() : nullptr;
  if (!screen) {
    box_->hide();
    return;
  }
  box_->setTitle(QStringLiteral("画面属性"));
  body_->setText(QStringLiteral("%1号画面\n画面描述: %2\n按向上键至画面: %3\n按向下键至画面: %4")
                     .arg(screen->m_number)
                     .arg(QString::fromStdString(GbkToUtf8(screen->m_description)))
                     .arg(screen->m_upScreen)
                     .arg(screen->m_downScreen));
  box_->show();
}

QString PropertyArea::ShownPage() const {
  return box_->isVisibleTo(this) ? box_->title() : QString();
}

}  // namespace tavo::app

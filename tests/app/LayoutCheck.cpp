#include "LayoutCheck.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>

#include "app/pages/BindControls.h"
#include "app/pages/PageWidgets.h"

namespace tavo::test {

namespace {

using app::CNumEdit;
using app::FormatNumber;
using app::NumberBox;
using app::PageWidget;

// A widget that lays out controls: its visible children are checked against
// each other. The insides of composite controls are not.
bool IsContainer(const QWidget* w) {
  const QString cls = QString::fromLatin1(w->metaObject()->className());
  return qobject_cast<const PageWidget*>(w) || qobject_cast<const QDialog*>(w) || w->isWindow() ||
         cls == QLatin1String("QWidget") || cls == QLatin1String("QFrame") ||
         cls == QLatin1String("QGroupBox");
}

// The width a line edit has for its text.
int TextRoom(const QLineEdit* edit) {
  QStyleOptionFrame opt;
  opt.initFrom(edit);
  opt.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, edit);
  const QRect r = edit->style()->subElementRect(QStyle::SE_LineEditContents, &opt, edit);
  const QMargins m = edit->textMargins();
  return r.width() - m.left() - m.right() - 2 * 2;  // the edit's own margin of 2 each side
}

int ComboRoom(const QComboBox* combo) {
  QStyleOptionComboBox opt;
  opt.initFrom(combo);
  opt.editable = false;
  return combo->style()
      ->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, combo)
      .width();
}

QString LongestValue(const NumberBox& box) {
  const QString lo = QString::fromStdString(FormatNumber(box.Min(), box.GetRadix()));
  const QString hi = QString::fromStdString(FormatNumber(box.Max(), box.GetRadix()));
  return lo.size() > hi.size() ? lo : hi;
}

QString Name(const QWidget* w) {
  QString name = w->objectName();
  if (const auto* label = qobject_cast<const QLabel*>(w)) name += "'" + label->text() + "'";
  if (const auto* button = qobject_cast<const QAbstractButton*>(w))
    name += "'" + button->text() + "'";
  return name.isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : name;
}

// The widest line of a label's text.
int TextWidth(const QFontMetrics& fm, const QString& text) {
  int widest = 0;
  for (const QString& line : text.split(QLatin1Char('\n')))
    widest = std::max(widest, fm.horizontalAdvance(line));
  return widest;
}

}  // namespace

void CheckLayout(QWidget* root, const QString& where, std::set<QString>& faults) {
  auto fault = [&](const QString& what) { faults.insert(where + ": " + what); };
  QList<QWidget*> all = root->findChildren<QWidget*>();
  all.prepend(root);
  for (QWidget* parent : all) {
    if (!parent->isVisibleTo(root) && parent != root) continue;
    if (parent != root && parent->isWindow()) continue;
    if (!IsContainer(parent)) continue;
    QList<QWidget*> kids;
    for (QObject* o : parent->children())
      if (auto* w = qobject_cast<QWidget*>(o); w && w->isVisibleTo(root) && !w->isWindow())
        kids << w;
    for (int i = 0; i < kids.size(); ++i)
      for (int j = i + 1; j < kids.size(); ++j)
        if (kids[i]->geometry().intersects(kids[j]->geometry()))
          fault(Name(kids[i]) + " overlaps " + Name(kids[j]));
    for (QWidget* w : kids) {
      if (!parent->rect().contains(w->geometry()))
        fault(Name(w) + " runs past its frame " + Name(parent));
      const QFontMetrics fm = w->fontMetrics();
      if (auto* label = qobject_cast<QLabel*>(w)) {
        if (!label->wordWrap() && !label->text().isEmpty() &&
            TextWidth(fm, label->text()) > label->contentsRect().width())
          fault(Name(w) + " is cut");
      } else if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w) ||
                 qobject_cast<QPushButton*>(w)) {
        if (w->sizeHint().width() > w->width()) fault(Name(w) + " is cut");
      } else if (auto* box = qobject_cast<CNumEdit*>(w)) {
        const NumberBox* n = box->Box();
        if (n && n->Min() <= n->Max() && fm.horizontalAdvance(LongestValue(*n)) > TextRoom(box))
          fault(Name(w) + " cannot show " + LongestValue(*n));
      } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        for (int k = 0; k < combo->count(); ++k)
          if (fm.horizontalAdvance(combo->itemText(k)) > ComboRoom(combo))
            fault(Name(w) + " cannot show " + combo->itemText(k));
      } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
        if (fm.horizontalAdvance(group->title()) + 16 > group->width()) fault(Name(w) + " is cut");
      }
    }
  }
}

void ReportLayoutFaults(const std::set<QString>& faults) {
  int shown = 0;
  for (const QString& f : faults) {
    ADD_FAILURE() << f.toStdString();
    if (++shown == 40) break;
  }
  EXPECT_TRUE(faults.empty()) << faults.size() << " layout faults";
}

}  // namespace tavo::test

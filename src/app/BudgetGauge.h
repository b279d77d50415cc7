#pragma once

#include <QColor>
#include <QFrame>
#include <optional>

#include "check/ImageBudget.h"

namespace tavo::app {

// The image budget as a pane of the status bar: "画面数据 31,204 / 32,767
// 字节" over a bar filled as far as the image takes the panel's image area.
// The bar is green while the image fits, amber above 95 % of the area (where
// the check warns: a few more texts would stop the download) and red over
// the limit. Hidden while no project is open and while the status bar shows a
// message; a click asks for the findings.
class BudgetGauge : public QFrame {
  Q_OBJECT

 public:
  explicit BudgetGauge(QWidget* parent = nullptr);

  // The budget of the last check; nullopt: no project.
  void SetBudget(const std::optional<ImageBudget>& budget);

  QString Text() const { return text_; }
  BudgetLevel Level() const { return level_; }
  // The bar's colour for a level.
  static QColor LevelColor(BudgetLevel level);

  QSize sizeHint() const override;

 signals:
  void Clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QString text_;
  BudgetLevel level_ = BudgetLevel::kFits;
  double share_ = 0;  // of the image area, 0 .. 1
};

}  // namespace tavo::app

#pragma once

#include <QImage>
#include <QStyledItemDelegate>
#include <string_view>

namespace tavo::app {

// Shows a grid cell's text in the panel's own characters, one panel pixel a
// screen pixel: 8 x 16 for a narrow character, 16 x 16 for a wide one, so that
// a cell shows the text as the panel will and a 24-byte text takes 192 pixels
// whatever the system font. The text is the item's GBK bytes (kGbkRole).
class PanelTextDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  static constexpr int kGbkRole = Qt::UserRole + 1;
  static constexpr int kMargin = 2;  // left and right of the text
  // The width of a cell that shows a text of `bytes` bytes whole.
  static constexpr int CellWidth(int bytes) { return 8 * bytes + 2 * kMargin; }

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// A panel text (GBK) as a 16-pixel-high image: lit pixels in `color`, the
// rest transparent.
QImage PanelTextImage(std::string_view gbk, QColor color);

}  // namespace tavo::app

#include "app/pages/PanelTextDelegate.h"

#include <QApplication>
#include <QPainter>

#include "render/FontLibrary.h"
#include "render/TextEncoding.h"

namespace tavo::app {

QImage PanelTextImage(std::string_view gbk, QColor color) {
  const std::vector<PanelChar> chars = SplitPanelText(gbk);
  int width = 0;
  for (const PanelChar& c : chars) width += c.wide ? 16 : 8;
  QImage image(std::max(width, 1), 16, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  const QRgb lit = color.rgba();
  const PanelFont& font = PanelFont::Shared();
  int left = 0;
  for (const PanelChar& c : chars) {
    const GlyphBitmap glyph = font.Glyph(c);
    for (int y = 0; y < 16; ++y) {
      auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
      for (int x = 0; x < glyph.width; ++x)
        if (glyph.Lit(x, y)) line[left + x] = lit;
    }
    left += c.wide ? 16 : 8;
  }
  return image;
}

void PanelTextDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
  // The cell as the style draws it (background, selection, focus), without
  // its text; then the text in the panel's characters.
  QStyleOptionViewItem cell(option);
  initStyleOption(&cell, index);
  cell.text.clear();
  const QWidget* widget = cell.widget;
  QStyle* style = widget ? widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);

  const QByteArray gbk = index.data(kGbkRole).toByteArray();
  if (gbk.isEmpty()) return;
  const QPalette::ColorGroup group =
      cell.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
  const QColor color = cell.palette.color(
      group, cell.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text);
  const QImage text = PanelTextImage(std::string_view(gbk.constData(), gbk.size()), color);
  painter->save();
  painter->setClipRect(cell.rect);
  painter->drawImage(cell.rect.left() + kMargin, cell.rect.top() + (cell.rect.height() - 16) / 2,
                     text);
  painter->restore();
}

QSize PanelTextDelegate::sizeHint(const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
  const QSize base = QStyledItemDelegate::sizeHint(option, index);
  const int bytes = static_cast<int>(index.data(kGbkRole).toByteArray().size());
  return {CellWidth(bytes), std::max(base.height(), 16)};
}

}  // namespace tavo::app

#include "controls/grid_painting.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QToolTip>

#include "controls/grid_table_model.h"
#include "ui/qt_colour.h"

namespace cw {
namespace {

void PaintExpandBox(QPainter* painter, const QRect& box, bool expanded, const QColor& colour) {
  painter->save();
  painter->setPen(colour);
  painter->setBrush(Qt::white);
  painter->drawRect(box.adjusted(0, 0, -1, -1));
  const int middle_y = box.top() + box.height() / 2;
  const int middle_x = box.left() + box.width() / 2;
  painter->drawLine(box.left() + 2, middle_y, box.right() - 2, middle_y);
  if (!expanded) painter->drawLine(middle_x, box.top() + 2, middle_x, box.bottom() - 2);
  painter->restore();
}

// Where a body cell's text goes: inside the padding, right of the expand box
// in the indented column.
QRect TextRect(const QRect& cell, const QModelIndex& index) {
  QRect text_rect = cell.adjusted(GridGeometry::kPadding, 0, -GridGeometry::kPadding, 0);
  if (index.data(GridTableModel::TreeColumnRole).toBool()) {
    text_rect.setLeft(GridGeometry::IndentedTextLeft(cell, index.data(GridTableModel::LevelRole).toInt()));
  }
  return text_rect;
}

}  // namespace

QString FitCellText(const QFontMetrics& metrics, const QString& text, int width) {
  if (metrics.horizontalAdvance(text) <= width) return text;
  return metrics.elidedText(text, Qt::ElideRight, width, Qt::TextSingleLine);
}

QRect GridGeometry::ExpandBox(const QRect& cell, int level) {
  return QRect(cell.left() + kPadding + level * kIndent, cell.top() + (cell.height() - kBoxSize) / 2, kBoxSize,
               kBoxSize);
}

QRect GridGeometry::CheckBox(const QRect& cell) {
  return QRect(cell.left() + (cell.width() - kCheckSize) / 2, cell.top() + (cell.height() - kCheckSize) / 2,
               kCheckSize, kCheckSize);
}

int GridGeometry::IndentedTextLeft(const QRect& cell, int level) {
  return ExpandBox(cell, level).right() + 1 + kPadding;
}

void PaintCheckBox(QPainter* painter, const QRect& box, bool checked, const QWidget* widget) {
  QStyleOptionButton option;
  option.rect = box;
  option.state = QStyle::State_Enabled | (checked ? QStyle::State_On : QStyle::State_Off);
  QStyle* style = widget ? widget->style() : QApplication::style();
  style->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, painter, widget);
}

void GridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const QRect cell = option.rect;
  painter->save();
  painter->fillRect(cell, index.data(Qt::BackgroundRole).value<QColor>());

  const int check = index.data(GridTableModel::CheckRole).toInt();
  if (check >= 0) {
    PaintCheckBox(painter, GridGeometry::CheckBox(cell), check == 1, option.widget);
    painter->restore();
    return;
  }

  if (index.data(GridTableModel::TreeColumnRole).toBool()) {
    const int level = index.data(GridTableModel::LevelRole).toInt();
    const int group = index.data(GridTableModel::GroupRole).toInt();
    if (group >= 0) {
      QColor line = option.palette.color(QPalette::Text);
      PaintExpandBox(painter, GridGeometry::ExpandBox(cell, level), group == 1, line);
    }
  }
  const QRect text_rect = TextRect(cell, index);
  painter->setClipRect(cell);
  painter->setFont(option.font);
  painter->setPen(index.data(Qt::ForegroundRole).value<QColor>());
  const auto alignment = index.data(Qt::TextAlignmentRole).value<Qt::Alignment>();
  const QString text = FitCellText(QFontMetrics(option.font), index.data().toString(), text_rect.width());
  painter->drawText(text_rect, static_cast<int>(alignment) | Qt::TextSingleLine, text);
  painter->restore();
}

bool GridDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                             const QModelIndex& index) {
  if (event->type() != QEvent::ToolTip) return QStyledItemDelegate::helpEvent(event, view, option, index);
  const QString text = index.data().toString();
  if (text.isEmpty() || FitCellText(QFontMetrics(option.font), text, TextRect(option.rect, index).width()) == text) {
    QToolTip::hideText();
    event->ignore();
    return false;
  }
  QToolTip::showText(event->globalPos(), text, view->viewport(), option.rect);
  return true;
}

GridHeader::GridHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
  setSectionsClickable(true);
  setHighlightSections(false);
  setMinimumSectionSize(GridModel::kMinColumnWidth);
  setDefaultAlignment(Qt::AlignCenter);
}

void GridHeader::SetColours(const GridColours& colours) {
  colours_ = colours;
  viewport()->update();
}

void GridHeader::paintSection(QPainter* painter, const QRect& rect, int logical_index) const {
  if (!rect.isValid()) return;
  painter->save();
  painter->fillRect(rect, ToQColor(colours_.header));
  painter->setPen(ToQColor(colours_.grid_lines));
  painter->drawLine(rect.topRight(), rect.bottomRight());
  painter->drawLine(rect.bottomLeft(), rect.bottomRight());

  QAbstractItemModel* items = model();
  const int check = items ? items->headerData(logical_index, Qt::Horizontal, GridTableModel::CheckRole).toInt() : -1;
  if (check >= 0) {
    PaintCheckBox(painter, GridGeometry::CheckBox(rect), check == 1, this);
    painter->restore();
    return;
  }

  const int sort = items ? items->headerData(logical_index, Qt::Horizontal, GridTableModel::SortRole).toInt() : 0;
  QRect text_rect = rect.adjusted(GridGeometry::kPadding, 0, -GridGeometry::kPadding, 0);
  if (sort != 0) {
    // A small triangle at the right: point up for ascending, down for descending.
    const int size = 4;
    const QPoint centre(rect.right() - GridGeometry::kPadding - size, rect.center().y());
    QPolygon arrow;
    if (sort == 1) {
      arrow << QPoint(centre.x() - size, centre.y() + size / 2) << QPoint(centre.x() + size, centre.y() + size / 2)
            << QPoint(centre.x(), centre.y() - size / 2 - 1);
    } else {
      arrow << QPoint(centre.x() - size, centre.y() - size / 2) << QPoint(centre.x() + size, centre.y() - size / 2)
            << QPoint(centre.x(), centre.y() + size / 2 + 1);
    }
    painter->setBrush(Qt::black);
    painter->setPen(Qt::NoPen);
    painter->drawPolygon(arrow);
    text_rect.setRight(centre.x() - size - 2);
  }
  painter->setClipRect(rect);
  painter->setPen(Qt::black);
  painter->setFont(font());
  const QString title = items ? items->headerData(logical_index, Qt::Horizontal, Qt::DisplayRole).toString() : QString();
  painter->drawText(text_rect, Qt::AlignCenter | Qt::TextSingleLine, title);
  painter->restore();
}

}  // namespace cw

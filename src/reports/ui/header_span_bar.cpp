#include "reports/ui/header_span_bar.h"

#include <QPainter>

#include "controls/list_wnd.h"

namespace cw {

HeaderSpanBar::HeaderSpanBar(CListWnd* grid, QWidget* parent) : QWidget(parent), grid_(grid) {
  hide();
  connect(grid_, &CListWnd::HeaderMoved, this, qOverload<>(&QWidget::update));
}

void HeaderSpanBar::SetSpan(std::optional<HeaderSpan> span) {
  span_ = std::move(span);
  setVisible(span_.has_value());
  update();
}

QSize HeaderSpanBar::sizeHint() const { return {100, fontMetrics().height() + 8}; }

void HeaderSpanBar::paintEvent(QPaintEvent*) {
  if (!span_) return;
  QPainter painter(this);
  const QColor header(220, 220, 255), lines(0, 0, 128);
  // The header and this bar are siblings' children: compare both in the window.
  const int offset = grid_->Header()->mapTo(window(), QPoint(0, 0)).x() - mapTo(window(), QPoint(0, 0)).x();
  for (int c = 0; c < grid_->Model().ColumnCount(); ++c) {
    if (c > span_->first_column && c <= span_->last_column) continue;
    QRect cell = grid_->HeaderSectionRect(c);
    if (c == span_->first_column) cell = cell.united(grid_->HeaderSectionRect(span_->last_column));
    cell = QRect(cell.left() + offset, 0, cell.width(), height());
    painter.fillRect(cell, header);
    painter.setPen(lines);
    painter.drawRect(cell.adjusted(0, 0, -1, -1));
    if (c == span_->first_column) painter.drawText(cell, Qt::AlignCenter, QString::fromStdString(span_->title));
  }
}

}  // namespace cw

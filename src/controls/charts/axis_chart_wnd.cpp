#include "controls/charts/axis_chart_wnd.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>

#include "base/gbk_text.h"
#include "controls/charts/chart_fonts.h"
#include "ui/qt_colour.h"

namespace cw {

// The drawing itself: sized by the scale, painted and asked for tooltips by its owner.
class CAxisChartWnd::Canvas : public QWidget {
 public:
  explicit Canvas(CAxisChartWnd* owner) : QWidget(owner), owner_(owner) { setMouseTracking(true); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    owner_->PaintDrawing(painter);
  }
  bool event(QEvent* event) override {
    if (event->type() == QEvent::ToolTip) {
      auto* help = static_cast<QHelpEvent*>(event);
      const std::string tip = owner_->TipAt(help->pos().x(), help->pos().y());
      if (tip.empty()) {
        QToolTip::hideText();
        event->ignore();
      } else {
        QToolTip::showText(help->globalPos(), QString::fromStdString(tip), this);
      }
      return true;
    }
    return QWidget::event(event);
  }

 private:
  CAxisChartWnd* owner_;
};

CAxisChartWnd::CAxisChartWnd(QWidget* parent) : QScrollArea(parent), canvas_(new Canvas(this)) {
  setWidget(canvas_);
  setWidgetResizable(false);
  setFrameShape(QFrame::NoFrame);
  setBackgroundRole(QPalette::Base);
  setFocusPolicy(Qt::StrongFocus);
  setMinimumSize(200, 150);
  // The title, the legend and a backdrop that stays put are painted over the
  // visible part: repaint them on a scroll.
  for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()})
    connect(bar, &QScrollBar::valueChanged, canvas_, qOverload<>(&QWidget::update));
  Rescale();
}

void CAxisChartWnd::SetData(ChartData data) {
  data_ = std::move(data);
  Rescale();
}

void CAxisChartWnd::SetBackdrop(BackdropPainter backdrop) {
  backdrop_ = std::move(backdrop);
  canvas_->update();
}

void CAxisChartWnd::SetZoom(int zoom) {
  if (zoom == zoom_) return;
  zoom_ = zoom;
  Rescale();
  emit ZoomChanged(zoom_);
}

int CAxisChartWnd::LabelInterval() const {
  const QFontMetrics metrics(ChartLabelFont(font()));
  int widest = 0;
  for (const std::string& label : data_.labels)
    widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(label)));
  return cw::LabelInterval(widest, scale_.x_step);
}

void CAxisChartWnd::resizeEvent(QResizeEvent* event) {
  QScrollArea::resizeEvent(event);
  Rescale();
}

void CAxisChartWnd::wheelEvent(QWheelEvent* event) {
  if (event->modifiers() & Qt::ControlModifier) {
    if (event->angleDelta().y() > 0) ZoomIn();
    else if (event->angleDelta().y() < 0) ZoomOut();
    event->accept();
    return;
  }
  QScrollArea::wheelEvent(event);
}

void CAxisChartWnd::keyPressEvent(QKeyEvent* event) {
  if (event->modifiers() & Qt::ControlModifier) {
    if (event->key() == Qt::Key_Plus || event->key() == Qt::Key_Equal) return ZoomIn();
    if (event->key() == Qt::Key_Minus) return ZoomOut();
  }
  QScrollArea::keyPressEvent(event);
}

void CAxisChartWnd::Rescale() {
  const QSize client = viewport()->size();
  scale_ = ScaleChart(data_, client.width(), client.height(), zoom_);
  // Never narrower or lower than the window, so the white background fills it.
  canvas_->resize(std::max(scale_.DrawingWidth(), client.width()), std::max(scale_.DrawingHeight(), client.height()));
  canvas_->update();
}

void CAxisChartWnd::PaintDrawing(QPainter& painter) const {
  PaintBackground(painter, canvas_->rect());
  PaintGrid(painter);
  PaintSeries(painter);
  PaintXLabels(painter);
  PaintValueAxis(painter);
  PaintTitles(painter);
  if (HasLegend()) PaintLegend(painter);
}

void CAxisChartWnd::PaintBackground(QPainter& painter, const QRect& area) const {
  if (!backdrop_) {
    painter.fillRect(area, Qt::white);
    return;
  }
  const QRect visible(QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value()), viewport()->size());
  painter.save();
  painter.setClipRect(area);
  backdrop_(painter, canvas_->rect(), visible);
  painter.restore();
}

void CAxisChartWnd::PaintGrid(QPainter& painter) const {
  const double left = ChartMargins::kLeft;
  const double right = left + scale_.points * scale_.x_step;
  for (const Gridline& line : Gridlines(scale_)) {
    const double y = scale_.YOf(line.value);
    const QColor colour = line.main ? QColor(176, 176, 208) : QColor(224, 224, 236);
    painter.setPen(QPen(colour, line.thick ? 2.0 : 1.0, line.main ? Qt::SolidLine : Qt::DotLine));
    painter.drawLine(QPointF(left, y), QPointF(std::max(right, left + 1), y));
  }
  painter.setPen(QPen(Qt::black, 1.5));
  painter.drawLine(QPointF(left, scale_.YOf(0)), QPointF(std::max(right, left + 1), scale_.YOf(0)));
}

void CAxisChartWnd::PaintValueAxis(QPainter& painter) const {
  // The value axis stays at the left of the visible part, so that a scrolled
  // chart keeps its scale; it covers the plot scrolled beneath it.
  const double offset = horizontalScrollBar()->value();
  const double axis = offset + ChartMargins::kLeft;
  if (offset > 0)
    PaintBackground(painter, QRectF(offset, ChartMargins::kTop - 10, ChartMargins::kLeft, scale_.DrawingHeight()).toAlignedRect());
  painter.setFont(ChartLabelFont(font()));
  painter.setPen(Qt::black);
  for (const Gridline& line : Gridlines(scale_)) {
    if (!line.main) continue;
    const double y = scale_.YOf(line.value);
    painter.drawText(QRectF(offset, y - 9, ChartMargins::kLeft - 6, 18), Qt::AlignRight | Qt::AlignVCenter,
                     QString::fromStdString(StrFormat("%lld", static_cast<long long>(line.value))));
  }
  painter.setPen(QPen(Qt::black, 1.5));
  painter.drawLine(QPointF(axis, scale_.YOf(scale_.Top())), QPointF(axis, scale_.YOf(scale_.Bottom())));
}

void CAxisChartWnd::PaintXLabels(QPainter& painter) const {
  painter.setFont(ChartLabelFont(font()));
  painter.setPen(Qt::black);
  const int every = LabelInterval();
  const double top = scale_.YOf(scale_.Bottom()) + 4;
  for (int i = 0; i < scale_.points; i += every) {
    const double x = scale_.XOf(i);
    painter.drawLine(QPointF(x, top - 4), QPointF(x, top - 1));
    const double half = every * scale_.x_step / 2.0;
    painter.drawText(QRectF(x - half, top, 2 * half, 18), Qt::AlignHCenter | Qt::AlignTop,
                     QString::fromStdString(data_.labels[i]));
  }
  painter.drawText(QRectF(ChartMargins::kLeft + scale_.points * scale_.x_step + 6, top, ChartMargins::kRight, 18),
                   Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(data_.x_title));
}

void CAxisChartWnd::PaintTitles(QPainter& painter) const {
  const int visible = std::min(canvas_->width(), viewport()->width());
  painter.setFont(ChartTitleFont(font()));
  painter.setPen(QColor(0, 0, 255));
  painter.drawText(QRectF(horizontalScrollBar()->value(), 4, visible, 22),
                   Qt::AlignHCenter | Qt::AlignVCenter, QString::fromStdString(data_.title));
  painter.setFont(ChartLabelFont(font()));
  painter.setPen(Qt::black);
  painter.drawText(QRectF(horizontalScrollBar()->value() + 8, 28, ChartMargins::kLeft + 100, 18),
                   Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromStdString(data_.y_title));
}

void CAxisChartWnd::PaintLegend(QPainter& painter) const {
  painter.setFont(ChartLabelFont(font()));
  const QFontMetrics metrics(painter.font());
  const QString heading = QStringLiteral("图例：");
  int width = metrics.horizontalAdvance(heading);
  for (const ChartSeries& s : data_.series) width += 18 + metrics.horizontalAdvance(QString::fromStdString(s.name)) + 10;
  const int scrolled = horizontalScrollBar()->value();
  int x = scrolled + std::min(canvas_->width(), viewport()->width()) - width - 12;
  const int y = 28;
  painter.setPen(Qt::black);
  painter.drawText(QRect(x, y, metrics.horizontalAdvance(heading), 18), Qt::AlignVCenter, heading);
  x += metrics.horizontalAdvance(heading);
  for (const ChartSeries& s : data_.series) {
    painter.fillRect(QRect(x, y + 4, 12, 10), ToQColor(s.colour));
    painter.setPen(Qt::black);
    const QString name = QString::fromStdString(s.name);
    painter.drawText(QRect(x + 16, y, metrics.horizontalAdvance(name) + 2, 18), Qt::AlignVCenter, name);
    x += 18 + metrics.horizontalAdvance(name) + 10;
  }
}

}  // namespace cw

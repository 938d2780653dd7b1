#include "controls/charts/curve_wnd.h"

#include <QPainter>
#include <QPainterPath>

#include "base/gbk_text.h"
#include "controls/charts/bar_geometry.h"
#include "ui/qt_colour.h"

namespace cw {

std::string CCurveWnd::TipAt(double x, double y) const {
  const auto hit = CurvePointAt(Scale(), Data(), x, y);
  if (!hit) return {};
  return StrFormat("%s  %s：%.2f", Data().labels[hit->point].c_str(), Data().series[hit->series].name.c_str(),
                   Data().Value(hit->series, hit->point));
}

void CCurveWnd::PaintSeries(QPainter& painter) const {
  const ChartScale& scale = Scale();
  for (int series = 0; series < static_cast<int>(Data().series.size()); ++series) {
    const QColor colour = ToQColor(Data().series[series].colour);
    QPainterPath path;
    for (int point = 0; point < scale.points; ++point) {
      const QPointF at(scale.XOf(point), scale.YOf(Data().Value(series, point)));
      if (point == 0) path.moveTo(at);
      else path.lineTo(at);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour.darker(115), 2.0));
    painter.drawPath(path);
    painter.setBrush(colour);
    painter.setPen(QPen(colour.darker(150), 1.0));
    for (int point = 0; point < scale.points; ++point)
      painter.drawEllipse(QPointF(scale.XOf(point), scale.YOf(Data().Value(series, point))), 3, 3);
  }
}

}  // namespace cw

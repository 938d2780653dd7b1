#include "controls/charts/rect_wnd.h"

#include <QPainter>

#include "base/gbk_text.h"
#include "controls/charts/bar_geometry.h"
#include "ui/qt_colour.h"

namespace cw {

std::string CRectWnd::TipAt(double x, double y) const {
  const auto hit = BarAt(Scale(), Data(), x, y);
  return hit ? StrFormat("%.2f", Data().Value(hit->series, hit->point)) : std::string();
}

void CRectWnd::PaintSeries(QPainter& painter) const {
  painter.setPen(QPen(QColor(64, 64, 64), 0.5));
  for (int point = 0; point < Scale().points; ++point) {
    for (int series = 0; series < static_cast<int>(Data().series.size()); ++series) {
      const BarRect bar = BarOf(Scale(), Data(), series, point);
      if (bar.height <= 0) continue;
      painter.setBrush(ToQColor(Data().series[series].colour));
      painter.drawRect(QRectF(bar.left, bar.top, bar.width, bar.height));
    }
  }
}

}  // namespace cw

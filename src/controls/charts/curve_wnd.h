#pragma once
// CCurveWnd: the line chart. Each series is a polyline through its points
// with a small marker on each; a marker's tooltip reads "label  name：value".
// A legend is shown when there is more than one series.
#include "controls/charts/axis_chart_wnd.h"

namespace cw {

class CCurveWnd : public CAxisChartWnd {
  Q_OBJECT
 public:
  explicit CCurveWnd(QWidget* parent = nullptr) : CAxisChartWnd(parent) {}
  std::string TipAt(double x, double y) const override;

 protected:
  void PaintSeries(QPainter& painter) const override;
  bool HasLegend() const override { return Data().series.size() > 1; }
};

}  // namespace cw

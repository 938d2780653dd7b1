#pragma once
// CRectWnd: the bar chart. Each point's series stand side by side; a bar's
// tooltip is its value ("%.2f"); the legend headed "图例：" names the series
// in their colours.
#include "controls/charts/axis_chart_wnd.h"

namespace cw {

class CRectWnd : public CAxisChartWnd {
  Q_OBJECT
 public:
  explicit CRectWnd(QWidget* parent = nullptr) : CAxisChartWnd(parent) {}
  std::string TipAt(double x, double y) const override;

 protected:
  void PaintSeries(QPainter& painter) const override;
  bool HasLegend() const override { return true; }
};

}  // namespace cw

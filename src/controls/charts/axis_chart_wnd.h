#pragma once
// CAxisChartWnd: what the bar chart CRectWnd and the line chart CCurveWnd
// share: the scale, the gridlines with their value labels, the x labels
// (thinned out so that they never collide), the titles, zoom and tooltips.
// The drawing is as big as the scale makes it; a drawing larger than the
// window scrolls.
//
// Zoom: Ctrl + wheel, Ctrl + "+" / Ctrl + "-", or ZoomIn()/ZoomOut().
#include <QScrollArea>
#include <optional>
#include <string>

#include "controls/charts/backdrop_painter.h"
#include "controls/charts/chart_axis.h"

namespace cw {

class CAxisChartWnd : public QScrollArea {
  Q_OBJECT
 public:
  explicit CAxisChartWnd(QWidget* parent = nullptr);

  void SetData(ChartData data);
  const ChartData& Data() const { return data_; }
  const ChartScale& Scale() const { return scale_; }

  // Paints the chart over `backdrop` instead of white.
  void SetBackdrop(BackdropPainter backdrop);

  int Zoom() const { return zoom_; }
  void SetZoom(int zoom);
  void ZoomIn() { SetZoom(StepZoom(zoom_, 1)); }
  void ZoomOut() { SetZoom(StepZoom(zoom_, -1)); }

  // The tooltip at a pixel of the drawing; empty where there is nothing to tell.
  virtual std::string TipAt(double x, double y) const = 0;
  // How many points one x label stands for at the current scale.
  int LabelInterval() const;

 signals:
  void ZoomChanged(int zoom);

 protected:
  // Paints the series over the grid; the painter is in drawing coordinates.
  virtual void PaintSeries(QPainter& painter) const = 0;
  // The legend's entries, painted at the top right; none by default.
  virtual bool HasLegend() const { return false; }

  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  class Canvas;
  friend class Canvas;
  void Rescale();
  void PaintDrawing(QPainter& painter) const;
  // The backdrop, or white, over `area` of the drawing.
  void PaintBackground(QPainter& painter, const QRect& area) const;
  void PaintGrid(QPainter& painter) const;
  void PaintValueAxis(QPainter& painter) const;
  void PaintXLabels(QPainter& painter) const;
  void PaintTitles(QPainter& painter) const;
  void PaintLegend(QPainter& painter) const;

  ChartData data_;
  ChartScale scale_;
  int zoom_ = 100;
  BackdropPainter backdrop_;
  Canvas* canvas_;
};

}  // namespace cw

#pragma once
// CPieWnd: one or more pies side by side (or one above the other in a tall
// window), each with its title, a legend naming every slice with its share,
// and tooltips "%s：%.2f元" (or "%s：%.2f%%" for percentage slices).
#include <QWidget>
#include <string>
#include <vector>

#include "controls/charts/backdrop_painter.h"
#include "controls/charts/pie_geometry.h"

namespace cw {

class CPieWnd : public QWidget {
  Q_OBJECT
 public:
  explicit CPieWnd(QWidget* parent = nullptr);

  void SetPies(std::vector<PieChart> pies);
  // Paints the pies over `backdrop` instead of white.
  void SetBackdrop(BackdropPainter backdrop);
  const std::vector<PieChart>& Pies() const { return pies_; }

  // The frames of the pies at the current size.
  std::vector<PieFrame> Frames() const;
  // The tooltip at a pixel; empty outside every slice.
  std::string TipAt(double x, double y) const;

  QSize sizeHint() const override { return {520, 320}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;

 private:
  // The legend's width for pies of `cell_height`, in columns of `column_width`.
  int LegendWidth(int cell_height) const;
  int LegendColumnWidth() const;
  void PaintPie(QPainter& painter, const PieChart& pie, const PieFrame& frame) const;

  std::vector<PieChart> pies_;
  BackdropPainter backdrop_;
};

}  // namespace cw

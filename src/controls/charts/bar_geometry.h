#pragma once
// Where the bars of a bar chart stand, and which bar a pixel falls on. Within
// the column of a point the series stand side by side, leaving a quarter of
// the column free between neighbouring points.
#include <optional>

#include "controls/charts/chart_axis.h"

namespace cw {

struct BarRect {
  double left, top, width, height;  // pixels in the drawing
};

// The bar of series `series` at point `point` (a value of 0 gives a bar of height 0).
BarRect BarOf(const ChartScale& scale, const ChartData& data, int series, int point);

struct BarHit {
  int series;
  int point;
  friend bool operator==(const BarHit&, const BarHit&) = default;
};
// The bar under pixel (x, y) of the drawing, if any.
std::optional<BarHit> BarAt(const ChartScale& scale, const ChartData& data, double x, double y);

// The point of a line chart within `radius` pixels of (x, y), the nearest of
// all series, if any.
std::optional<BarHit> CurvePointAt(const ChartScale& scale, const ChartData& data, double x, double y,
                                   double radius = 6);

}  // namespace cw

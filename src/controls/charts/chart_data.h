#pragma once
// What a bar or line chart shows, as plain values: one x label per point and
// one or more series with a value per point. Built by the statistics and
// budget logic from their tables; the chart widgets only paint it.
#include <string>
#include <vector>

#include "base/rgb.h"

namespace cw {

struct ChartSeries {
  std::string name;
  Rgb colour;
  std::vector<double> values;  // one per point; a missing value reads 0
};

struct ChartData {
  std::string title;
  std::string x_title;  // drawn under the x axis, e.g. "(日期)"
  std::string y_title;  // drawn over the y axis, e.g. "(金额)"
  std::vector<std::string> labels;  // one per point
  std::vector<ChartSeries> series;

  int PointCount() const { return static_cast<int>(labels.size()); }
  double Value(int series_index, int point) const;
};

}  // namespace cw

#include "controls/charts/bar_geometry.h"

#include <algorithm>
#include <cmath>

namespace cw {

BarRect BarOf(const ChartScale& scale, const ChartData& data, int series, int point) {
  const int count = std::max(1, static_cast<int>(data.series.size()));
  const double free = scale.x_step / 4.0;
  const double width = (scale.x_step - free) / count;
  const double value = data.Value(series, point);
  const double top = scale.YOf(std::max(value, 0.0));
  const double bottom = scale.YOf(std::min(value, 0.0));
  return {ChartMargins::kLeft + point * static_cast<double>(scale.x_step) + free / 2 + series * width, top, width,
          bottom - top};
}

std::optional<BarHit> BarAt(const ChartScale& scale, const ChartData& data, double x, double y) {
  const int point = scale.PointAt(x);
  if (point < 0) return std::nullopt;
  for (int series = 0; series < static_cast<int>(data.series.size()); ++series) {
    const BarRect bar = BarOf(scale, data, series, point);
    // A bar of a pixel or two stays easy to point at.
    const double top = std::min(bar.top, bar.top + bar.height / 2 - 2);
    const double bottom = std::max(bar.top + bar.height, bar.top + bar.height / 2 + 2);
    if (x >= bar.left && x < bar.left + bar.width && y >= top && y <= bottom) return BarHit{series, point};
  }
  return std::nullopt;
}

std::optional<BarHit> CurvePointAt(const ChartScale& scale, const ChartData& data, double x, double y,
                                   double radius) {
  std::optional<BarHit> best;
  double best_distance = radius;
  const int point = scale.PointAt(x);
  if (point < 0) return std::nullopt;
  for (int series = 0; series < static_cast<int>(data.series.size()); ++series) {
    const double distance = std::hypot(scale.XOf(point) - x, scale.YOf(data.Value(series, point)) - y);
    if (distance <= best_distance) {
      best_distance = distance;
      best = BarHit{series, point};
    }
  }
  return best;
}

}  // namespace cw

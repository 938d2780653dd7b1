#include "controls/charts/chart_data.h"

namespace cw {

double ChartData::Value(int series_index, int point) const {
  if (series_index < 0 || series_index >= static_cast<int>(series.size())) return 0;
  const std::vector<double>& values = series[series_index].values;
  return point >= 0 && point < static_cast<int>(values.size()) ? values[point] : 0;
}

}  // namespace cw

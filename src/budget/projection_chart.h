#pragma once
// The line chart under the projection: "盈余累计" and "实际购买力" over the
// projected months. Decades of months are thinned to one point every few
// years, always ending with the last month, so that the whole span fits a
// window at a glance.
#include "budget/projection.h"
#include "controls/charts/chart_data.h"

namespace cw {

// At most this many points before thinning.
inline constexpr int kProjectionChartPoints = 20;

ChartData ProjectionChart(const Projection& projection);

}  // namespace cw

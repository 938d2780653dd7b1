#include "budget/projection_chart.h"

#include "base/gbk_text.h"

namespace cw {
namespace {

// Months between two points: 1 when every month fits, else whole years.
int MonthsPerPoint(int months) {
  if (months <= kProjectionChartPoints) return 1;
  const int years = (months + 11) / 12;
  return 12 * ((years + kProjectionChartPoints - 1) / kProjectionChartPoints);
}

}  // namespace

ChartData ProjectionChart(const Projection& projection) {
  ChartData chart;
  chart.title = "家庭财产预算";
  chart.x_title = "(日期)";
  chart.y_title = "(金额)";
  ChartSeries accumulated{"盈余累计", {0, 0, 255}, {}};
  ChartSeries power{"实际购买力", {255, 0, 0}, {}};
  const int count = static_cast<int>(projection.months.size());
  const int step = MonthsPerPoint(count);
  auto add = [&](int k) {
    const ProjectionMonth& month = projection.months[k];
    chart.labels.push_back(step == 1 ? StrFormat("%d-%02d", month.month / 100, month.month % 100)
                                     : StrFormat("%d", month.month / 100));
    accumulated.values.push_back(month.accumulated);
    power.values.push_back(month.purchasing_power);
  };
  // Thinned points stand at each December (the last month of a year's surplus).
  for (int k = 0; k < count; ++k) {
    const bool last = k == count - 1;
    const bool december = projection.months[k].month % 100 == 12;
    const int year_index = projection.months[k].month / 100 - projection.months.front().month / 100;
    if (last || step == 1 || (december && year_index % (step / 12) == 0)) add(k);
  }
  chart.series = {std::move(accumulated), std::move(power)};
  return chart;
}

}  // namespace cw

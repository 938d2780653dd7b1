#include "controls/charts/chart_axis.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace cw {

int StepZoom(int zoom, int steps) {
  const int* first = std::begin(kChartZooms);
  const int* last = std::end(kChartZooms);
  // The place of `zoom` in the list, or of the nearest factor above it.
  int at = static_cast<int>(std::lower_bound(first, last, zoom) - first);
  // An unlisted zoom lies between at-1 and at: the first step up lands on at.
  const bool listed = at < static_cast<int>(std::size(kChartZooms)) && kChartZooms[at] == zoom;
  if (!listed && steps > 0) --steps;
  at = std::clamp(at + steps, 0, static_cast<int>(std::size(kChartZooms)) - 1);
  return kChartZooms[at];
}

long long GridStep(double value_per_pixel) {
  const long long t = std::max(1LL, static_cast<long long>(value_per_pixel * 50));
  long long p = 1;
  while (p <= t / 10) p *= 10;
  const long long m = t / p;
  if (m * 2 <= 5) return p;   // m <= 2.5
  if (m * 2 < 15) return p * 5;  // m < 7.5
  return p * 10;
}

ChartScale ScaleChart(const ChartData& data, int client_width, int client_height, int zoom) {
  ChartScale s;
  double high = 0, low = 0;
  for (const ChartSeries& series : data.series) {
    for (int i = 0; i < data.PointCount(); ++i) {
      const double v = i < static_cast<int>(series.values.size()) ? series.values[i] : 0;
      high = std::max(high, v);
      low = std::min(low, v);
    }
  }
  if (low == 0 && high < 1000) high = 1000;
  s.max = high;
  s.below = -low;
  s.points = data.PointCount();
  const double base = s.points > 0 ? static_cast<double>(client_width - ChartMargins::kWidth) / s.points : 60;
  s.x_step = std::clamp(static_cast<int>(base * zoom / 100), 32, 60);
  s.plot_height = std::max(100, (client_height - ChartMargins::kClientReserve) * zoom / 100);
  s.step = GridStep((s.max + s.below) / s.plot_height);
  const double step = static_cast<double>(s.step);
  s.steps_above = static_cast<int>((s.max + step - 1) / step);
  s.steps_below = static_cast<int>((s.below + step - 1) / step);
  // Values all within one unit of 0 (say -0.5 and nothing above) round to no step.
  if (s.steps_above + s.steps_below == 0) s.steps_above = 1;
  s.unit = s.Span() / s.plot_height;
  return s;
}

int ChartScale::PointAt(double x) const {
  if (x_step <= 0) return -1;
  const double offset = x - ChartMargins::kLeft;
  if (offset < 0) return -1;
  const int index = static_cast<int>(offset / x_step);
  return index < points ? index : -1;
}

std::vector<Gridline> Gridlines(const ChartScale& scale) {
  std::vector<Gridline> lines;
  for (int half = -2 * scale.steps_below; half <= 2 * scale.steps_above; ++half) {
    const bool main = half % 2 == 0;
    const bool thick = main && (half / 2) % 5 == 0;
    lines.push_back({static_cast<double>(scale.step) * half / 2, main, thick});
  }
  return lines;
}

int LabelInterval(int label_width, int x_step, int gap) {
  if (x_step <= 0) return 1;
  return std::max(1, (label_width + gap + x_step - 1) / x_step);
}

}  // namespace cw

#pragma once
// The scale of a bar or line chart: how many pixels a point and a unit of the
// value axis take, where the gridlines go and how big the drawing is.
//
// The value axis always contains 0 and reaches at least 1000 when nothing is
// negative, so a chart of small amounts does not fill its height with one
// tiny bar. The grid step is a round number (1, 5 or 10 times a power of ten)
// chosen so that a step is about fifty pixels high.
#include <vector>

#include "controls/charts/chart_data.h"

namespace cw {

// Margins of the plot inside the drawing; the drawing is the plot plus these.
struct ChartMargins {
  static constexpr int kLeft = 80;     // value labels and the y title
  static constexpr int kRight = 60;    // room for the last x label and the legend
  static constexpr int kTop = 50;      // the title and the y title
  static constexpr int kBottom = 30;   // the x labels
  static constexpr int kWidth = kLeft + kRight;          // 140
  static constexpr int kHeight = kTop + kBottom;          // 80
  static constexpr int kClientReserve = 100;             // client height not given to the plot
};

// Zoom factors in percent offered by the chart windows, smallest first.
inline constexpr int kChartZooms[] = {50, 75, 100, 150, 200, 300, 400};
// The next zoom factor up (`steps` > 0) or down from `zoom`, kept in the list.
int StepZoom(int zoom, int steps);

// A round grid step for `value_per_pixel` value units per pixel: t = the integer
// part of 50 units of pixels' worth, p the largest power of ten not above t,
// m = t / p; the step is p when m <= 2.5, 5p when m < 7.5, else 10p. Never below 1.
long long GridStep(double value_per_pixel);

struct ChartScale {
  double max = 0;      // the largest value and 0, raised to 1000 when nothing is negative
  double below = 0;    // minus the smallest value and 0
  long long step = 1;  // value between two main gridlines
  int steps_above = 0;  // main steps above 0
  int steps_below = 0;  // main steps below 0
  double unit = 1;      // value per pixel, the span over the plot height
  int x_step = 60;      // pixels per point
  int points = 0;
  int plot_height = 0;  // pixels of the value axis

  double Top() const { return static_cast<double>(steps_above) * step; }
  double Bottom() const { return -static_cast<double>(steps_below) * step; }
  double Span() const { return static_cast<double>(steps_above + steps_below) * step; }
  int DrawingWidth() const { return points * x_step + ChartMargins::kWidth; }
  int DrawingHeight() const { return plot_height + ChartMargins::kHeight; }
  // Pixel row of `value` and pixel column of the middle of point `index`, in the drawing.
  double YOf(double value) const { return ChartMargins::kTop + (Top() - value) / unit; }
  double XOf(int index) const { return ChartMargins::kLeft + (index + 0.5) * x_step; }
  // The point whose column holds pixel column `x`, or -1.
  int PointAt(double x) const;
};

// The scale of `data` in a client area of width × height pixels at `zoom` percent.
// A client too small for a plot still gets a plot of 100 pixels.
ChartScale ScaleChart(const ChartData& data, int client_width, int client_height, int zoom);

// A gridline of the value axis: every half step, every fifth step drawn thick,
// the main steps labelled with their integer value.
struct Gridline {
  double value;
  bool main;   // a whole step: labelled
  bool thick;  // every fifth step (0 included)
};
std::vector<Gridline> Gridlines(const ChartScale& scale);

// How many points one x label stands for so that labels `label_width` pixels
// wide with `gap` pixels between them never overlap: 1 labels every point, 2
// every other one, and so on.
int LabelInterval(int label_width, int x_step, int gap = 8);

}  // namespace cw

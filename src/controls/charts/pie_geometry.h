#pragma once
// Pie charts: the slices of a list of amounts, which slice lies under a pixel,
// the palette, and the split of signed amounts into two pies.
//
// Angles are in degrees, counter-clockwise from the 3 o'clock direction (as
// Qt draws pies), the first slice starting at 0; a pixel's angle is measured
// with the screen's y axis pointing down, so "up" is 90°.
#include <string>
#include <vector>

#include "base/rgb.h"

namespace cw {

// The slice colours, taken by slice index modulo their count.
const std::vector<Rgb>& SlicePalette();
Rgb SliceColour(int index);

struct PieItem {
  std::string name;
  double value = 0;  // >= 0 in a pie
};

// A pie as a chart shows it: a title above and one slice per item.
struct PieChart {
  std::string title;
  std::vector<PieItem> items;  // values >= 0
  bool percentages = false;    // values are fractions, shown as percentages
};

struct PieSlice {
  double start = 0;  // degrees
  double sweep = 0;  // degrees
};

// One slice per item in proportion to its share of the sum; all sweeps 0 when
// the sum is 0.
std::vector<PieSlice> PieSlices(const std::vector<PieItem>& items);

// The angle (0 to below 360) of pixel (x, y) seen from the centre (cx, cy).
double AngleAt(double cx, double cy, double x, double y);

// The slice under pixel (x, y) of a pie of `radius` around (cx, cy), or -1
// outside the pie or when it is empty.
int SliceAt(const std::vector<PieSlice>& slices, double cx, double cy, double radius, double x, double y);

// Signed amounts split for two pies: positive values in `positive`, negative
// ones (as their magnitude) in `negative`; zero amounts (within 1e-7) are left out.
struct SplitPies {
  std::vector<PieItem> positive;
  std::vector<PieItem> negative;
};
SplitPies SplitBySign(const std::vector<PieItem>& signed_items);

// The tooltip of a slice: "%s：%.2f元", or for percentage slices (value a
// fraction) "%s：%.2f%%" of value × 100.
std::string SliceTip(const PieItem& item, bool percentages);

// The place of each of `pies` pies in a client area of width × height: the
// area is cut into equal cells, side by side when it is wider than high,
// else one above the other. A cell has a title band on top, the legend
// (`legend_width` pixels, less when the cell is narrow) at its right and the
// pie in what is left.
struct PieFrame {
  int left, top, width, height;  // the cell
  double cx, cy, radius;         // the pie
  int legend_left, legend_top;   // the legend's first line
};
inline constexpr int kPieTitleBand = 30;
std::vector<PieFrame> PieFrames(int width, int height, int pies, int legend_width);

}  // namespace cw

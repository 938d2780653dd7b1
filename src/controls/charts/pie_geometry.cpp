#include "controls/charts/pie_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "base/gbk_text.h"

namespace cw {

const std::vector<Rgb>& SlicePalette() {
  static const std::vector<Rgb> kPalette{
      {255, 0, 0},    {0, 0, 255},     {0, 128, 64},  {128, 255, 255}, {128, 128, 0},  {255, 0, 255},
      {0, 128, 192},  {255, 128, 64},  {0, 64, 128},  {128, 255, 128}, {128, 0, 128},  {128, 64, 64},
      {0, 128, 64},   {128, 0, 128},   {128, 64, 64}, {128, 128, 0},   {64, 128, 128}, {192, 192, 192}};
  return kPalette;
}

Rgb SliceColour(int index) {
  const auto& palette = SlicePalette();
  const int n = static_cast<int>(palette.size());
  return palette[((index % n) + n) % n];
}

std::vector<PieSlice> PieSlices(const std::vector<PieItem>& items) {
  double total = 0;
  for (const PieItem& item : items) total += item.value;
  std::vector<PieSlice> slices;
  double start = 0;
  for (const PieItem& item : items) {
    const double sweep = total > 0 ? item.value / total * 360.0 : 0;
    slices.push_back({start, sweep});
    start += sweep;
  }
  return slices;
}

double AngleAt(double cx, double cy, double x, double y) {
  double degrees = std::atan2(cy - y, x - cx) * 180.0 / std::numbers::pi;
  if (degrees < 0) degrees += 360.0;
  return degrees >= 360.0 ? 0.0 : degrees;
}

int SliceAt(const std::vector<PieSlice>& slices, double cx, double cy, double radius, double x, double y) {
  if (std::hypot(x - cx, y - cy) > radius) return -1;
  const double angle = AngleAt(cx, cy, x, y);
  for (int i = 0; i < static_cast<int>(slices.size()); ++i) {
    if (slices[i].sweep > 0 && angle >= slices[i].start && angle < slices[i].start + slices[i].sweep) return i;
  }
  return -1;
}

SplitPies SplitBySign(const std::vector<PieItem>& signed_items) {
  SplitPies pies;
  for (const PieItem& item : signed_items) {
    if (std::fabs(item.value) < 0.0000001) continue;
    if (item.value > 0) pies.positive.push_back(item);
    else pies.negative.push_back({item.name, -item.value});
  }
  return pies;
}

std::string SliceTip(const PieItem& item, bool percentages) {
  if (percentages) return StrFormat("%s：%.2f%%", item.name.c_str(), item.value * 100);
  return StrFormat("%s：%.2f元", item.name.c_str(), item.value);
}

std::vector<PieFrame> PieFrames(int width, int height, int pies, int legend_width) {
  std::vector<PieFrame> frames;
  if (pies <= 0) return frames;
  const bool side_by_side = width >= height;
  const int cell_width = side_by_side ? width / pies : width;
  const int cell_height = side_by_side ? height : height / pies;
  const int legend = std::min(legend_width, cell_width * 2 / 5);
  for (int i = 0; i < pies; ++i) {
    PieFrame f{};
    f.left = side_by_side ? i * cell_width : 0;
    f.top = side_by_side ? 0 : i * cell_height;
    f.width = cell_width;
    f.height = cell_height;
    const double pie_width = cell_width - legend;
    const double pie_height = cell_height - kPieTitleBand;
    f.radius = std::max(10.0, std::min(pie_width, pie_height) / 2 - 12);
    f.cx = f.left + pie_width / 2;
    f.cy = f.top + kPieTitleBand + pie_height / 2;
    f.legend_left = f.left + static_cast<int>(pie_width);
    f.legend_top = f.top + kPieTitleBand + 8;
    frames.push_back(f);
  }
  return frames;
}

}  // namespace cw

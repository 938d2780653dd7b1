#include "output/print_settings.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "base/gbk_text.h"

namespace cw {

int ClampMargin(int millimetres) {
  return std::clamp(millimetres, PrintMargins::kMinMargin, PrintMargins::kMaxMargin);
}

std::string MarginText(int millimetres) { return StrFormat(" %.1f 厘米", millimetres / 10.0); }

int ParseMarginText(std::string_view text) {
  const std::string copy(text);
  const double centimetres = std::strtod(copy.c_str(), nullptr);
  if (!std::isfinite(centimetres)) return ClampMargin(centimetres > 0 ? PrintMargins::kMaxMargin : 0);
  // A typed "4.1" is 40.99999... millimetres in binary; the small allowance
  // keeps such a value at the millimetre the user wrote.
  const double millimetres = std::trunc(centimetres * 10.0 + 1e-7);
  return ClampMargin(static_cast<int>(std::clamp(millimetres, -1.0, PrintMargins::kMaxMargin + 1.0)));
}

int StepMargin(int millimetres, int steps) { return ClampMargin(millimetres + steps); }

std::vector<PrintColumn> PrintColumnsOf(const GridModel& grid) {
  std::vector<PrintColumn> columns;
  for (int c = 0; c < grid.ColumnCount(); ++c) {
    const GridColumn& column = grid.Column(c);
    columns.push_back({column.title, c, column.width, column.visible});
  }
  return columns;
}

bool AnyColumnPrinted(const std::vector<PrintColumn>& columns) {
  return std::any_of(columns.begin(), columns.end(), [](const PrintColumn& column) { return column.printed; });
}

}  // namespace cw

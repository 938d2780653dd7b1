#pragma once
// A grid row as one line of text, so that a test compares a whole row at once:
// "key | cell | cell ..." with " [green]" for the total-row background and
// leading dots for the tree level.
#include <string>
#include <vector>

#include "controls/grid_model.h"

namespace cw::testing {

inline std::vector<std::string> GridText(const GridModel& grid) {
  std::vector<std::string> rows;
  for (int r = 0; r < grid.RowCount(); ++r) {
    std::string text(static_cast<std::size_t>(grid.Row(r).level), '.');
    text += grid.Key(r).Text();
    for (int c = 0; c < grid.ColumnCount(); ++c) text += " | " + grid.Cell(r, c);
    if (grid.Row(r).background == kTotalRowBackground) text += " [green]";
    rows.push_back(text);
  }
  return rows;
}

}  // namespace cw::testing

#pragma once
// A table row as one line of text, so that a test compares a whole row at once:
// "key | cell | cell ... [class]".
#include <string>

#include "controls/grid_model.h"
#include "reports/statistics/statistics_rows.h"

namespace cw::testing {

inline std::string RowText(const GridModel& table, int row) {
  std::string text = table.Key(row).Text();
  for (int c = 0; c < table.ColumnCount(); ++c) text += " | " + table.Cell(row, c);
  const StatRowClass row_class = RowClassOf(table.Row(row));
  if (row_class != StatRowClass::kPlain) text += " [" + RowClassName(row_class) + "]";
  return text;
}

inline std::vector<std::string> TableText(const GridModel& table) {
  std::vector<std::string> rows;
  for (int r = 0; r < table.RowCount(); ++r) rows.push_back(RowText(table, r));
  return rows;
}

}  // namespace cw::testing

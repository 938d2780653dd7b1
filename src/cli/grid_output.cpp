#include "cli/grid_output.h"

namespace cw::cli {

Table TableOfGrid(const GridModel& grid, const RowClassNamer& row_class) {
  Table table;
  table.grid = std::make_shared<const GridModel>(grid);
  table.columns.push_back({"key", "键", Format::kText});
  for (const GridColumn& column : grid.Columns()) {
    table.columns.push_back(
        {column.title, column.title, column.align == Align::Right ? Format::kNumber : Format::kText});
  }
  if (row_class) table.columns.push_back({"class", "类", Format::kText});
  for (int r = 0; r < grid.RowCount(); ++r) {
    std::vector<Value> row{grid.Key(r).Text()};
    for (int c = 0; c < grid.ColumnCount(); ++c) row.push_back(grid.Cell(r, c));
    if (row_class) row.push_back(row_class(grid.Row(r)));
    table.rows.push_back(std::move(row));
  }
  return table;
}

}  // namespace cw::cli

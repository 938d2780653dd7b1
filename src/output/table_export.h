#pragma once
// A table with its title written to a spreadsheet file: an .xlsx workbook or a
// CSV file. Both write the shown columns (a hidden column is left out, as on
// paper) to a temporary name and rename it over the target only when complete,
// so a failed export leaves an existing file as it was.
//
// Workbook layout (one sheet):
//   row 1  the title, merged over every exported column, height 30, centred,
//          "宋体" 16;
//   row 2  the column titles, centred; each column's width is its pixel width
//          divided by half the average character width of the window's font;
//   row 3… the rows, "宋体" 10, aligned as in the grid; amounts as numbers in
//          the format 0.00, percentages as numbers in 0.0%, the rest as text
//          (output/cell_kinds.h).
// CSV: a title line, a header line and the rows as they are shown; UTF-8 with
// a byte-order mark so that spreadsheet programs read the Chinese text; lines
// end in CR LF, fields with a comma, quote or line break are quoted.
#include <filesystem>
#include <string>
#include <vector>

#include "controls/grid_model.h"
#include "output/export_progress.h"
#include "output/replacing_write.h"

namespace cw {

struct TableExport {
  const GridModel& grid;
  std::string title;
  // The header texts when a module writes its own (by exported column); empty:
  // the column titles.
  std::vector<std::string> header{};
  // The average character width of the window's font in pixels (the default
  // GUI font's).
  int average_char_width = 6;
};

// Throws ExportError when the file cannot be written.
void ExportXlsx(const TableExport& table, const std::filesystem::path& target,
                const ExportProgress& progress = nullptr);
void ExportCsv(const TableExport& table, const std::filesystem::path& target);

// The columns that are exported: the visible ones, in order.
std::vector<int> ExportedColumns(const GridModel& grid);

}  // namespace cw

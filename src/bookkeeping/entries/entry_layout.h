#pragma once
// The columns of the entry pages and the roles the table code needs from them.
//
// Every page starts with "日期" and "说明" and ends with "制单" and "审核". The
// amount columns between them are summed by the statistics rows; the first two
// of them make the running column (first minus second), which the search
// result page leaves out.
#include <string>
#include <vector>

#include "controls/grid_types.h"

namespace cw {

struct EntryLayout {
  int page = 0;  // the entry page whose columns these are
  std::vector<GridColumn> columns;
  static constexpr int kDate = 0;
  static constexpr int kDescription = 1;
  std::vector<int> sums;  // amount columns summed by statistics rows, in column order
  int running = -1;       // the running column, -1 when left out
  int person = -1;        // "制单"
  int checker = -1;       // "审核"
  // The investment page: sale columns and the derived gain and rate.
  int sold_principal = -1;
  int proceeds = -1;
  int gain = -1;
  int rate = -1;
  // The opening row's description; empty on pages without one.
  std::string opening_text;
  // The full layout's running column when this layout leaves it out, else -1.
  int dropped = -1;
};

// The columns of entry page `page` (32900 to 32908). `with_running` false
// drops the running column (the search result page). An unknown page gives no
// columns.
EntryLayout LayoutOfPage(int page, bool with_running = true);

// Cells laid out for the page's full layout, fitted to `layout` (the dropped
// running cell taken out).
std::vector<std::string> FitCells(const EntryLayout& layout, std::vector<std::string> full_cells);

}  // namespace cw

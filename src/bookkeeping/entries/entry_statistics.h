#pragma once
// The statistics rows of an entry page and its running column.
//
// The voucher rows stand in number order. The opening row (key "0") comes
// first on the pages that have one, holding the balance brought forward in the
// running column; after the rows of each month comes its month-total row,
// after the months of a year its year-total row, and at the end the
// grand-total row. Statistics rows sum the amount columns of the rows they
// cover; on the investment page they also carry the gain (proceeds minus the
// principal sold) and its rate. A statistics row whose first two sums are both
// zero is left out. The running column holds, from the opening row down, the
// opening balance plus the first amount column minus the second; a statistics
// row shows the running value at its place. Statistics rows are drawn on the
// light green of every total row.
#include <optional>

#include "bookkeeping/entries/entry_layout.h"
#include "controls/grid_model.h"

namespace cw {

// Sorts the voucher rows of `table` by number and builds the statistics rows
// and the running column anew around them. Ticks, backgrounds and the
// selection (by key) of the voucher rows stay. `opening` is the balance
// brought forward, for the pages with an opening row; none leaves it out.
void ArrangeEntryTable(GridModel& table, const EntryLayout& layout, std::optional<double> opening);

}  // namespace cw

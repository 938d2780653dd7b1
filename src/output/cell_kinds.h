#pragma once
// How a table's cells leave the program: which columns are numbers, and the
// number a cell's text stands for.
#include <optional>
#include <string>

#include "controls/grid_model.h"

namespace cw {

// The column's own kind when it has one. Otherwise a column sorted as a number
// and aligned right holds figures: a percentage when every non-empty cell ends
// in "%" (the statistics' "比例"), else an amount. Every other column (account
// codes, voucher numbers, dates, names) is text, so leading zeros and dates
// survive a spreadsheet.
CellKind ColumnKind(const GridModel& grid, int column);

// The value of a cell of that kind: an amount's text read as a number (thousands
// separators allowed), a percentage's as a fraction ("12.5%" is 0.125). None
// for a text column or a cell that is no number (empty, or a caption on a total
// row), which is then written as text.
std::optional<double> CellNumber(CellKind kind, const std::string& text);

}  // namespace cw

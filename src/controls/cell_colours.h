#pragma once
// The colours one cell is painted in.
#include "controls/grid_callbacks.h"
#include "controls/grid_model.h"

namespace cw {

struct CellColours {
  Rgb background;
  Rgb text;
  friend bool operator==(const CellColours&, const CellColours&) = default;
};

// The selected row takes the selection colours (the softer pair in a list with
// a check-box column); otherwise the cell-colour callback decides, then the
// row's own background, then the body colour. The text takes the cell's own
// text colour of its row when it has one. `column` -1 stands for the
// check-box and row-number columns, which the callback is not asked about.
CellColours ResolveCellColours(const GridModel& model, const GridCallbacks& callbacks, const GridColours& colours,
                               int row, int column);

}  // namespace cw

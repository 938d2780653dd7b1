#pragma once
// What a module may install on a grid to take part in editing and colouring.
// They belong to the grid, not to a table: a table shown later keeps them.
#include <functional>
#include <optional>
#include <string>

#include "controls/grid_types.h"

namespace cw {

struct GridCallbacks {
  // Whether the cell may be edited in place. Unset: no cell is editable.
  std::function<bool(int row, int column)> can_edit{};
  // The edited text before it is stored: above 0 accepts, 0 or less refuses
  // and keeps the editor open. Unset: every text is accepted.
  std::function<int(int row, int column, const std::string& text)> accept_edit{};
  // The background of one cell, or none for the row's own colour.
  std::function<std::optional<Rgb>(int row, int column)> cell_colour{};
};

}  // namespace cw

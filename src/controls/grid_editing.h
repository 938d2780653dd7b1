#pragma once
// In-place editing rules of the grid: which cells can be edited, where the
// editor goes on a key, and how an edited text is taken.
#include <optional>
#include <string>

#include "controls/grid_callbacks.h"
#include "controls/grid_model.h"

namespace cw {

struct GridCell {
  int row = -1;
  int column = -1;
  friend bool operator==(const GridCell&, const GridCell&) = default;
};

// The editor keys that may move it to another cell.
enum class EditKey {
  LeftAtStart,  // Left with the caret at the start of the text
  RightAtEnd,   // Right with the caret at the end of the text
  Up,
  Down,
  TabOrEnter,
};

// A cell is editable when it exists, its column and row are shown and the
// can-edit callback agrees.
bool CanEditCell(const GridModel& model, const GridCallbacks& callbacks, GridCell cell);

// Where the editor moves from `from` on `key`, or none when it stays:
//   LeftAtStart  the nearest editable cell to the left in the row;
//   RightAtEnd   the nearest editable cell to the right in the row;
//   Up / Down    the same column in the previous / next shown row, when editable;
//   TabOrEnter   the nearest editable cell to the right, else the same column in
//                the next shown row when that cell is editable.
std::optional<GridCell> EditMoveTarget(const GridModel& model, const GridCallbacks& callbacks, GridCell from,
                                       EditKey key);

// Offers `text` for `cell` to the accept-edit callback and stores it when
// accepted. Returns whether it was accepted.
bool AcceptEdit(GridModel& model, const GridCallbacks& callbacks, GridCell cell, const std::string& text);

}  // namespace cw

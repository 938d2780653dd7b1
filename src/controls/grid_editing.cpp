#include "controls/grid_editing.h"

namespace cw {

bool CanEditCell(const GridModel& model, const GridCallbacks& callbacks, GridCell cell) {
  if (cell.row < 0 || cell.row >= model.RowCount() || cell.column < 0 || cell.column >= model.ColumnCount()) {
    return false;
  }
  if (!model.Column(cell.column).visible || !model.IsRowShown(cell.row)) return false;
  return callbacks.can_edit && callbacks.can_edit(cell.row, cell.column);
}

namespace {

std::optional<GridCell> SearchRow(const GridModel& model, const GridCallbacks& callbacks, GridCell from, int step) {
  for (GridCell cell{from.row, from.column + step}; cell.column >= 0 && cell.column < model.ColumnCount();
       cell.column += step) {
    if (CanEditCell(model, callbacks, cell)) return cell;
  }
  return std::nullopt;
}

std::optional<GridCell> SameColumn(const GridModel& model, const GridCallbacks& callbacks, GridCell from, int step) {
  GridCell cell{model.NextShownRow(from.row, step), from.column};
  if (CanEditCell(model, callbacks, cell)) return cell;
  return std::nullopt;
}

}  // namespace

std::optional<GridCell> EditMoveTarget(const GridModel& model, const GridCallbacks& callbacks, GridCell from,
                                       EditKey key) {
  switch (key) {
    case EditKey::LeftAtStart:
      return SearchRow(model, callbacks, from, -1);
    case EditKey::RightAtEnd:
      return SearchRow(model, callbacks, from, +1);
    case EditKey::Up:
      return SameColumn(model, callbacks, from, -1);
    case EditKey::Down:
      return SameColumn(model, callbacks, from, +1);
    case EditKey::TabOrEnter:
      if (auto right = SearchRow(model, callbacks, from, +1)) return right;
      return SameColumn(model, callbacks, from, +1);
  }
  return std::nullopt;
}

bool AcceptEdit(GridModel& model, const GridCallbacks& callbacks, GridCell cell, const std::string& text) {
  if (callbacks.accept_edit && callbacks.accept_edit(cell.row, cell.column, text) <= 0) return false;
  model.SetCell(cell.row, cell.column, text);
  return true;
}

}  // namespace cw

#include "controls/cell_colours.h"

namespace cw {

CellColours ResolveCellColours(const GridModel& model, const GridCallbacks& callbacks, const GridColours& colours,
                               int row, int column) {
  if (row == model.SelectedRow() && row >= 0) {
    if (model.HasCheckColumn()) return {colours.check_list_selected, colours.check_list_selected_text};
    return {colours.selected, colours.selected_text};
  }
  const GridRow& line = model.Row(row);
  Rgb text = colours.text;
  if (column >= 0 && column < static_cast<int>(line.text_colours.size()) && line.text_colours[column])
    text = *line.text_colours[column];
  if (column >= 0 && callbacks.cell_colour) {
    if (std::optional<Rgb> own = callbacks.cell_colour(row, column)) return {*own, text};
  }
  return {line.background.value_or(colours.body), text};
}

}  // namespace cw

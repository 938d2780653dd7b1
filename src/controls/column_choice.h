#pragma once
// The choice of shown columns made in the "显示设置" dialog: two lists, the
// hidden and the shown columns, between which the user moves entries. A required
// column is always among the shown ones.
#include <string>
#include <vector>

#include "controls/grid_model.h"

namespace cw {

class ColumnChoice {
 public:
  explicit ColumnChoice(const std::vector<GridColumn>& columns);

  // Column numbers in each list, in column order.
  std::vector<int> Hidden() const;
  std::vector<int> Shown() const;
  // The entry text of a column: its title, "* " in front for a required column.
  std::string Label(int column) const;

  // Move the chosen columns to the other list. Nothing chosen tells the user to
  // choose first; a required column among them stays shown and the user is told
  // why. Messages go through the current prompter. Returns whether anything moved.
  bool Hide(const std::vector<int>& columns);
  bool Show(const std::vector<int>& columns);
  // Move every entry; required columns stay shown without a word, since the
  // user did not pick them.
  void HideAll();
  void ShowAll();

  // Stores the visibility flags in the table.
  void ApplyTo(GridModel& model) const;

 private:
  std::vector<GridColumn> columns_;
};

}  // namespace cw

#pragma once
// CSortDialog ("排序"): the user picks one of a table's shown columns and the
// direction; the caller then sorts the table by it.
#include <vector>

#include "controls/grid_types.h"
#include "ui/own_dialog.h"

class QComboBox;
class QRadioButton;

namespace cw {

class CSortDialog : public COwnDialog {
  Q_OBJECT
 public:
  // Offers the visible `columns`; starts on `column` and `ascending`.
  CSortDialog(const std::vector<GridColumn>& columns, int column, bool ascending, QWidget* parent = nullptr);

  // The chosen table column (its number among all columns) and direction.
  int Column() const;
  bool Ascending() const;

 private:
  QComboBox* columns_ = nullptr;
  QRadioButton* ascending_ = nullptr;
  QRadioButton* descending_ = nullptr;
};

}  // namespace cw

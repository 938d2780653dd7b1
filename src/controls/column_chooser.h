#pragma once
// CColumnChooser: the dialog "显示设置" in which the user picks the shown
// columns of a table. Hidden columns are listed left, shown ones right; a
// required column carries "* " and cannot leave the shown list.
#include <vector>

#include "controls/column_choice.h"
#include "ui/own_dialog.h"

class QListWidget;

namespace cw {

class CColumnChooser : public COwnDialog {
  Q_OBJECT
 public:
  explicit CColumnChooser(const std::vector<GridColumn>& columns, QWidget* parent = nullptr);

  // The choice as it stands; the caller applies it when the dialog is accepted.
  const ColumnChoice& Choice() const { return choice_; }

 private:
  void Fill();
  static std::vector<int> Chosen(const QListWidget* list);

  ColumnChoice choice_;
  QListWidget* hidden_ = nullptr;
  QListWidget* shown_ = nullptr;
};

}  // namespace cw

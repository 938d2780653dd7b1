#pragma once
// CPrintColumnsDialog ("打印格式"): one check box per column of the table,
// ticked when the column is printed. It is accepted only with at least one
// column ticked.
#include <vector>

#include "base/prompter.h"
#include "output/print_settings.h"
#include "ui/own_dialog.h"

class QCheckBox;

namespace cw {

inline constexpr char kNoPrintColumn[] = "您没有选择任何列，请至少选择一列。";

class CPrintColumnsDialog : public COwnDialog {
  Q_OBJECT
 public:
  CPrintColumnsDialog(std::vector<PrintColumn> columns, Prompter& prompter, QWidget* parent = nullptr);

  // The columns with the printed flags as ticked.
  std::vector<PrintColumn> Columns() const;

  void accept() override;

 private:
  std::vector<PrintColumn> columns_;
  std::vector<QCheckBox*> boxes_;
  Prompter& prompter_;
};

}  // namespace cw

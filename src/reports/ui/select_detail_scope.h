#pragma once
// CSelectDetailScope ("选择明细表查询范围"): the account and the months of a
// detail table. In picker mode the account is chosen from the chart ("科    目："),
// otherwise its code is typed ("科目代码："); a code that names no account is
// refused with message 584, a start month after the end month with message
// 672; the dialog then stays open with the focus on the field at fault.
#include <optional>
#include <string>

#include "reports/ledgers/ledger_tables.h"
#include "ui/own_dialog.h"

class QDateEdit;
class QLineEdit;

namespace cw {

class CSelectItemWnd;

class CSelectDetailScope : public COwnDialog {
  Q_OBJECT
 public:
  struct Choice {
    std::string account;
    LedgerRange range;
  };

  // `range`: the months to start with; none starts at the current month.
  CSelectDetailScope(bool picker, const std::string& account, std::optional<LedgerRange> range,
                     QWidget* parent = nullptr);

  Choice Chosen() const;
  CSelectItemWnd* Picker() const { return picker_; }
  QLineEdit* CodeEdit() const { return code_; }
  QDateEdit* StartEdit() const { return start_; }
  QDateEdit* EndEdit() const { return end_; }

  void accept() override;

  static std::optional<Choice> Ask(QWidget* parent, const std::string& account, const LedgerRange& range);

 private:
  std::string Account() const;

  CSelectItemWnd* picker_ = nullptr;
  QLineEdit* code_ = nullptr;
  QDateEdit* start_;
  QDateEdit* end_;
};

}  // namespace cw

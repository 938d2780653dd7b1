#pragma once
// CSelectMonthRange ("选择月份范围"): the first and last month of a range,
// preset to the range shown. The months come back in order whichever way
// round they were chosen.
#include <optional>

#include "bookkeeping/entries/date_scope.h"
#include "ui/own_dialog.h"

class QDateEdit;

namespace cw {

class CSelectMonthRange : public COwnDialog {
  Q_OBJECT
 public:
  CSelectMonthRange(const VoucherRange& range, QWidget* parent = nullptr);

  VoucherRange Range() const;
  QDateEdit* FirstMonthEdit() const { return first_; }
  QDateEdit* LastMonthEdit() const { return last_; }

  // Asks for a range; nothing when cancelled.
  static std::optional<VoucherRange> AskRange(QWidget* parent, const VoucherRange& range);

 private:
  QDateEdit* first_ = nullptr;
  QDateEdit* last_ = nullptr;
};

}  // namespace cw

#pragma once
// CSelectCutOff: the month up to which the balance sheet counts, a month picker
// under the prompt "您要查看截止到哪个月的财产负债统计数据？".
#include <optional>

#include "ui/own_dialog.h"

class QDateEdit;

namespace cw {

class CSelectCutOff : public COwnDialog {
  Q_OBJECT
 public:
  // `bound`: the current cut-off (year × 100000 + month × 1000 + 999).
  explicit CSelectCutOff(int bound, QWidget* parent = nullptr);
  // The chosen month's cut-off bound.
  int Bound() const;
  QDateEdit* MonthEdit() const { return month_; }

  static std::optional<int> Ask(QWidget* parent, int bound);

 private:
  QDateEdit* month_;
};

}  // namespace cw

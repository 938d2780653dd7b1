#pragma once
// CSelectScope: a range of years ("选择年份范围"), months ("选择月份范围") or
// days ("选择日期范围"). Without a range supplied the fields start at today;
// years are limited to 1900-2100. A start after the end is refused with
// message 672 and the start field takes the focus; the dialog stays open.
#include <optional>
#include <utility>

#include "ui/own_dialog.h"

class QDateEdit;
class QSpinBox;

namespace cw {

class CSelectScope : public COwnDialog {
  Q_OBJECT
 public:
  enum Mode { kYears = 0, kMonths = 1, kDays = 2 };

  // `range`: the first and last day (yyyymmdd) to start with, or none.
  CSelectScope(Mode mode, std::optional<std::pair<int, int>> range, QWidget* parent = nullptr);

  // The chosen first and last day as yyyymmdd: in year mode the 1st of January
  // of each year, in month mode the 1st of each month.
  std::pair<int, int> Range() const;

  QDateEdit* StartDateEdit() const { return start_date_; }
  QDateEdit* EndDateEdit() const { return end_date_; }
  QSpinBox* StartYearEdit() const { return start_year_; }
  QSpinBox* EndYearEdit() const { return end_year_; }

  void accept() override;

  // Asks for a range; nothing when cancelled.
  static std::optional<std::pair<int, int>> Ask(QWidget* parent, Mode mode, std::optional<std::pair<int, int>> range);

 private:
  Mode mode_;
  QDateEdit* start_date_ = nullptr;
  QDateEdit* end_date_ = nullptr;
  QSpinBox* start_year_ = nullptr;
  QSpinBox* end_year_ = nullptr;
};

}  // namespace cw

#pragma once
// CChargeupDailyRecord ("记账详细数据"): the income and expense records of one
// day with their total row. "查看(&V)" or a double click opens the selected
// voucher in the booking dialog.
#include "reports/ledgers/day_records.h"
#include "ui/own_dialog.h"

class QPushButton;

namespace cw {

class CListWnd;

class CChargeupDailyRecord : public COwnDialog {
  Q_OBJECT
 public:
  // `date`: a day number.
  CChargeupDailyRecord(DayRecordsMode mode, int date, QWidget* parent = nullptr);

  CListWnd* Grid() const { return grid_; }
  QPushButton* ViewButton() const { return view_; }

  // "查看(&V)": the selected record in the booking dialog (messages 565, 619).
  void ViewSelected();

 private:
  void Rebuild();

  DayRecordsMode mode_;
  int date_;
  CListWnd* grid_;
  QPushButton* view_;
};

}  // namespace cw

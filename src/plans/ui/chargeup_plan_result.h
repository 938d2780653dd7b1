#pragma once
// CChargeupPlanResult ("预约记账记录"): the vouchers one plan (or every plan)
// booked; "查看" shows the selected voucher in the booking dialog.
#include "plans/ui/list_dialog.h"

namespace cw {

class CChargeupPlanResult : public ListDialog {
  Q_OBJECT
 public:
  // `plan_id` 0: the vouchers of every plan. `page`: the entry page the
  // vouchers are shown from.
  CChargeupPlanResult(int plan_id, int page, QWidget* parent = nullptr);

 private:
  int page_ = 0;
};

}  // namespace cw

#pragma once
// CChargeupPlanList ("预约记账列表"): the plans of one entry page's kinds with
// new, change (also by activating a row), delete, enable, disable and the
// vouchers the plans booked.
#include "plans/ui/list_dialog.h"

namespace cw {

class CChargeupPlanList : public ListDialog {
  Q_OBJECT
 public:
  CChargeupPlanList(int page, QWidget* parent = nullptr);

 private:
  void NewPlan();
  void ChangePlan(int row);
  void DeletePlans();
  void SetState(int state);
  void History(bool all);

  int page_ = 0;
};

}  // namespace cw

#pragma once
// CChargeupPlan ("预约记账"): the plan editor. It is the booking dialog without
// its date, with the schedule section "预约信息" (year, month, day or weekday,
// booking mode, state) and the match strings for the description.
//
//   new plan:       CChargeupPlan dialog(page, 0, parent);   // stores on OK
//   changing:       CChargeupPlan dialog(page, plan_id, parent);
//   one occurrence: CChargeupPlan dialog(run, parent);       // changes `run` only
#include "bookkeeping/booking/ui/charge_up.h"
#include "plans/plan_run.h"

class QButtonGroup;
class QComboBox;

namespace cw {

class CChargeupPlan : public CChargeUp {
  Q_OBJECT
 public:
  // A new plan (`plan_id` 0) of entry page `page`, or plan `plan_id`; OK is
  // enabled for a stored plan only while the logged-in user may change it.
  CChargeupPlan(int page, int plan_id, QWidget* parent = nullptr);
  // The entry of `run` for this execution run only: the schedule, the mode and
  // the state cannot be changed.
  CChargeupPlan(PlanRun& run, QWidget* parent = nullptr);

  // The plan stored (or changed) by OK; 0 before.
  int PlanId() const { return plan_id_; }
  PlanRule Rule() const;

 private:
  void BuildSchedule(int year, int month, int day, int week);
  void FillDays(int keep_index);
  int Store(const Booking& entry);

  int page_ = 0;
  int plan_id_ = 0;
  QComboBox* year_ = nullptr;
  QComboBox* month_ = nullptr;
  QComboBox* day_ = nullptr;
  QComboBox* mode_ = nullptr;
  QButtonGroup* state_ = nullptr;
};

}  // namespace cw

#pragma once
// The plan store: scheduled bookings (AccountInputPlan) with their lines
// (Detail_Plan). A plan's lines are composed by the voucher engine's rule
// for an entry of its kind and all carry the description as entered, match
// strings included; reading them back gives the entry again.
//
// Each writing call is one transaction; a failed call returns false/0 and
// leaves the plan as it was (the data store has reported why).
#include <optional>
#include <string>
#include <vector>

#include "core/booking.h"
#include "plans/occurrence.h"

namespace cw {

enum PlanMode {
  kBookSilently = 0,   // "直接记账"
  kBookAndShow = 1,    // "直接记账并向我提示记账内容"
  kConfirmFirst = 2,   // "记账前需经过我确认"
};
inline constexpr int kPlanModeCount = 3;
std::string PlanModeText(int mode);

inline constexpr int kPlanEnabled = 0;
inline constexpr int kPlanDisabled = 1;
std::string PlanStateText(int state);  // "启用" / "停用"

struct Plan {
  int plan_id = 0;  // 0 until stored
  PlanRule rule;
  int chargeup_type = kBookSilently;
  int state = kPlanEnabled;
  int person_no = 0;     // who made it (制单)
  int checker_no = 0;    // audited: no longer changeable
  int last_chargeup = 0; // the day the next occurrence is searched from; 0 when unset
  // Kind, accounts with their types, amounts, description, deposit code and the
  // line-0/line-2 debit flags as stored (has_line_flags set when read back).
  Booking entry;
};

// The plan with its lines; nothing when there is no such plan.
std::optional<Plan> ReadPlan(int plan_id);

// The plans whose kind meets the condition (an Input_Type filter the program
// builds, see KindFilter), in plan order.
std::vector<Plan> ReadPlans(const std::string& kind_filter);

// Stores a new plan made by the logged-in user with Last_Chargeup = `today`;
// returns its PlanID, 0 on failure.
int InsertPlan(const Plan& plan, int today);
// Stores the changed header and lines of `plan.plan_id`; Last_Chargeup starts
// again from `today`, so occurrences missed before the change are not booked.
bool UpdatePlan(const Plan& plan, int today);
// Deletes the plans with their lines, all or none.
bool DeletePlans(const std::vector<int>& plan_ids);
bool SetPlanState(int plan_id, int state);

// A plan may be changed by the user who made it while it is not audited.
bool CanChangePlan(const Plan& plan, int person_no);

}  // namespace cw

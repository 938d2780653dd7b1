#pragma once
// The tables of the plan list ("预约记账列表") and of the vouchers plans booked
// ("预约记账记录"), built as the windows and the command-line tool show them.
#include "controls/grid_model.h"
#include "plans/plan_store.h"

namespace cw {

// The titles of the two lists, also of their printed and exported tables.
inline constexpr char kPlanListTitle[] = "预约记账列表";
inline constexpr char kPlanHistoryTitle[] = "预约记账记录";

// Columns 预约日期, 记账方式, 状态, 记账类型, 说  明, 金  额, 制  单; one checkable
// row per plan whose kind belongs to entry page `page` (32900-32908), keyed by
// PlanID, in plan order. Page 0 lists every plan.
GridModel BuildPlanList(int page);
GridRow PlanListRow(const Plan& plan);
// Column of the state text, rewritten when a plan is enabled or disabled.
inline constexpr int kPlanStateColumn = 2;

// Columns 记账日期, 记账类型, 说  明, 金  额; one row per voucher booked by plan
// `plan_id` (0: by any plan), keyed by voucher number, in number order.
GridModel BuildPlanHistory(int plan_id);

}  // namespace cw

#include <string>
#include <utility>
#include <vector>

namespace cw {

struct PlanRun;

// The label/value rows of one plan's card in the confirmation and result
// dialogs: 记账类型, 记账日期 (every date this run books, joined by "、"),
// 说    明 (the description filled for the last of them), then the kind's
// fields: the accounts, the amounts, and for deposits the deposit type.
std::vector<std::pair<std::string, std::string>> PlanRunCard(const PlanRun& run);

}  // namespace cw

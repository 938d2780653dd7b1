#include "plan_fixture.h"

#include "base/gbk_text.h"
#include "calendar/calendar.h"
#include "store/database.h"
#include "store/row_reader.h"

namespace cw::testing {

void PlanTest::SetUp() {
  LedgerTest::SetUp();
  Database::Execute("DELETE FROM AccountInputPlan");
  Database::Execute("DELETE FROM Detail_Plan");
  Database::Execute("DELETE FROM CreditCard");
}

int PlanTest::AddPlan(const PlanRule& rule, int mode, const Booking& entry, const std::string& last) {
  Plan plan;
  plan.rule = rule;
  plan.chargeup_type = mode;
  plan.entry = entry;
  const int id = InsertPlan(plan, Day(last));
  EXPECT_GT(id, 0);
  return id;
}

Booking PlanTest::Salary(double amount) { return Make("2000-01-01", 2, "501", "102", amount, "<YM>工资"); }

std::string PlanTest::LastChargeup(int plan_id) {
  std::optional<Plan> plan = ReadPlan(plan_id);
  return plan && plan->last_chargeup ? IsoDate(plan->last_chargeup) : "none";
}

std::vector<std::string> PlanTest::Booked(int plan_id) {
  std::vector<std::string> out;
  CDBPack rows;
  rows.Open("SELECT A.Input_Time, D.Content, D.Cash FROM AccountInput A JOIN Detail_Input D "
            "ON D.Voucher_No = A.Voucher_No AND D.Line_No = 0 WHERE A.PlanID = ?1 ORDER BY A.Input_Time",
            {plan_id});
  for (; !rows.IsEnd(); rows.MoveNext()) {
    out.push_back(IsoDate(static_cast<int>(rows.GetDate("Input_Time"))) + " " + rows.GetText("Content") + " " +
                  StrFormat("%.2f", rows.GetDouble("Cash")));
  }
  return out;
}

}  // namespace cw::testing

#pragma once
// A fresh ledger with helpers to store plans and read what runs booked.
#include <string>
#include <vector>

#include "plans/plan_run.h"
#include "plans/plan_store.h"
#include "support/ledger_fixture.h"

namespace cw::testing {

class PlanTest : public LedgerTest {
 protected:
  void SetUp() override;

  // Stores a plan booking `entry` by `rule` in `mode`, searched from `last` ("YYYY-MM-DD").
  static int AddPlan(const PlanRule& rule, int mode, const Booking& entry, const std::string& last);
  // A salary of 5000 from 501 to the bank 102, described "<YM>工资".
  static Booking Salary(double amount = 5000);
  // Runs the due plans up to `today` through the test's prompter.
  RunSummary RunOn(const std::string& today, PlanRunHost host = {}) { return ExecutePlans(Day(today), host, prompter_); }
  static std::string LastChargeup(int plan_id);
  // "date content amount" of every voucher of a plan in number order.
  static std::vector<std::string> Booked(int plan_id);
};

}  // namespace cw::testing

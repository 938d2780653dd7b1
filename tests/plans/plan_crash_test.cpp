// A run killed half-way books every occurrence once: what was booked stands
// with its plan's advance, the next run books the rest.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <set>
#include <thread>

#include "calendar/calendar.h"
#include "plans/plan_run.h"
#include "plan_fixture.h"
#include "store/database.h"
#include "support/ledger_check.h"

namespace cw {
namespace {

using testing::PlanTest;

TEST_F(PlanTest, ARunKilledHalfWayLeavesEveryOccurrenceBookedOnce) {
  // Three daily plans of a year each: long enough a run to be killed inside it.
  const int plan = AddPlan({0, 0, 0, 0}, kBookSilently, Salary(1), "2024-01-01");
  const int others[] = {AddPlan({0, 0, 0, 0}, kBookSilently, Salary(2), "2024-01-01"),
                        AddPlan({0, 0, 0, 0}, kBookSilently, Salary(3), "2024-01-01")};
  const int today = Day("2024-12-31");  // 366 occurrences: no question asked
  Database::CloseDatabase();  // a connection never crosses a fork
  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (Database::OpenDatabase(Database::kUserData) != 1) _exit(3);
    ScriptedPrompter quiet;
    PlanRunHost host;
    ExecutePlans(today, host, quiet);
    _exit(0);
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(150));
  kill(child, SIGKILL);
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_EQ(1, Database::OpenDatabase(Database::kUserData));

  const std::vector<std::string> before = Booked(plan);
  ASSERT_TRUE(WIFSIGNALED(status)) << "the run ended by itself";
  // The advance matches what was booked: the next day not yet booked.
  EXPECT_EQ(LastChargeup(plan), before.empty() ? "2024-01-01" : IsoDate(Day(before.back().substr(0, 10)) + 1));
  RunOn("2024-12-31");
  const std::vector<std::string> after = Booked(plan);
  EXPECT_EQ(after.size(), 366u);
  EXPECT_EQ(std::set<std::string>(after.begin(), after.end()).size(), 366u);
  for (int other : others) EXPECT_EQ(Booked(other).size(), 366u);
  EXPECT_TRUE(testing::CheckLedger().found.empty());
}

}  // namespace
}  // namespace cw

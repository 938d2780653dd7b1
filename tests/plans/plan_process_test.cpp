// Runs of the plans in processes of their own, as the desktop program and
// coinwright-cli are: a run killed half-way and two runs at once leave every
// occurrence booked once, each voucher standing with its plan's advance.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <set>

#include "base/scripted_prompter.h"
#include "calendar/calendar.h"
#include "plans/plan_run.h"
#include "plan_fixture.h"
#include "store/database.h"
#include "support/ledger_check.h"

namespace cw {
namespace {

using testing::PlanTest;

// The run of the plans due up to `today` in a child process, on a connection
// of its own. It tells the test through a pipe how many occurrences it has
// done (0 once it has collected its plans); when `hold` is set it then waits
// for Go(), so that two runs start from the same plans as a desktop run
// waiting on its confirmation and a command-line run do.
class RunElsewhere {
 public:
  RunElsewhere(int today, bool hold) {
    Database::CloseDatabase();  // a connection never crosses a fork
    if (pipe(done_) != 0 || pipe(go_) != 0) return;
    pid_ = fork();
    if (pid_ != 0) {
      close(done_[1]);
      close(go_[0]);
      return;
    }
    if (Database::OpenDatabase(Database::kUserData) != 1) _exit(3);
    ScriptedPrompter quiet;
    PlanRunHost host;
    host.progress = [this, hold](int done, int) {
      if (write(done_[1], &done, sizeof done) != sizeof done) _exit(4);
      char go = 0;
      if (done == 0 && hold && read(go_[0], &go, 1) != 1) _exit(5);
    };
    ExecutePlans(today, host, quiet);
    _exit(0);
  }
  ~RunElsewhere() {
    close(done_[0]);
    close(go_[1]);
  }

  bool started() const { return pid_ > 0; }
  // Waits until the run has done `count` occurrences; false when it ended first.
  bool WaitForDone(int count) {
    int done = -1;
    while (done < count)
      if (read(done_[0], &done, sizeof done) != sizeof done) return false;
    return true;
  }
  void Go() { (void)!write(go_[1], "g", 1); }
  // The run's end (waitpid's status), after SIGKILL when `kill_it`.
  int End(bool kill_it) {
    if (kill_it) kill(pid_, SIGKILL);
    int status = 0;
    waitpid(pid_, &status, 0);
    return status;
  }

 private:
  pid_t pid_ = -1;
  int done_[2] = {-1, -1};
  int go_[2] = {-1, -1};
};

class PlanProcessTest : public PlanTest {
 protected:
  // Every occurrence of the daily plan `plan` is booked at most once, and its
  // Last_Chargeup is the day after the last one booked (`first` when none is).
  static void ExpectDailyBookedOnceAndAdvanced(int plan, const std::string& first) {
    const std::vector<std::string> booked = Booked(plan);
    EXPECT_EQ(booked.size(), std::set<std::string>(booked.begin(), booked.end()).size()) << "plan " << plan;
    EXPECT_EQ(LastChargeup(plan), booked.empty() ? first : IsoDate(Day(booked.back().substr(0, 10)) + 1))
        << "plan " << plan;
  }
};

TEST_F(PlanProcessTest, RunsKilledHalfWayLeaveEveryOccurrenceBookedOnce) {
  // Three daily plans of a year each: long enough a run to be killed inside it.
  const int plans[] = {AddPlan({0, 0, 0, 0}, kBookSilently, Salary(1), "2024-01-01"),
                       AddPlan({0, 0, 0, 0}, kBookSilently, Salary(2), "2024-01-01"),
                       AddPlan({0, 0, 0, 0}, kBookSilently, Salary(3), "2024-01-01")};
  const int today = Day("2024-12-31");  // 366 occurrences: no question asked
  // Killed at its first occurrence, then further into each next run; each run
  // goes on where the one before was killed.
  for (int kill_after : {1, 200, 500}) {
    SCOPED_TRACE(kill_after);
    RunElsewhere run(today, /*hold=*/false);
    ASSERT_TRUE(run.started());
    const bool reached = run.WaitForDone(kill_after);
    ASSERT_TRUE(WIFSIGNALED(run.End(/*kill_it=*/true))) << "the run ended by itself";
    ASSERT_TRUE(reached);
    ASSERT_EQ(1, Database::OpenDatabase(Database::kUserData));
    for (int plan : plans) ExpectDailyBookedOnceAndAdvanced(plan, "2024-01-01");
    EXPECT_TRUE(testing::CheckLedger().found.empty());
  }
  RunOn("2024-12-31");
  for (int plan : plans) {
    EXPECT_EQ(Booked(plan).size(), 366u);
    ExpectDailyBookedOnceAndAdvanced(plan, "2024-01-01");
  }
  EXPECT_TRUE(testing::CheckLedger().found.empty());
}

TEST_F(PlanProcessTest, TwoProgramsRunningFromTheSamePlansBookEveryOccurrenceOnce) {
  const int daily = AddPlan({0, 0, 0, 0}, kBookSilently, Salary(1), "2026-01-01");
  const int wednesdays = AddPlan({0, 0, 0, 3}, kBookSilently, Salary(2), "2026-01-01");
  const int today = Day("2026-06-30");
  RunElsewhere desktop(today, /*hold=*/true), command_line(today, /*hold=*/true);
  ASSERT_TRUE(desktop.started() && command_line.started());
  // Both have read the plans before either books.
  ASSERT_TRUE(desktop.WaitForDone(0) && command_line.WaitForDone(0));
  desktop.Go();
  command_line.Go();
  for (RunElsewhere* run : {&desktop, &command_line}) {
    const int status = run->End(/*kill_it=*/false);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  }
  ASSERT_EQ(1, Database::OpenDatabase(Database::kUserData));
  EXPECT_EQ(Booked(daily).size(), 181u);
  ExpectDailyBookedOnceAndAdvanced(daily, "2026-01-01");
  const std::vector<std::string> booked = Booked(wednesdays);
  EXPECT_EQ(std::set<std::string>(booked.begin(), booked.end()).size(), 25u);
  EXPECT_EQ(booked.size(), 25u);
  EXPECT_EQ(LastChargeup(wednesdays), "2026-07-01");
  EXPECT_TRUE(testing::CheckLedger().found.empty());
}

}  // namespace
}  // namespace cw

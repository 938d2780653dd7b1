// The execution run: catching up missed occurrences, the booking modes and
// cancellations, where Last_Chargeup ends, plans that cannot be booked, the
// long-absence question, and two runs meeting.
#include "plans/plan_run.h"

#include <gtest/gtest.h>

#include <thread>

#include "calendar/calendar.h"
#include "store/database.h"
#include "support/ledger_check.h"
#include "plan_fixture.h"

namespace cw {
namespace {

using testing::PlanTest;

using Dates = std::vector<std::string>;

TEST_F(PlanTest, CatchesUpEveryMissedMonthAndStopsAtTheNextOne) {
  const int plan = AddPlan({0, 0, 15, 0}, kBookSilently, Salary(), "2026-02-15");
  RunSummary summary = RunOn("2026-04-20");
  EXPECT_EQ(summary.booked, 3);
  EXPECT_EQ(Booked(plan), (Dates{"2026-02-15 2026年2月工资 5000.00", "2026-03-15 2026年3月工资 5000.00",
                                 "2026-04-15 2026年4月工资 5000.00"}));
  EXPECT_EQ(LastChargeup(plan), "2026-05-15");
  // The same day again books nothing more.
  EXPECT_EQ(RunOn("2026-04-20").booked, 0);
  EXPECT_EQ(Booked(plan).size(), 3u);
  EXPECT_TRUE(testing::CheckLedger().found.empty());
}

TEST_F(PlanTest, APlanMadeTodayThatMatchesTodayIsBooked) {
  const int plan = AddPlan({0, 0, 10, 0}, kBookSilently, Salary(), "2026-12-10");
  RunOn("2026-12-10");
  EXPECT_EQ(Booked(plan), (Dates{"2026-12-10 2026年12月工资 5000.00"}));
  EXPECT_EQ(LastChargeup(plan), "2027-01-10");
}

TEST_F(PlanTest, ChangingAPlanDropsTheOccurrencesMissedBeforeTheChange) {
  const int plan = AddPlan({0, 0, 5, 0}, kBookSilently, Salary(), "2026-01-05");
  Plan changed = *ReadPlan(plan);
  changed.entry.amount1 = 6000;
  ASSERT_TRUE(UpdatePlan(changed, Day("2026-04-10")));
  RunOn("2026-05-06");
  EXPECT_EQ(Booked(plan), (Dates{"2026-05-05 2026年5月工资 6000.00"}));
}

TEST_F(PlanTest, AFinishedScheduleBooksItsLastOccurrenceOnce) {
  const int plan = AddPlan({2026, 3, 8, 0}, kBookSilently, Salary(), "2026-01-01");
  RunOn("2026-06-01");
  RunOn("2026-07-01");
  RunOn("2027-07-01");
  EXPECT_EQ(Booked(plan), (Dates{"2026-03-08 2026年3月工资 5000.00"}));
}

TEST_F(PlanTest, DisabledPlansAreNotRun) {
  const int plan = AddPlan({0, 0, 1, 0}, kBookSilently, Salary(), "2026-01-01");
  ASSERT_TRUE(SetPlanState(plan, kPlanDisabled));
  RunOn("2026-03-01");
  EXPECT_TRUE(Booked(plan).empty());
  EXPECT_EQ(LastChargeup(plan), "2026-01-01");
}

TEST_F(PlanTest, ModesDecideWhatIsAskedShownAndBooked) {
  const int silent = AddPlan({0, 0, 1, 0}, kBookSilently, Salary(100), "2026-03-01");
  const int shown = AddPlan({0, 0, 2, 0}, kBookAndShow, Salary(200), "2026-03-01");
  const int cancelled = AddPlan({0, 0, 3, 0}, kConfirmFirst, Salary(300), "2026-03-01");
  const int changed = AddPlan({0, 0, 4, 0}, kConfirmFirst, Salary(400), "2026-03-01");
  std::vector<int> confirmed, results;
  PlanRunHost host;
  host.confirm = [&](std::vector<PlanRun>& runs) {
    for (PlanRun& run : runs) {
      confirmed.push_back(run.plan_id);
      if (run.plan_id == cancelled) run.to_book = false;
      if (run.plan_id == changed) run.entry.amount1 = 450;  // this run only
    }
  };
  host.show_results = [&](const std::vector<PlanRun>& runs) {
    for (const PlanRun& run : runs) {
      if (run.chargeup_type == kBookAndShow) results.push_back(run.plan_id);
    }
  };
  RunSummary summary = RunOn("2026-04-10", host);
  EXPECT_EQ(confirmed, (std::vector<int>{silent, shown, cancelled, changed}));
  EXPECT_EQ(results, (std::vector<int>{shown}));
  EXPECT_EQ(summary.booked, 6);
  EXPECT_EQ(summary.skipped, 2);
  EXPECT_EQ(Booked(silent).size(), 2u);
  EXPECT_EQ(Booked(shown).size(), 2u);
  EXPECT_TRUE(Booked(cancelled).empty());
  EXPECT_EQ(LastChargeup(cancelled), "2026-05-03");  // cancelled occurrences are skipped for good
  EXPECT_EQ(Booked(changed), (Dates{"2026-03-04 2026年3月工资 450.00", "2026-04-04 2026年4月工资 450.00"}));
  EXPECT_EQ(ReadPlan(changed)->entry.amount1, 400);
}

TEST_F(PlanTest, ThreeLinePlansBookTheEnginesLines) {
  // A card repaid with interest: line 1 carries principal and interest.
  Booking repay = Make("2000-01-01", 13, "202", "102", 1000, "<M>还款", "50301", 12.5);
  const int plan = AddPlan({0, 0, 20, 0}, kBookSilently, repay, "2026-03-01");
  const Plan stored = *ReadPlan(plan);
  EXPECT_EQ(stored.entry.account3, "50301");
  EXPECT_DOUBLE_EQ(stored.entry.amount2, 12.5);
  RunOn("2026-03-25");
  ASSERT_EQ(Booked(plan), (Dates{"2026-03-20 3月还款 1000.00"}));
  EXPECT_TRUE(testing::CheckLedger().found.empty());
}

TEST_F(PlanTest, APlanThatCannotBeBookedStopsThereAndTheOthersGoOn) {
  Database::Execute(Database::LoadStatement(349), {"60101", "早餐", 2});
  const int broken = AddPlan({0, 0, 1, 0}, kBookSilently, Make("2000-01-01", 3, "60101", "101", 8, "早餐"),
                             "2026-03-01");
  const int fine = AddPlan({0, 0, 2, 0}, kBookSilently, Salary(), "2026-03-01");
  Database::Execute("DELETE FROM Item WHERE Item_No = '60101'");
  RunSummary summary = RunOn("2026-04-10");
  ASSERT_EQ(summary.problems.size(), 1u);
  EXPECT_EQ(summary.problems[0].plan_id, broken);
  EXPECT_EQ(summary.problems[0].text,
            "预约记账“每月1日 早餐”在2026-03-01无法记账：科目“60101”已不存在。该预约记账从这一天起暂停，下次执行时再试。");
  ASSERT_FALSE(prompter_.shown.empty());
  EXPECT_EQ(prompter_.shown.back().text, summary.problems[0].text);
  EXPECT_EQ(LastChargeup(broken), "2026-03-01");
  EXPECT_EQ(Booked(fine).size(), 2u);
}

TEST_F(PlanTest, AFullMonthStopsThePlanWithoutAVoucher) {
  {
    Transaction tx;
    for (int i = 1; i <= 999; ++i) {
      Database::Execute("INSERT INTO AccountInput (Voucher_No, Input_Time, Input_Type) VALUES (?1, '2026-03-01', 3)",
                        {202603000 + i});
      Database::Execute("INSERT INTO Detail_Input (Voucher_No, Line_No, Item_No, Cash, IsDebit) VALUES "
                        "(?1, 0, '601', 1, 1), (?1, 1, '101', 1, 0)",
                        {202603000 + i});
    }
    ASSERT_TRUE(tx.Commit());
  }
  const int plan = AddPlan({0, 0, 5, 0}, kBookSilently, Salary(), "2026-03-01");
  RunSummary summary = RunOn("2026-04-10");
  ASSERT_EQ(summary.problems.size(), 1u);
  EXPECT_NE(summary.problems[0].text.find("2026年3月已有999张凭证"), std::string::npos);
  EXPECT_TRUE(Booked(plan).empty());
  EXPECT_EQ(LastChargeup(plan), "2026-03-01");
}

TEST_F(PlanTest, ALongAbsenceIsAskedAboutOnce) {
  const int daily = AddPlan({0, 0, 0, 0}, kBookSilently, Salary(1), "2025-01-01");
  const int monthly = AddPlan({0, 0, 1, 0}, kBookSilently, Salary(2), "2025-01-01");
  prompter_.answers = {false};
  RunSummary no = RunOn("2026-03-01");
  EXPECT_TRUE(no.declined_long_absence);
  EXPECT_TRUE(Booked(daily).empty());
  EXPECT_EQ(LastChargeup(daily), "2025-01-01");
  EXPECT_EQ(Booked(monthly).size(), 15u);  // the other plans go on
  const auto questions = std::count_if(prompter_.shown.begin(), prompter_.shown.end(),
                                       [](const auto& s) { return s.style == PromptStyle::Question; });
  EXPECT_EQ(questions, 1);

  prompter_.answers = {true};
  std::vector<std::pair<int, int>> progress;
  PlanRunHost host;
  host.progress = [&](int done, int total) { progress.emplace_back(done, total); };
  RunSummary yes = RunOn("2026-03-01", host);
  EXPECT_EQ(yes.booked, 425);
  EXPECT_EQ(Booked(daily).size(), 425u);
  EXPECT_EQ(progress.front(), std::make_pair(0, 425));
  EXPECT_EQ(progress.back(), std::make_pair(425, 425));
}

TEST_F(PlanTest, ARunThatFindsItsPlanAlreadyAdvancedBooksNothingTwice) {
  const int plan = AddPlan({0, 0, 0, 0}, kBookSilently, Salary(), "2026-03-01");
  // The desktop's run collected and waits on its confirmation dialog ...
  std::vector<PlanRun> waiting = CollectDuePlans(Day("2026-03-20"), 1);
  ASSERT_EQ(waiting.size(), 1u);
  // ... while the command-line run books everything.
  EXPECT_EQ(RunOn("2026-03-20").booked, 20);
  PlanRunHost host;
  EXPECT_EQ(BookPlanRuns(std::move(waiting), host, prompter_).booked, 0);
  EXPECT_EQ(Booked(plan).size(), 20u);
}

TEST_F(PlanTest, TwoRunsAtOnceBookEveryOccurrenceOnce) {
  const int first = AddPlan({0, 0, 0, 0}, kBookSilently, Salary(1), "2026-01-01");
  const int second = AddPlan({0, 0, 0, 3}, kBookSilently, Salary(2), "2026-01-01");
  const int today = Day("2026-06-30");
  auto run = [today] {
    ScriptedPrompter quiet;
    PlanRunHost host;
    ExecutePlans(today, host, quiet);
  };
  std::thread a(run), b(run);
  a.join();
  b.join();
  EXPECT_EQ(Booked(first).size(), 181u);
  EXPECT_EQ(Booked(second).size(), 25u);
  EXPECT_TRUE(testing::CheckLedger().found.empty());
}

}  // namespace
}  // namespace cw

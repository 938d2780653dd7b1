#include "plans/plan_run.h"

#include <algorithm>

#include "base/gbk_text.h"
#include "base/prompter.h"
#include "calendar/calendar.h"
#include "core/ledger_model.h"
#include "core/session.h"
#include "core/voucher_engine.h"
#include "store/database.h"
#include "store/row_reader.h"

namespace cw {
namespace {

SqlValue Int(int value) { return static_cast<std::int64_t>(value); }

int ReadDay(const CDBPack& rows, const char* column) {
  return std::holds_alternative<std::nullptr_t>(rows.GetValue(column)) ? 0
                                                                        : static_cast<int>(rows.GetDate(column));
}

// Where the next run searches from once `date` is done: the plan's next
// occurrence, or the day after `date` when the rule has none left (so that a
// finished schedule never books its last occurrence again).
int SearchStartAfter(int date, const PlanRule& rule) {
  return NextOccurrence(date + 1, rule).value_or(date + 1);
}

std::vector<int> DueDates(int start, const PlanRule& rule, int today) {
  std::vector<int> dates;
  for (std::optional<int> d = NextOccurrence(start, rule); d && *d <= today; d = NextOccurrence(*d + 1, rule)) {
    dates.push_back(*d);
  }
  return dates;
}

// Why `entry` cannot be booked on `date` now, or "" when it can. Read inside the
// transaction that books it, so that nothing changes in between.
std::string BookingObstacle(const Booking& entry, int date) {
  const std::string* accounts[] = {&entry.account1, &entry.account2, &entry.account3};
  for (int i = 0; i < LineCount(KindStored(entry.kind)); ++i) {
    CDBPack rows;
    rows.Open(Database::LoadStatement(690), {*accounts[i]});
    if (rows.GetLong("NUM") == 0) return StrFormat("科目“%s”已不存在", accounts[i]->c_str());
  }
  const Ymd d = DateOfSerialDay(date);
  const int first = MonthFirstNumber(d.year, d.month);
  CDBPack last;
  last.Open(Database::LoadStatement(689), {Int(first), Int(first + kMaxVouchersPerMonth - 1)});
  if (!last.IsEnd() && VoucherSequence(last.GetLong("Voucher_No")) >= kMaxVouchersPerMonth) {
    return StrFormat("%d年%d月已有%d张凭证，不能再记入该月", d.year, d.month, kMaxVouchersPerMonth);
  }
  return "";
}

enum class Step { kDone, kTakenOver, kStopped };

// One occurrence in one transaction: Last_Chargeup is read again and must
// still be `expected`; the voucher (unless cancelled) and the new
// Last_Chargeup are written together. `reason` says why a plan stopped.
Step BookOccurrence(PlanRun& run, int date, int& expected, std::string& reason) {
  Transaction tx;
  {
    CDBPack plan;
    plan.Open(Database::LoadStatement(681), {Int(run.plan_id)});
    // Deleted, disabled or advanced by another run meanwhile: that run or the
    // user has decided about this plan.
    if (plan.IsEnd() || plan.GetByte("State") != kPlanEnabled || ReadDay(plan, "Last_Chargeup") != expected) {
      return Step::kTakenOver;
    }
  }
  if (run.to_book) {
    reason = BookingObstacle(run.entry, date);
    if (!reason.empty()) return Step::kStopped;
    Booking b = run.entry;
    b.date = date;
    b.plan = run.plan_id;
    b.description = ReplaceMatchStrings(run.entry.description, date);
    const int number = WriteVoucher(b);
    if (number == 0) {
      tx.Fail();
      reason = "凭证未能写入";
      return Step::kStopped;
    }
    run.booked_vouchers.push_back(number);
  }
  const int next = SearchStartAfter(date, run.rule);
  if (!Database::Execute(Database::LoadStatement(682), {IsoDate(next), Int(run.plan_id)}) || !tx.ok() ||
      !tx.Commit()) {
    if (run.to_book) run.booked_vouchers.pop_back();
    reason = "凭证未能写入";
    return Step::kStopped;
  }
  expected = next;
  return Step::kDone;
}

std::string PlanName(const PlanRun& run) {
  return ScheduleText(run.rule) + " " + run.entry.description;
}

}  // namespace

std::string PlanProblemText(const PlanRun& run, int date, const std::string& reason) {
  return StrFormat("预约记账“%s”在%s无法记账：%s。该预约记账从这一天起暂停，下次执行时再试。", PlanName(run).c_str(),
                   IsoDate(date).c_str(), reason.c_str());
}

std::vector<PlanRun> CollectDuePlans(int today, int person_no) {
  std::lock_guard guard(Database::Lock());
  std::vector<PlanRun> runs;
  {
    CDBPack rows;
    rows.Open(Database::LoadStatement(677), {Int(person_no)});
    for (; !rows.IsEnd(); rows.MoveNext()) {
      PlanRun run;
      run.plan_id = rows.GetLong("PlanID");
      run.rule = {rows.GetShort("YYear"), rows.GetShort("MMonth"), rows.GetShort("DDay"), rows.GetShort("Week")};
      run.chargeup_type = rows.GetByte("Chargeup_Type");
      run.person_no = rows.GetLong("Person_No");
      run.last_chargeup = ReadDay(rows, "Last_Chargeup");
      run.dates = DueDates(run.last_chargeup, run.rule, today);
      if (!run.dates.empty()) runs.push_back(std::move(run));
    }
  }
  for (PlanRun& run : runs) {
    if (std::optional<Plan> plan = ReadPlan(run.plan_id)) run.entry = plan->entry;
  }
  return runs;
}

RunSummary BookPlanRuns(std::vector<PlanRun> runs, PlanRunHost& host, Prompter& prompter) {
  RunSummary summary;
  int total = 0;
  for (const PlanRun& run : runs) total += static_cast<int>(run.dates.size());
  int done = 0;
  if (host.progress) host.progress(0, total);
  for (PlanRun& run : runs) {
    int expected = run.last_chargeup;
    for (int date : run.dates) {
      std::string reason;
      const Step step = BookOccurrence(run, date, expected, reason);
      if (step == Step::kStopped) summary.problems.push_back({run.plan_id, date, PlanProblemText(run, date, reason)});
      if (step != Step::kDone) break;
      ++(run.to_book ? summary.booked : summary.skipped);
      if (host.progress) host.progress(++done, total);
    }
  }
  if (!summary.problems.empty()) {
    std::string text;
    for (const PlanProblem& p : summary.problems) text += (text.empty() ? "" : "\n\n") + p.text;
    prompter.Inform(text, "预约记账", PromptStyle::Error);
  }
  const bool shows = std::any_of(runs.begin(), runs.end(), [](const PlanRun& r) {
    return r.chargeup_type == kBookAndShow && !r.booked_vouchers.empty();
  });
  if (shows && host.show_results) host.show_results(runs);
  summary.plans = std::move(runs);
  return summary;
}

RunSummary ExecutePlans(int today, PlanRunHost& host, Prompter& prompter) {
  std::vector<PlanRun> runs = CollectDuePlans(today, LoggedInPerson());
  bool declined = false;
  const auto long_absence = [](const PlanRun& r) {
    return static_cast<int>(r.dates.size()) > kLongAbsenceOccurrences;
  };
  if (const auto many = std::count_if(runs.begin(), runs.end(), long_absence); many > 0) {
    const std::string question =
        StrFormat("有%d项预约记账已有%d次以上没有执行（最早从%s起）。\n\n是否现在全部补记？选择“否”时这些预约记账"
                  "保持不变，下次登录时再询问。",
                  static_cast<int>(many), kLongAbsenceOccurrences,
                  IsoDate(std::find_if(runs.begin(), runs.end(), long_absence)->dates.front()).c_str());
    if (!prompter.Ask(question, "预约记账")) {
      declined = true;
      runs.erase(std::remove_if(runs.begin(), runs.end(), long_absence), runs.end());
    }
  }
  const bool asks = std::any_of(runs.begin(), runs.end(), [](const PlanRun& r) { return r.chargeup_type == kConfirmFirst; });
  if (asks && host.confirm) host.confirm(runs);
  RunSummary summary = BookPlanRuns(std::move(runs), host, prompter);
  summary.declined_long_absence = declined;
  return summary;
}

}  // namespace cw

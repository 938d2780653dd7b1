// plans: the scheduled bookings from the command line.
//   plans                       the list
//   plans add|change ...        with the editor's checks
//   plans delete|enable|disable ID
//   plans run [--date D] [--yes] what the desktop does after a login
//   plans history [ID]          the vouchers plans booked
#include <algorithm>

#include "base/prompter.h"
#include "base/scripted_prompter.h"
#include "bookkeeping/booking/booking_checks.h"
#include "calendar/calendar.h"
#include "cli/booking_options.h"
#include "cli/cli_error.h"
#include "cli/grid_output.h"
#include "cli/value_parsing.h"
#include "cli/verbs.h"
#include "core/ledger_model.h"
#include "core/session.h"
#include "plans/card_repayment.h"
#include "plans/plan_run.h"
#include "plans/plan_store.h"
#include "plans/plan_table.h"

namespace cw::cli {
namespace {

constexpr OptionSpec kPlanOptions[] = {
    {"year", true},   {"month", true},  {"day", true},     {"week", true},    {"mode", true},
    {"state", true},  {"kind", true},   {"acc1", true},    {"acc2", true},    {"acc3", true},
    {"amount", true}, {"amount2", true}, {"content", true}, {"deposit", true},
};
constexpr OptionSpec kRunOptions[] = {{"date", true}, {"yes", false}};

constexpr char kPlanUsage[] =
    "--year Y --month M --day D --week W --mode 0|1|2 [--state 0|1] --kind K --acc1 CODE --acc2 CODE "
    "[--acc3 CODE] --amount X [--amount2 Y] [--content TEXT] [--deposit CODE]";

int PlanIdOf(const VerbOptions& options) {
  const int id = ParseInteger(options.positionals()[0], "plan id");
  if (id <= 0) throw BadInput("plan id: must be above 0");
  return id;
}

// The plan the options describe, checked as the editor checks it.
Plan ReadPlanOptions(const VerbOptions& options) {
  Plan plan;
  plan.rule = {ParseInteger(options.Required("year"), "--year"), ParseInteger(options.Required("month"), "--month"),
               ParseInteger(options.Required("day"), "--day"), ParseInteger(options.Required("week"), "--week")};
  plan.chargeup_type = ParseInteger(options.Required("mode"), "--mode");
  if (plan.chargeup_type < 0 || plan.chargeup_type >= kPlanModeCount) throw BadInput("--mode: 0, 1 or 2");
  if (auto state = options.Value("state")) plan.state = ParseInteger(*state, "--state");
  if (plan.state != kPlanEnabled && plan.state != kPlanDisabled) throw BadInput("--state: 0 or 1");
  plan.entry = ReadBookingOptions(options, false);
  return plan;
}

void CheckPlan(Plan& plan) {
  if (std::string why = CheckPlanRule(plan.rule, Today()); !why.empty()) throw BadInput(why);
  FillAccountTypes(plan.entry);
  if (std::string why = CheckTypedBooking(plan.entry); !why.empty()) throw BadInput(why);
}

Plan ExistingPlan(int id) {
  std::optional<Plan> plan = ReadPlan(id);
  if (!plan) throw BadInput("plan " + std::to_string(id) + " does not exist");
  return *plan;
}

Plan ChangeablePlan(int id) {
  Plan plan = ExistingPlan(id);
  if (!CanChangePlan(plan, LoggedInPerson())) {
    throw BadInput("不能更改这项预约记账。用户只能更改自己创建并且尚未审核的预约记账。");
  }
  return plan;
}

Document PlanDocument(int id) { return {{"plan", Record{{{"id", "预约记账", Format::kNumber}, id}}}}; }

Document AddPlan(Invocation& invocation) {
  VerbOptions options = invocation.Options(kPlanOptions);
  Plan plan = ReadPlanOptions(options);
  OpenLedger(invocation);
  CheckPlan(plan);
  const int id = InsertPlan(plan, Today());
  if (id == 0) throw Failed("the plan was not stored");
  return PlanDocument(id);
}

Document ChangePlan(Invocation& invocation) {
  VerbOptions options = invocation.Options(kPlanOptions, 1);
  const int id = PlanIdOf(options);
  Plan plan = ReadPlanOptions(options);
  OpenLedger(invocation);
  ChangeablePlan(id);
  CheckPlan(plan);
  plan.plan_id = id;
  if (!UpdatePlan(plan, Today())) throw Failed("the plan was not changed");
  return PlanDocument(id);
}

Document DeletePlan(Invocation& invocation) {
  VerbOptions options = invocation.Options({}, 1);
  const int id = PlanIdOf(options);
  OpenLedger(invocation);
  ChangeablePlan(id);
  if (!DeletePlans({id})) throw Failed("the plan was not deleted");
  return {{"deleted", Record{{{"id", "已删除预约记账", Format::kNumber}, id}}}};
}

Document SetState(Invocation& invocation, int state) {
  VerbOptions options = invocation.Options({}, 1);
  const int id = PlanIdOf(options);
  OpenLedger(invocation);
  ExistingPlan(id);
  if (!SetPlanState(id, state)) throw Failed("the plan's state was not changed");
  return {{"plan", Record{{{"id", "预约记账", Format::kNumber}, id}, {{"state", "状态"}, PlanStateText(state)}}}};
}
Document EnablePlan(Invocation& invocation) { return SetState(invocation, kPlanEnabled); }
Document DisablePlan(Invocation& invocation) { return SetState(invocation, kPlanDisabled); }

std::string DatesText(const std::vector<int>& dates) {
  std::string text;
  for (int d : dates) text += (text.empty() ? "" : "、") + IsoDate(d);
  return text;
}

Document RunPlansNow(Invocation& invocation) {
  VerbOptions options = invocation.Options(kRunOptions);
  const int today = options.Has("date") ? ParseDate(*options.Value("date"), "--date") : Today();
  const bool yes = options.Has("yes");
  OpenLedger(invocation);

  // Without --yes the plans that ask first are listed, neither booked nor advanced.
  Table waiting{{{"plan", "预约记账", Format::kNumber}, {"schedule", "预约日期"}, {"content", "说明"},
                 {"dates", "记账日期"}},
                {}};
  PlanRunHost host;
  host.confirm = [&](std::vector<PlanRun>& runs) {
    if (yes) return;
    for (const PlanRun& run : runs) {
      if (run.chargeup_type == kConfirmFirst) {
        waiting.rows.push_back({run.plan_id, ScheduleText(run.rule), run.entry.description, DatesText(run.dates)});
      }
    }
    runs.erase(std::remove_if(runs.begin(), runs.end(), [](const PlanRun& r) { return r.chargeup_type == kConfirmFirst; }),
               runs.end());
  };
  // The long-absence question is answered by --yes.
  ScriptedPrompter answers;
  answers.answers = {yes};
  const RunSummary summary = ExecutePlans(today, host, answers);
  const std::vector<CardRepayment> repayments = RunAutomaticRepayments(today, CurrentPrompter());
  for (const auto& shown : answers.shown) CurrentPrompter().Inform(shown.text, shown.caption, shown.style);

  // Dates rather than voucher numbers: a later booking dated earlier in the
  // same month renumbers the vouchers after it.
  Table booked{{{"plan", "预约记账", Format::kNumber}, {"date", "记账日期"}, {"content", "说明"}}, {}};
  for (const PlanRun& run : summary.plans) {
    for (std::size_t i = 0; i < run.booked_vouchers.size(); ++i) {
      booked.rows.push_back({run.plan_id, IsoDate(run.dates[i]), ReplaceMatchStrings(run.entry.description, run.dates[i])});
    }
  }
  Table cards{{{"card", "信用卡"}, {"date", "还款日期"}, {"amount", "金额", Format::kAmount},
               {"voucher", "凭证号", Format::kNumber}},
              {}};
  for (const CardRepayment& r : repayments) cards.rows.push_back({r.card, IsoDate(r.date), r.amount, r.voucher});
  Document document{{"run", Record{{{"date", "日期"}, IsoDate(today)},
                                   {{"booked", "记账", Format::kNumber}, summary.booked},
                                   {{"cancelled", "取消", Format::kNumber}, summary.skipped},
                                   {{"stopped", "暂停", Format::kNumber}, static_cast<int>(summary.problems.size())}}},
                    {"booked", booked}};
  if (!waiting.rows.empty()) document.push_back({"awaiting_confirmation", waiting});
  document.push_back({"card_repayments", cards});
  return document;
}

Document PlanHistory(Invocation& invocation) {
  const std::vector<std::string> words = TakeGlobalOptions(invocation.words, invocation.globals);
  if (words.size() > 1) throw BadInput(std::string(invocation.usage) + ": unexpected argument " + words[1]);
  const int id = words.empty() ? 0 : ParseInteger(words[0], "plan id");
  OpenLedger(invocation);
  Table table = TableOfGrid(BuildPlanHistory(id));
  table.window.title = kPlanHistoryTitle;
  return {{"history", std::move(table)}};
}

Document ListPlans(Invocation& invocation) {
  invocation.Options({});
  OpenLedger(invocation);
  Table table = TableOfGrid(BuildPlanList(0));
  table.window.title = kPlanListTitle;
  return {{"plans", std::move(table)}};
}

}  // namespace

Document RunPlans(Invocation& invocation) {
  static const std::string add_usage = std::string("plans add ") + kPlanUsage;
  static const std::string change_usage = std::string("plans change ID ") + kPlanUsage;
  static const VerbForm kForms[] = {
      {"add", add_usage, AddPlan},
      {"change", change_usage, ChangePlan},
      {"delete", "plans delete ID", DeletePlan},
      {"enable", "plans enable ID", EnablePlan},
      {"disable", "plans disable ID", DisablePlan},
      {"run", "plans run [--date YYYY-MM-DD] [--yes]", RunPlansNow},
      {"history", "plans history [ID]", PlanHistory},
  };
  if (auto document = RunVerbForm(invocation, kForms)) return *document;
  return ListPlans(invocation);
}

}  // namespace cw::cli

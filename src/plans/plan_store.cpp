#include "plans/plan_store.h"

#include "calendar/calendar.h"
#include "core/item_cache.h"
#include "core/ledger_model.h"
#include "core/session.h"
#include "core/voucher_lines.h"
#include "store/database.h"
#include "store/row_reader.h"

namespace cw {
namespace {

SqlValue Int(int value) { return static_cast<std::int64_t>(value); }

int DateOf(const CDBPack& rows, const char* column) {
  return std::holds_alternative<std::nullptr_t>(rows.GetValue(column)) ? 0 : static_cast<int>(rows.GetDate(column));
}

void ReadHeader(const CDBPack& rows, Plan& plan) {
  plan.plan_id = rows.GetLong("PlanID");
  plan.rule = {rows.GetShort("YYear"), rows.GetShort("MMonth"), rows.GetShort("DDay"), rows.GetShort("Week")};
  plan.chargeup_type = rows.GetByte("Chargeup_Type");
  plan.state = rows.GetByte("State");
  plan.person_no = rows.GetLong("Person_No");
  plan.checker_no = rows.GetLong("Checker_No");
  plan.last_chargeup = DateOf(rows, "Last_Chargeup");
  plan.entry.kind = rows.GetByte("Input_Type");
  plan.entry.deposit_code = rows.GetLong("DepositCode");
}

// Fills the entry from one stored line (rows in line order): line 0 gives the
// description, account 1, amount 1 and the first debit flag; line 1 account 2
// and, for the three-line kinds, amount 2 (kind 10 the proceeds, kinds 13 and
// 41 what exceeds amount 1); line 2 account 3 and its flag.
void ReadLine(const CDBPack& rows, Booking& b) {
  const int line = rows.GetShort("Line_No");
  const std::string item = rows.GetText("Item_No");
  const double cash = rows.GetDouble("Cash");
  const bool debit = rows.GetBool("IsDebit");
  CItemCache& chart = CItemCache::Instance();
  b.has_line_flags = true;
  if (line == 0) {
    b.description = rows.GetText("Content");
    b.account1 = item;
    b.type1 = chart.TypeOf(item);
    b.amount1 = cash;
    b.line_flags[0] = debit;
  } else if (line == 1) {
    b.account2 = item;
    b.type2 = chart.TypeOf(item);
    b.line_flags[1] = debit;
    if (LineCount(b.kind) == 3) b.amount2 = b.kind == kKindSale ? cash : cash - b.amount1;
  } else if (line == 2) {
    b.account3 = item;
    b.type3 = chart.TypeOf(item);
    b.line_flags[2] = debit;
  }
}

bool WriteLines(int plan_id, const Booking& entry) {
  // The voucher engine's lines, each with the description as entered: the
  // match strings are filled only when an occurrence is booked.
  for (const VoucherLine& line : ComposeLines(entry)) {
    if (!Database::Execute(Database::LoadStatement(686), {Int(plan_id), Int(line.line), entry.description,
                                                          line.item, line.cash, Int(line.debit)}))
      return false;
  }
  return true;
}

bool Finish(Transaction& tx, bool ok) {
  if (!ok) tx.Fail();
  return tx.ok() && tx.Commit();
}

}  // namespace

std::string PlanModeText(int mode) {
  switch (mode) {
    case kBookSilently: return "直接记账";
    case kBookAndShow: return "直接记账并向我提示记账内容";
    case kConfirmFirst: return "记账前需经过我确认";
    default: return "";
  }
}

std::string PlanStateText(int state) { return state == kPlanEnabled ? "启用" : "停用"; }

std::optional<Plan> ReadPlan(int plan_id) {
  std::lock_guard guard(Database::Lock());
  Plan plan;
  {
    CDBPack header;
    header.Open(Database::LoadStatement(676), {Int(plan_id)});
    if (header.IsEnd()) return std::nullopt;
    ReadHeader(header, plan);
  }
  CDBPack lines;
  lines.Open(Database::LoadStatement(680), {Int(plan_id)});
  for (; !lines.IsEnd(); lines.MoveNext()) ReadLine(lines, plan.entry);
  return plan;
}

std::vector<Plan> ReadPlans(const std::string& kind_filter) {
  std::lock_guard guard(Database::Lock());
  std::vector<Plan> plans;
  CDBPack rows;
  rows.Open(Database::LoadStatement(678, kind_filter));
  for (; !rows.IsEnd(); rows.MoveNext()) {
    if (plans.empty() || plans.back().plan_id != rows.GetLong("PlanID")) {
      plans.emplace_back();
      ReadHeader(rows, plans.back());
    }
    ReadLine(rows, plans.back().entry);
  }
  return plans;
}

int InsertPlan(const Plan& plan, int today) {
  Transaction tx;
  const Booking& e = plan.entry;
  bool ok = Database::Execute(Database::LoadStatement(685),
                              {Int(plan.rule.year), Int(plan.rule.month), Int(plan.rule.week), Int(plan.rule.day), 0,
                               Int(KindStored(e.kind)), Int(plan.chargeup_type), Int(plan.state),
                               Int(e.deposit_code), Int(LoggedInPerson()), IsoDate(today)});
  int plan_id = 0;
  if (ok) {
    CDBPack id;
    id.Open(Database::LoadStatement(679));
    plan_id = id.IsEnd() ? 0 : id.GetLong("PlanID");
  }
  ok = ok && plan_id > 0 && WriteLines(plan_id, e);
  return Finish(tx, ok) ? plan_id : 0;
}

bool UpdatePlan(const Plan& plan, int today) {
  Transaction tx;
  const Booking& e = plan.entry;
  bool ok = Database::Execute(Database::LoadStatement(683),
                              {Int(plan.rule.year), Int(plan.rule.month), Int(plan.rule.week), Int(plan.rule.day),
                               Int(KindStored(e.kind)), Int(plan.chargeup_type), Int(plan.state),
                               Int(e.deposit_code), IsoDate(today), Int(plan.plan_id)}) &&
            Database::Changes() == 1 &&
            Database::Execute(Database::LoadStatement(684), {Int(plan.plan_id)}) && WriteLines(plan.plan_id, e);
  return Finish(tx, ok);
}

bool DeletePlans(const std::vector<int>& plan_ids) {
  Transaction tx;
  bool ok = true;
  for (int id : plan_ids) {
    ok = ok && Database::Execute(Database::LoadStatement(687), {Int(id)}) &&
         Database::Execute(Database::LoadStatement(684), {Int(id)});
  }
  return Finish(tx, ok);
}

bool SetPlanState(int plan_id, int state) {
  Transaction tx;
  bool ok = Database::Execute(Database::LoadStatement(752), {Int(state), Int(plan_id)}) && Database::Changes() == 1;
  return Finish(tx, ok);
}

bool CanChangePlan(const Plan& plan, int person_no) {
  return plan.person_no == person_no && plan.checker_no <= 0;
}

}  // namespace cw

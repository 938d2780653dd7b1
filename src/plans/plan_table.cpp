#include "plans/plan_table.h"

#include "base/gbk_text.h"
#include "bookkeeping/entries/person_names.h"
#include "calendar/calendar.h"
#include "core/item_cache.h"
#include "core/ledger_model.h"
#include "plans/plan_run.h"
#include "store/database.h"
#include "store/row_reader.h"

namespace cw {
namespace {

GridColumn Column(const char* title, int width, Align align = Align::Left) {
  GridColumn c;
  c.title = title;
  c.width = width;
  c.align = align;
  if (align == Align::Right) c.sort = SortKind::Number;
  return c;
}

GridRow RowOf(const Plan& plan, const PersonNames& names) {
  GridRow row;
  row.key = plan.plan_id;
  row.checkable = true;
  row.cells = {ScheduleText(plan.rule),       PlanModeText(plan.chargeup_type),
               PlanStateText(plan.state),     KindName(plan.entry.kind),
               plan.entry.description,        StrFormat("%.2f", plan.entry.amount1),
               names.NameOf(plan.person_no)};
  return row;
}

}  // namespace

GridRow PlanListRow(const Plan& plan) { return RowOf(plan, PersonNames()); }

GridModel BuildPlanList(int page) {
  GridModel table;
  table.SetColumns({Column("预约日期", 120), Column("记账方式", 140), Column("状态", 60, Align::Centre),
                    Column("记账类型", 80), Column("说  明", 160), Column("金  额", 80, Align::Right),
                    Column("制  单", 80)});
  table.ShowCheckColumn(true);
  const std::string filter = page == 0 ? "1" : KindFilter(page, false, true);
  const PersonNames names;
  for (const Plan& plan : ReadPlans(filter)) table.AddRow(RowOf(plan, names));
  return table;
}

GridModel BuildPlanHistory(int plan_id) {
  GridModel table;
  table.SetColumns({Column("记账日期", 80), Column("记账类型", 80), Column("说  明", 160),
                    Column("金  额", 80, Align::Right)});
  std::lock_guard guard(Database::Lock());
  CDBPack rows;
  rows.Open(Database::LoadStatement(688), {static_cast<std::int64_t>(plan_id)});
  for (; !rows.IsEnd(); rows.MoveNext()) {
    GridRow row;
    row.key = rows.GetLong("Voucher_No");
    row.cells = {IsoDate(static_cast<int>(rows.GetDate("Input_Time"))), KindName(rows.GetByte("Input_Type")),
                 rows.GetText("Content"), StrFormat("%.2f", rows.GetDouble("Cash"))};
    table.AddRow(std::move(row));
  }
  return table;
}

std::vector<std::pair<std::string, std::string>> PlanRunCard(const PlanRun& run) {
  const Booking& e = run.entry;
  std::string dates;
  for (int d : run.dates) dates += (dates.empty() ? "" : "、") + IsoDate(d);
  std::vector<std::pair<std::string, std::string>> rows = {
      {"记账类型：", KindName(e.kind)},
      {"记账日期：", dates},
      {"说    明：", run.dates.empty() ? e.description : ReplaceMatchStrings(e.description, run.dates.back())},
  };
  CItemCache& chart = CItemCache::Instance();
  const bool third = LineCount(KindStored(e.kind)) == 3;
  rows.push_back({FieldCaption(e.kind, kFieldAccount1), chart.NameOf(e.account1)});
  rows.push_back({FieldCaption(e.kind, kFieldAccount2), chart.NameOf(e.account2)});
  rows.push_back({FieldCaption(e.kind, kFieldAmount1), StrFormat("%.2f", e.amount1)});
  if (third) rows.push_back({FieldCaption(e.kind, kFieldAccount3), chart.NameOf(e.account3)});
  if (e.kind == kKindDeposit) rows.push_back({FieldCaption(e.kind, kFieldDepositType), DepositName(DepositIndex(e.deposit_code))});
  if (third) rows.push_back({FieldCaption(e.kind, kFieldAmount2), StrFormat("%.2f", e.amount2)});
  return rows;
}

}  // namespace cw

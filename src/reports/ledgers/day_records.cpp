#include "reports/ledgers/day_records.h"

#include <cmath>
#include <string>

#include "base/gbk_text.h"
#include "calendar/calendar.h"
#include "core/balances.h"
#include "core/item_cache.h"
#include "core/ledger_model.h"
#include "store/database.h"
#include "store/read_watch.h"
#include "store/row_reader.h"

namespace cw {
namespace {

constexpr double kZero = 0.0000001;

// "Item_No IN (...)" over the accounts the mode shows.
std::string AccountsOfMode(DayRecordsMode mode) {
  if (mode == DayRecordsMode::kIncome) return AccountCondition(kTypeIncome);
  if (mode == DayRecordsMode::kExpense) return AccountCondition(kTypeExpense);
  return "(" + AccountCondition(kTypeIncome) + " OR " + AccountCondition(kTypeExpense) + ")";
}

// The account's path "收入\工资" without the closing separator.
std::string PathName(const std::string& code) {
  std::string path = CItemCache::Instance().FullPath(code);
  if (!path.empty() && path.back() == '\\') path.pop_back();
  return path;
}

}  // namespace

DayRecordsMode DayRecordsModeOf(int command) {
  if (command == 32921) return DayRecordsMode::kIncome;
  if (command == 32922) return DayRecordsMode::kExpense;
  return DayRecordsMode::kBoth;
}

static GridModel ReadDayRecords(DayRecordsMode mode, int date) {
  GridModel grid;
  const bool both = mode == DayRecordsMode::kBoth;
  std::vector<GridColumn> columns = {{"日  期", 90, Align::Centre}, {"说  明", both ? 170 : 150}, {"类  别", 140}};
  if (both) {
    columns.push_back({"收  入", 80, Align::Right, true, SortKind::Number});
    columns.push_back({"支  出", 80, Align::Right, true, SortKind::Number});
  } else {
    columns.push_back({"金  额", 80, Align::Right, true, SortKind::Number});
  }
  grid.SetColumns(std::move(columns));

  const Ymd day = DateOfSerialDay(date);
  const int ymd = day.year * 10000 + day.month * 100 + day.day;
  const int first = PeriodBound(kByDay, ymd, true);
  const int last = PeriodBound(kByDay, ymd, false);
  if (first == 0 || last == 0) return grid;

  CItemCache& chart = CItemCache::Instance();
  double totals[2] = {0, 0};
  CDBPack rows;
  rows.Open(Database::LoadStatement(981, AccountsOfMode(mode) + " AND A.Input_Type<>1"), {first, last});
  for (; !rows.IsEnd(); rows.MoveNext()) {
    const double cash = rows.GetDouble("Cash");
    if (std::fabs(cash) < kZero) continue;
    const std::string item = rows.GetText("Item_No");
    const int type = chart.TypeOf(item);
    // Income counts on the credit side, spending on the debit side.
    const bool raises = (type == kTypeIncome) != rows.GetBool("IsDebit");
    const double amount = raises ? cash : -cash;
    const int column = both && type == kTypeExpense ? 4 : 3;
    totals[column - 3] += amount;
    GridRow row;
    row.key = rows.GetLong("Voucher_No");
    row.cells.assign(grid.ColumnCount(), "");
    row.cells[0] = IsoDate(date);
    row.cells[1] = rows.GetText("Content");
    row.cells[2] = PathName(item);
    row.cells[column] = StrFormat("%.2f", amount + 0.0);
    grid.AddRow(std::move(row));
  }
  if (grid.RowCount() == 0) return grid;
  GridRow total;
  total.key = 0;
  total.background = kTotalRowBackground;
  total.cells.assign(grid.ColumnCount(), "");
  total.cells[1] = "累    计";
  total.cells[3] = StrFormat("%.2f", totals[0] + 0.0);
  if (both) total.cells[4] = StrFormat("%.2f", totals[1] + 0.0);
  grid.AddRow(std::move(total));
  return grid;
}

// A day whose records cannot all be read shows none: its total would be wrong.
GridModel BuildDayRecords(DayRecordsMode mode, int date) {
  ReadWatch reads;
  GridModel grid = ReadDayRecords(mode, date);
  if (reads.ReportIfFailed()) grid.DeleteAllRows();
  return grid;
}

}  // namespace cw

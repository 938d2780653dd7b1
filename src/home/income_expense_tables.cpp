#include "home/income_expense_tables.h"

#include <cmath>
#include <string>
#include <unordered_map>
#include <vector>

#include "base/gbk_text.h"
#include "calendar/calendar.h"
#include "core/balances.h"
#include "core/item_cache.h"
#include "core/ledger_model.h"
#include "store/database.h"
#include "store/row_reader.h"

namespace cw {
namespace {

constexpr double kZero = 1e-7;

struct AccountTotal {
  std::string code;
  double month = 0;
};

// The accounts of one type with their totals: credits minus debits for income,
// debits minus credits for expense.
struct Category {
  std::vector<AccountTotal> accounts;  // code order
  double month = 0;
  double year = 0;
};

std::string Amount(double value) { return StrFormat("%.2f", value); }

Category ReadCategory(int type, int month_first, int month_last, int year_first, int year_last) {
  Category category;
  std::unordered_map<std::string, std::size_t> slot_of;
  CDBPack accounts;
  accounts.Open(Database::LoadStatement(419), {type});
  for (; !accounts.IsEnd(); accounts.MoveNext()) {
    slot_of[accounts.GetText("Item_No")] = category.accounts.size();
    category.accounts.push_back({accounts.GetText("Item_No")});
  }
  if (category.accounts.empty()) return category;

  // One pass over the year; the month's lines are those numbered within the month.
  const double sign = type == kTypeIncome ? 1 : -1;
  CDBPack lines;
  lines.Open(Database::LoadStatement(420, AccountCondition(type)), {year_first, year_last});
  for (; !lines.IsEnd(); lines.MoveNext()) {
    const double cash = lines.GetDouble("Cash");
    const double value = sign * (lines.GetBool("IsDebit") ? -cash : cash);
    category.year += value;
    const int number = lines.GetLong("Voucher_No");
    if (number < month_first || number > month_last) continue;
    category.month += value;
    auto it = slot_of.find(lines.GetText("Item_No"));
    if (it != slot_of.end()) category.accounts[it->second].month += value;
  }
  return category;
}

HomeTable CategoryTable(const char* title, const char* column, const Category& category) {
  HomeTable table;
  table.title = title;
  table.columns = {{column, 140, CellAlign::kLeft}, {"金额", 100, CellAlign::kRight}, {"百分比", 80, CellAlign::kRight}};
  // With a month total of 0 (amounts that cancel out) no share can be given.
  const bool has_total = std::fabs(category.month) >= kZero;
  auto share = [&](double value) { return has_total ? StrFormat("%.1f%%", value * 100 / category.month) : "0.0%"; };
  CItemCache& chart = CItemCache::Instance();
  for (const AccountTotal& account : category.accounts) {
    if (std::fabs(account.month) < kZero) continue;
    HomeRow row;
    row.key = account.code;
    row.cells = {chart.NameOf(account.code), Amount(account.month), share(account.month)};
    row.link = {kLinkLedger, account.code};
    table.rows.push_back(std::move(row));
  }
  HomeRow total;
  total.cells = {"合计", Amount(category.month), has_total ? "100.0%" : "0.0%"};
  total.row_class = RowClass::kTotal;
  table.rows.push_back(std::move(total));
  return table;
}

HomeRow SummaryRow(const char* label, double income, double expense) {
  HomeRow row;
  row.key = label;
  row.cells = {label, Amount(income), Amount(expense), Amount(income - expense)};
  return row;
}

}  // namespace

IncomeExpenseTables MakeIncomeExpenseTables(int today) {
  const Ymd t = DateOfSerialDay(today);
  const int month_first = PeriodBound(kByMonth, t.year * 100 + t.month, true);
  const int month_last = PeriodBound(kByMonth, t.year * 100 + t.month, false);
  const int year_first = PeriodBound(kByYear, t.year, true);
  const int year_last = PeriodBound(kByYear, t.year, false);
  const Category income = ReadCategory(kTypeIncome, month_first, month_last, year_first, year_last);
  const Category expense = ReadCategory(kTypeExpense, month_first, month_last, year_first, year_last);

  IncomeExpenseTables tables;
  tables.summary.title = "收支统计表";
  tables.summary.columns = {{"收支类型", 110, CellAlign::kLeft},
                            {"收入", 100, CellAlign::kRight},
                            {"支出", 100, CellAlign::kRight},
                            {"收入 - 支出", 100, CellAlign::kRight}};
  tables.summary.rows = {SummaryRow("本月收支", income.month, expense.month),
                         SummaryRow("本年度收支", income.year, expense.year)};
  tables.month_income = CategoryTable("本月收入分类统计表", "收入类别", income);
  tables.month_income.title_link = {kLinkStatistics, "6"};
  tables.month_expense = CategoryTable("本月支出分类统计表", "支出类别", expense);
  tables.month_expense.title_link = {kLinkStatistics, "7"};
  return tables;
}

}  // namespace cw

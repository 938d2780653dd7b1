#pragma once
// Budget keys (Budget_No): one integer names the kind and the period of an
// income or expense budget.
//
//   month budget    year * 100 + month         last two digits 1-12  (below 20)
//   quarter budget  year * 100 + 50 + quarter  last two digits 51-54 (20-59)
//   year budget     year * 100 + 61            last two digits 61    (60-69)
//
// Tables list month budgets first, then quarter budgets, then year budgets,
// each group in ascending key order.
#include <optional>
#include <string>
#include <string_view>

namespace cw {

// The categories of the everyday budgets; they equal the account types of
// their accounts (1 income, 2 expense).
inline constexpr int kBudgetIncome = 1;
inline constexpr int kBudgetExpense = 2;
// The pages that list them, and the family property budget's page.
inline constexpr int kIncomeBudgetPage = 32960;
inline constexpr int kExpenseBudgetPage = 32961;
inline constexpr int kPropertyBudgetPage = 32962;

enum class BudgetKind { kMonth = 0, kQuarter = 1, kYear = 2 };

int MonthBudgetKey(int year, int month);
// quarter 1-4
int QuarterBudgetKey(int year, int quarter);
int YearBudgetKey(int year);

BudgetKind KindOfBudgetKey(int key);
int YearOfBudgetKey(int key);
// "月份预算", "季度预算", "年度预算".
std::string BudgetTypeText(int key);
// "2026年03月", "2026年第3季度", "2026年".
std::string BudgetPeriodText(int key);

// The calendar months a budget plans, as yyyymm: the month itself, the three
// months of a calendar quarter (January to March is the first), or January to
// December.
struct BudgetMonths {
  int first = 0;
  int last = 0;
};
BudgetMonths MonthsOfBudgetKey(int key);

// True when the row of key `a` stands above the row of key `b`.
bool BudgetKeyBefore(int a, int b);

// The key of a period written on the command line: "YYYY-MM" (month),
// "YYYY-Q" with Q 1-4 (quarter) or "YYYY" (year); years 1900-9999. None when
// the text is not of that form.
std::optional<int> ParseBudgetPeriod(BudgetKind kind, std::string_view text);

}  // namespace cw

#include "budget/budget_key.h"

#include <charconv>

#include "base/gbk_text.h"

namespace cw {
namespace {

constexpr int kQuarterBase = 50;
constexpr int kYearSuffix = 61;

int Suffix(int key) { return key % 100; }

// Month budgets 0, quarter budgets 1, year budgets 2: the group a row sorts in.
int Group(int key) { return static_cast<int>(KindOfBudgetKey(key)); }

std::optional<int> Number(std::string_view text, std::size_t digits) {
  if (text.size() != digits) return std::nullopt;
  int value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

int MonthBudgetKey(int year, int month) { return year * 100 + month; }
int QuarterBudgetKey(int year, int quarter) { return year * 100 + kQuarterBase + quarter; }
int YearBudgetKey(int year) { return year * 100 + kYearSuffix; }

BudgetKind KindOfBudgetKey(int key) {
  if (Suffix(key) < 20) return BudgetKind::kMonth;
  if (Suffix(key) < 60) return BudgetKind::kQuarter;
  return BudgetKind::kYear;
}

int YearOfBudgetKey(int key) { return key / 100; }

std::string BudgetTypeText(int key) {
  switch (KindOfBudgetKey(key)) {
    case BudgetKind::kMonth: return "月份预算";
    case BudgetKind::kQuarter: return "季度预算";
    case BudgetKind::kYear: return "年度预算";
  }
  return {};
}

std::string BudgetPeriodText(int key) {
  const int year = YearOfBudgetKey(key);
  switch (KindOfBudgetKey(key)) {
    case BudgetKind::kMonth: return StrFormat("%d年%02d月", year, Suffix(key));
    case BudgetKind::kQuarter: return StrFormat("%d年第%d季度", year, Suffix(key) - kQuarterBase);
    case BudgetKind::kYear: return StrFormat("%d年", year);
  }
  return {};
}

BudgetMonths MonthsOfBudgetKey(int key) {
  const int year = YearOfBudgetKey(key);
  switch (KindOfBudgetKey(key)) {
    case BudgetKind::kMonth: return {key, key};
    case BudgetKind::kQuarter: {
      const int quarter = Suffix(key) - kQuarterBase;
      return {year * 100 + 3 * quarter - 2, year * 100 + 3 * quarter};
    }
    case BudgetKind::kYear: return {year * 100 + 1, year * 100 + 12};
  }
  return {};
}

bool BudgetKeyBefore(int a, int b) {
  if (Group(a) != Group(b)) return Group(a) < Group(b);
  return a < b;
}

std::optional<int> ParseBudgetPeriod(BudgetKind kind, std::string_view text) {
  const std::optional<int> year = Number(text.substr(0, 4), 4);
  if (!year || *year < 1900) return std::nullopt;
  switch (kind) {
    case BudgetKind::kYear:
      if (text.size() != 4) return std::nullopt;
      return YearBudgetKey(*year);
    case BudgetKind::kMonth: {
      if (text.size() != 7 || text[4] != '-') return std::nullopt;
      const std::optional<int> month = Number(text.substr(5), 2);
      if (!month || *month < 1 || *month > 12) return std::nullopt;
      return MonthBudgetKey(*year, *month);
    }
    case BudgetKind::kQuarter: {
      if (text.size() != 6 || text[4] != '-') return std::nullopt;
      const std::optional<int> quarter = Number(text.substr(5), 1);
      if (!quarter || *quarter < 1 || *quarter > 4) return std::nullopt;
      return QuarterBudgetKey(*year, *quarter);
    }
  }
  return std::nullopt;
}

}  // namespace cw

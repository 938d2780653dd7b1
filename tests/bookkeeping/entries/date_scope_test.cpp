// Date scopes: the months each scope shows, the scope a range amounts to, and
// the widening after a voucher booked outside the range.
#include "bookkeeping/entries/date_scope.h"

#include <gtest/gtest.h>

namespace cw {
namespace {

constexpr YearMonth kToday{2024, 2};

VoucherRange Months(int y1, int m1, int y2, int m2) { return MonthsRange({y1, m1}, {y2, m2}); }

TEST(DateScopeTest, ScopesCoverWholeMonthsBackFromToday) {
  struct Case {
    DateScope scope;
    VoucherRange expected;
  } cases[] = {
      {DateScope::kCurrentMonth, {202402001, 202402999}},
      // Two months back crosses the year.
      {DateScope::kLastThreeMonths, {202312001, 202402999}},
      {DateScope::kCurrentYear, {202401001, 202402999}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ScopeLabel(c.scope));
    EXPECT_EQ(c.expected, RangeOfScope(c.scope, kToday));
  }
  EXPECT_EQ("2023年12月 - 2024年2月", RangeText(RangeOfScope(DateScope::kLastThreeMonths, kToday)));
}

TEST(DateScopeTest, ARangeAmountsToTheNarrowestScopeThatHoldsIt) {
  struct Case {
    const char* what;
    VoucherRange range;
    DateScope expected;
  } cases[] = {
      {"this month", Months(2024, 2, 2024, 2), DateScope::kCurrentMonth},
      {"last month only", Months(2024, 1, 2024, 1), DateScope::kLastThreeMonths},
      {"from two months back", Months(2023, 12, 2024, 2), DateScope::kLastThreeMonths},
      {"three months back is not in the last three", Months(2023, 11, 2024, 2), DateScope::kCustom},
      {"next month is custom", Months(2024, 2, 2024, 3), DateScope::kCustom},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.expected, ScopeOfRange(c.range, kToday));
  }
  // In June the year scope is wider than the last three months.
  EXPECT_EQ(DateScope::kCurrentYear, ScopeOfRange(Months(2024, 2, 2024, 6), {2024, 6}));
}

TEST(DateScopeTest, AVoucherOutsideTheRangeWidensIt) {
  struct Case {
    const char* what;
    VoucherRange range;
    int voucher;
    DateScope scope;
    VoucherRange expected;
  } cases[] = {
      {"previous month from this month", Months(2024, 2, 2024, 2), 202401005, DateScope::kLastThreeMonths,
       Months(2023, 12, 2024, 2)},
      {"inside the range changes nothing", Months(2023, 12, 2024, 2), 202312001, DateScope::kLastThreeMonths,
       Months(2023, 12, 2024, 2)},
      {"last year stays a custom range as widened", Months(2024, 2, 2024, 2), 202306010, DateScope::kCustom,
       Months(2023, 6, 2024, 2)},
      {"a later month raises the end", Months(2024, 2, 2024, 2), 202404001, DateScope::kCustom,
       Months(2024, 2, 2024, 4)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const ScopedRange widened = WidenForVoucher(c.range, c.voucher, kToday);
    EXPECT_EQ(c.scope, widened.scope);
    EXPECT_EQ(c.expected, widened.range);
    EXPECT_TRUE(widened.range.Contains(c.voucher));
  }
}

}  // namespace
}  // namespace cw

// Balances and period series over a small ledger.
#include <gtest/gtest.h>

#include "calendar/calendar.h"
#include "core/balances.h"
#include "core/voucher_engine.h"
#include "support/ledger_fixture.h"

namespace cw {
namespace {

using testing::LedgerTest;
using Pairs = std::vector<std::pair<double, double>>;

class BalancesTest : public LedgerTest {
 protected:
  void Book(const std::string& date, int kind, const std::string& a1, const std::string& a2, double amount,
            const std::string& a3 = "", double amount2 = 0) {
    ASSERT_NE(0, WriteVoucher(Make(date, kind, a1, a2, amount, "", a3, amount2)));
  }
  // Opening balances: cash 1000, bank 5000, a loan of 2000.
  void Openings() {
    Book("2024-01-01", 1, "101", "502", 1000);
    Book("2024-01-01", 1, "102", "502", 5000);
    Book("2024-01-01", 1, "201", "502", 2000);
  }
};

TEST(PeriodsTest, BoundsAndCounts) {
  EXPECT_EQ(201600000 + 1000, PeriodBound(kByYear, 2016, true));
  EXPECT_EQ(201600000 + 12999, PeriodBound(kByYear, 2016, false));
  EXPECT_EQ(201603000, PeriodBound(kByMonth, 201603, true));
  EXPECT_EQ(201603999, PeriodBound(kByMonth, 201603, false));
  struct Case {
    int kind, from, to, count;
  } cases[] = {
      {kByMonth, 20231115, 20240210, 4},  // November to February
      {kByDay, 20240228, 20240301, 3},    // leap year
      {kByDay, 20230228, 20230301, 2},
      {kByYear, 20191231, 20240101, 6},
      {kByMonth, 20240105, 20240128, 1},
  };
  for (const Case& c : cases) EXPECT_EQ(c.count, PeriodCount(c.kind, c.from, c.to)) << c.from << ".." << c.to;
  EXPECT_TRUE(IncreasesBalance(3, true));
  EXPECT_TRUE(IncreasesBalance(6, true));
  EXPECT_FALSE(IncreasesBalance(8, true));
  EXPECT_TRUE(IncreasesBalance(1, false));
  EXPECT_TRUE(IncreasesBalance(2, false)) << "expenses sum as credits less debits; reports turn the sign";
}

TEST_F(BalancesTest, OnlyOpeningBalances) {
  Openings();
  EXPECT_DOUBLE_EQ(4000, NetProperty(999912999));
  EXPECT_DOUBLE_EQ(0, NetProperty(202401001)) << "nothing before the first voucher";
  EXPECT_EQ(Pairs(12, {0, 0}), IncomeExpenseSeries(kByMonth, 20240101, 20241231, false));
  // Asked with the opening, the counter-account's opening income shows in period 0.
  Pairs with_opening = IncomeExpenseSeries(kByMonth, 20240101, 20241231, true);
  EXPECT_EQ(4000, with_opening[0].first);
  EXPECT_EQ(0, with_opening[1].first);
}

TEST_F(BalancesTest, MonthlyIncomeAndExpense) {
  Openings();
  Book("2024-01-10", 2, "501", "102", 9000);
  Book("2024-01-12", 3, "601", "101", 100);
  Book("2024-03-05", 2, "501", "102", 9000);
  Book("2024-03-06", 3, "601", "202", 200);  // paid by card: counts once, as expense
  Book("2024-04-02", 10, "103", "102", 1000, "504", 950);  // a loss of 50 on income account 504 ...
  Book("2024-04-03", 41, "102", "101", 2000, "504", 50);   // ... cancelled by 50 of interest
  EXPECT_EQ((Pairs{{9000, 100}, {0, 0}, {9000, 200}, {0, 0}}),
            IncomeExpenseSeries(kByMonth, 20240115, 20240430, false));
  EXPECT_EQ((Pairs{{18000, 300}}), IncomeExpenseSeries(kByYear, 20240101, 20241231, false));
  // From February with the opening: January's figures and the openings start period 0.
  EXPECT_EQ((Pairs{{13000, 100}, {9000, 200}}), IncomeExpenseSeries(kByMonth, 20240201, 20240331, true));
  EXPECT_EQ((std::vector<double>{9000, 0, 0}), IncomeSeries(kByDay, 20240305, 20240307));
  EXPECT_TRUE(IncomeExpenseSeries(kByMonth, 20240301, 20240201, false).empty());
  EXPECT_TRUE(IncomeExpenseSeries(3, 20240101, 20240201, false).empty());
  // Property: openings 4000, +18000 income, -300 expense, -50 loss +50 interest.
  EXPECT_DOUBLE_EQ(4000 + 18000 - 300, NetProperty(999912999));
  EXPECT_DOUBLE_EQ(4000 + 9000 - 100, NetProperty(202403000));
}

TEST_F(BalancesTest, CategorySeriesByQuarter) {
  Book("2016-01-05", 3, "601", "101", 1);
  Book("2016-03-05", 3, "601", "101", 2);
  Book("2016-04-05", 3, "602", "101", 4);
  Book("2016-06-05", 3, "601", "101", 8);
  Book("2016-12-05", 3, "601", "101", 16);
  Book("2017-01-05", 3, "601", "101", 32);
  Book("2017-01-06", 1, "101", "502", 64);  // openings never count
  CategorySeries series = CategoryAccountSeries(false, kQuarter, 201601001, 201701999);
  ASSERT_EQ(5, series.period_count);
  ASSERT_FALSE(series.accounts.empty());
  EXPECT_GT(series.accounts.front().code, series.accounts.back().code) << "reverse code order";
  const AccountSeries* food = nullptr;
  const AccountSeries* home = nullptr;
  for (const AccountSeries& a : series.accounts) {
    if (a.code == "601") food = &a;
    if (a.code == "602") home = &a;
  }
  ASSERT_TRUE(food && home);
  EXPECT_EQ((std::vector<double>{-3, -8, 0, -16, -32}), food->values) << "expenses show credits less debits";
  EXPECT_EQ((std::vector<double>{0, -4, 0, 0, 0}), home->values);

  CategorySeries days = CategoryAccountSeries(false, kDay, 201601001, 201601999);
  EXPECT_EQ(1, days.period_count);
  EXPECT_EQ(SerialDay(2016, 1, 5), days.first_date);
  CategorySeries weeks = CategoryAccountSeries(false, kWeek, 201601001, 201606999);
  EXPECT_EQ((SerialDay(2016, 6, 5) - SerialDay(2016, 1, 5)) / 7 + 1, weeks.period_count);
}

TEST_F(BalancesTest, VouchersAtDates) {
  Book("2024-03-05", 3, "601", "101", 1);
  Book("2024-03-09", 3, "601", "101", 1);
  EXPECT_EQ(202403002, VoucherAtDate(Day("2024-03-06"), true));
  EXPECT_EQ(202403001, VoucherAtDate(Day("2024-03-06"), false));
  EXPECT_EQ(0, VoucherAtDate(Day("2024-03-10"), true));
  EXPECT_EQ(0, VoucherAtDate(Day("2024-03-01"), false));
  VoucherSpan span = FirstAndLastVoucher();
  EXPECT_TRUE(span.found);
  EXPECT_EQ(202403001, span.first);
  EXPECT_EQ(202403002, span.last);
  EXPECT_EQ(Day("2024-03-09"), span.last_date);
  EXPECT_FALSE(FirstAndLastVoucher(202404000, 202404999).found);
}

}  // namespace
}  // namespace cw

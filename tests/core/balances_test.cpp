// Balances and period series over a small ledger.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <unordered_map>

#include "calendar/calendar.h"
#include "core/balances.h"
#include "core/item_cache.h"
#include "core/ledger_model.h"
#include "core/voucher_engine.h"
#include "store/database.h"
#include "store/month_totals.h"
#include "store/row_reader.h"
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

// ---- the figures of the account index equal those of the voucher walks ----------
//
// The computations read the account index; these references compute the same
// figures the plain way, walking the catalogue's joined statements (372/373,
// 703, 706, 707). The figures must be equal to the last bit.

constexpr char kMovements[] = " AND A.Input_Type<>1";

double ReferenceNetProperty(int bound) {
  CItemCache& chart = CItemCache::Instance();
  double property = 0;
  for (int id : {372, 373}) {
    const char* column = id == 372 ? "Debit" : "Loan";
    const double sign = id == 372 ? 1 : -1;
    CDBPack rows;
    rows.Open(Database::LoadStatement(id), {bound});
    for (; !rows.IsEnd(); rows.MoveNext()) {
      if (IsPropertyType(chart.TypeOf(rows.GetText("Item_No")))) property += sign * rows.GetDouble(column);
    }
  }
  return property;
}

double ReferenceSum(CDBPack& rows, int type) {
  double sum = 0;
  for (; !rows.IsEnd(); rows.MoveNext()) {
    double cash = rows.GetDouble("Cash");
    sum += IncreasesBalance(type, rows.GetBool("IsDebit")) ? cash : -cash;
  }
  return sum;
}

int YmdOf(double date) {
  Ymd d = DateOfSerialDay(static_cast<int>(date));
  return d.year * 10000 + d.month * 100 + d.day;
}

int Cut(int kind, int ymd) { return kind == kByYear ? ymd / 10000 : kind == kByMonth ? ymd / 100 : ymd; }

std::vector<double> ReferenceDateSeries(int type, int kind, int from, int to, bool with_opening) {
  const int s = PeriodBound(kind, Cut(kind, from), true);
  const int e = PeriodBound(kind, Cut(kind, to), false);
  const std::string accounts = AccountCondition(type);
  double opening = 0;
  if (with_opening) {
    CDBPack before;
    before.Open(Database::LoadStatement(707, accounts + kMovements), {s});
    opening = ReferenceSum(before, type);
    CDBPack initial;
    initial.Open(Database::LoadStatement(706, accounts + " AND A.Input_Type=1"));
    opening += ReferenceSum(initial, type);
  }
  std::vector<double> values(PeriodCount(kind, from, to), 0.0);
  if (values.empty()) return values;
  values[0] = opening;
  CDBPack rows;
  rows.Open(Database::LoadStatement(703, accounts + kMovements), {s, e});
  int current = -1;
  double sum = 0;
  for (; !rows.IsEnd(); rows.MoveNext()) {
    int slot = PeriodCount(kind, from, YmdOf(rows.GetDate("Input_Time"))) - 1;
    if (slot < 0 || slot >= static_cast<int>(values.size())) slot = -1;
    if (slot != current) {
      if (current >= 0) values[current] += sum;
      current = slot;
      sum = 0;
    }
    double cash = rows.GetDouble("Cash");
    sum += IncreasesBalance(type, rows.GetBool("IsDebit")) ? cash : -cash;
  }
  if (current >= 0) values[current] += sum;
  return values;
}

std::vector<std::pair<double, double>> ReferenceIncomeExpense(int kind, int from, int to, bool with_opening) {
  std::vector<double> income = ReferenceDateSeries(kTypeIncome, kind, from, to, with_opening);
  std::vector<double> expense = ReferenceDateSeries(kTypeExpense, kind, from, to, with_opening);
  std::vector<std::pair<double, double>> pairs(income.size());
  for (std::size_t i = 0; i < pairs.size(); ++i) pairs[i] = {income[i], -expense[i]};
  return pairs;
}

// The per-account values of CategoryAccountSeries, walking 703.
std::vector<AccountSeries> ReferenceCategory(bool income, int kind, int first_no, int last_no, int period_count,
                                             int first_date) {
  std::vector<AccountSeries> accounts;
  const int type = income ? kTypeIncome : kTypeExpense;
  CDBPack chart;
  chart.Open(Database::LoadStatement(419), {type});
  for (; !chart.IsEnd(); chart.MoveNext()) accounts.push_back({chart.GetText("Item_No"), std::vector<double>(period_count)});
  std::reverse(accounts.begin(), accounts.end());
  std::unordered_map<std::string, std::size_t> slot_of;
  for (std::size_t i = 0; i < accounts.size(); ++i) slot_of[accounts[i].code] = i;
  auto year = [](int n) { return n / 100000; };
  auto month = [](int n) { return n / 1000 % 100; };
  CDBPack rows;
  rows.Open(Database::LoadStatement(703, AccountCondition(type) + kMovements), {first_no, last_no});
  for (; !rows.IsEnd(); rows.MoveNext()) {
    int n = rows.GetLong("Voucher_No");
    int days = static_cast<int>(std::floor(rows.GetDate("Input_Time") - first_date + 0.5));
    int period = kind == kYear      ? year(n) - year(first_no)
                 : kind == kQuarter ? 4 * (year(n) - year(first_no)) + (month(n) - 1) / 3 - (month(first_no) - 1) / 3
                 : kind == kMonth   ? (year(n) - year(first_no)) * 12 + month(n) - month(first_no)
                 : kind == kWeek    ? days / 7
                 : kind == kDay     ? days
                                    : 0;
    auto it = slot_of.find(rows.GetText("Item_No"));
    if (it == slot_of.end() || period < 0 || period >= period_count) continue;
    double cash = rows.GetDouble("Cash");
    accounts[it->second].values[period] += rows.GetBool("IsDebit") ? -cash : cash;
  }
  return accounts;
}

// Sums read from the month totals add the same amounts in another order than a
// walk over the lines: equal to a millionth of a cent.
constexpr double kSumTolerance = 1e-8;

void ExpectSameSums(const std::vector<double>& expected, const std::vector<double>& actual) {
  ASSERT_EQ(expected.size(), actual.size());
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_NEAR(expected[i], actual[i], kSumTolerance) << "period " << i;
}

void ExpectSameSums(const std::vector<std::pair<double, double>>& expected,
                    const std::vector<std::pair<double, double>>& actual) {
  ASSERT_EQ(expected.size(), actual.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_NEAR(expected[i].first, actual[i].first, kSumTolerance) << "income of period " << i;
    EXPECT_NEAR(expected[i].second, actual[i].second, kSumTolerance) << "expense of period " << i;
  }
}

// Sixteen months of a household, booked in random date order, with amounts in
// cents (so that adding in another order would show), three-line kinds, opening
// vouchers at the start and one in the middle, and lines left on an account that
// later got a sub-account.
class IndexedSumsTest : public BalancesTest {
 protected:
  void SetUp() override {
    BalancesTest::SetUp();
    std::mt19937 random(4711);
    auto pick = [&](std::initializer_list<const char*> codes) {
      return std::string(codes.begin()[random() % codes.size()]);
    };
    auto cents = [&](int low, int high) { return (low * 100 + static_cast<int>(random() % ((high - low) * 100))) / 100.0; };
    Book("2023-11-01", 1, "101", "502", 1234.56);
    Book("2023-11-01", 1, "102", "505", 98765.43);
    Book("2023-11-02", 1, "201", "502", 5000.01);
    for (int i = 0; i < 420; ++i) {
      int month = static_cast<int>(random() % 16);  // November 2023 to February 2025
      int year = 2023 + (month + 10) / 12;
      int m = (month + 10) % 12 + 1;
      std::string date = IsoDate(SerialDay(year, m, 1 + static_cast<int>(random() % 28)));
      switch (random() % 10) {
        case 0: Book(date, 2, pick({"501", "504", "505"}), pick({"101", "102"}), cents(1000, 9000)); break;
        case 1: Book(date, 41, "102", "101", cents(100, 900), "504", cents(0, 9)); break;
        case 2: Book(date, 10, "103", "102", cents(500, 900), "504", cents(400, 1000)); break;
        case 3: Book(date, 13, "202", "102", cents(100, 700), "50301", cents(0, 20)); break;
        case 4: Book(date, 9, "103", "102", cents(300, 2000)); break;
        default:
          Book(date, 3, pick({"601", "602", "603", "604", "609", "699", "50301"}), pick({"101", "102", "202"}),
               cents(1, 400));
      }
    }
    Book("2024-06-15", 1, "104", "502", 777.77);  // an account opened later
    // A sub-account under cash: the lines on 101 stay there, now a parent account.
    ASSERT_TRUE(Database::Execute(Database::LoadStatement(349), {std::string("10101"), std::string("零钱"), 3}));
    CItemCache::Instance().MarkDirty();
  }
};

TEST_F(IndexedSumsTest, MonthTotalsEqualTheLines) { EXPECT_TRUE(CompareMonthTotals().empty()); }

TEST_F(IndexedSumsTest, NetPropertyEqualsTheSumsBySide) {
  ASSERT_EQ(kTypeCash, CItemCache::Instance().TypeOf("101")) << "a parent takes the type of its first leaf";
  for (int bound : {0, 202311001, 202311002, 202311999, 202401000, 202406015, 202406016, 202412500, 202502999,
                    999912999}) {
    EXPECT_NEAR(ReferenceNetProperty(bound), NetProperty(bound), kSumTolerance) << bound;
  }
}

TEST_F(IndexedSumsTest, DateSeriesEqualTheWalks) {
  struct Case {
    int kind, from, to;
  } cases[] = {
      {kByMonth, 20231101, 20250228}, {kByMonth, 20240115, 20240731}, {kByMonth, 20240601, 20240630},
      {kByMonth, 20220101, 20260131}, {kByYear, 20230101, 20251231},  {kByYear, 20240101, 20241231},
      {kByDay, 20240301, 20240331},   {kByDay, 20231101, 20250228},
  };
  for (const Case& c : cases) {
    for (bool with_opening : {false, true}) {
      SCOPED_TRACE(::testing::Message() << c.kind << " " << c.from << ".." << c.to << " opening " << with_opening);
      ExpectSameSums(ReferenceIncomeExpense(c.kind, c.from, c.to, with_opening),
                IncomeExpenseSeries(c.kind, c.from, c.to, with_opening));
    }
    ExpectSameSums(ReferenceDateSeries(kTypeIncome, c.kind, c.from, c.to, false), IncomeSeries(c.kind, c.from, c.to));
  }
}

TEST_F(IndexedSumsTest, CategorySeriesEqualTheWalks) {
  struct Case {
    int kind, first, last;
  } cases[] = {
      {kWhole, 202311001, 202502999},   {kYear, 202301000, 202512999},  {kQuarter, 202311001, 202502999},
      {kQuarter, 202402000, 202407999}, {kMonth, 202311001, 202502999}, {kMonth, 202406001, 202406999},
      {kWeek, 202401001, 202403999},    {kDay, 202405001, 202405999},
  };
  for (const Case& c : cases) {
    for (bool income : {true, false}) {
      SCOPED_TRACE(::testing::Message() << c.kind << " " << c.first << ".." << c.last << " income " << income);
      CategorySeries series = CategoryAccountSeries(income, c.kind, c.first, c.last);
      ASSERT_GT(series.period_count, 0);
      std::vector<AccountSeries> expected =
          ReferenceCategory(income, c.kind, c.first, c.last, series.period_count, series.first_date);
      ASSERT_EQ(expected.size(), series.accounts.size());
      for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(expected[i].code, series.accounts[i].code);
        SCOPED_TRACE(expected[i].code);
        ExpectSameSums(expected[i].values, series.accounts[i].values);
      }
    }
  }
}

}  // namespace
}  // namespace cw

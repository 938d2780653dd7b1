// The projection's monthly series: active months, due months, adjustments,
// shares of the average income, the price index and the table's rows.
#include <gtest/gtest.h>

#include <cmath>

#include "base/gbk_text.h"
#include "budget/projection.h"
#include "budget/projection_chart.h"
#include "budget_fixture.h"
#include "calendar/calendar.h"

namespace cw {
namespace {

PropertyItem Fixed(int type, double cash, int frequency = kFrequencyMonthly, int start = 0, int end = 0) {
  PropertyItem item;
  item.content = "项目";
  item.type = type;
  item.cash = cash;
  item.cash_frequency = frequency;
  item.start_date = start;
  item.end_date = end;
  return item;
}

PropertyItem Share(int type, double share) {
  PropertyItem item = Fixed(type, share);
  item.cash_type = kCashShareOfIncome;
  return item;
}

PropertyItem Inflation(double rate, int frequency) {
  PropertyItem item = Fixed(kItemInflation, rate, frequency);
  item.cash_type = kCashYearOnYear;
  return item;
}

PropertyItem Raised(PropertyItem item, double increase, int type = kIncreasePercent, int frequency = kFrequencyYearly) {
  item.increase = increase;
  item.increase_type = type;
  item.increase_frequency = frequency;
  return item;
}

Projection Projected(int first, int last, std::vector<PropertyItem> items, std::vector<double> history = {}, double opening = 0) {
  return Project({first, last, std::move(items), std::move(history), opening});
}

// The first item's values.
std::vector<double> Values(const Projection& projection) { return projection.values.at(0); }

TEST(ProjectionTest, DueMonthsOfTheFrequencies) {
  const int march = SerialDay(2020, 3, 1);
  struct Case {
    int frequency;
    int start;
    std::vector<double> jan_to_dec;
  } const cases[] = {
      {kFrequencyMonthly, march, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
      {kFrequencyQuarterly, march, {0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0, 1}},
      {kFrequencyYearly, march, {0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {kFrequencyYearly, 0, {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},  // no start: January
      {kFrequencyQuarterly, 0, {1, 0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.frequency);
    EXPECT_EQ(c.jan_to_dec, Values(Projected(202701, 202712, {Fixed(kItemIncome, 1, c.frequency, c.start)})));
  }
}

TEST(ProjectionTest, ActiveFromStartToEndMonth) {
  // Ended before the current month: nothing at all.
  EXPECT_EQ(std::vector<double>(3, 0.0),
            Values(Projected(202701, 202703, {Fixed(kItemIncome, 100, kFrequencyMonthly, 0, SerialDay(2026, 12, 1))})));
  // From April to June (end given as any day of June), spending negative.
  EXPECT_EQ((std::vector<double>{0, 0, 0, -100, -100, -100, 0}),
            Values(Projected(202701, 202707,
                       {Fixed(kItemSpending, 100, kFrequencyMonthly, SerialDay(2027, 4, 1), SerialDay(2027, 6, 30))})));
}

TEST(ProjectionTest, YearlyRiseInTheStartMonth) {
  const PropertyItem salary = Raised(Fixed(kItemIncome, 5000, kFrequencyMonthly, SerialDay(2020, 3, 1)), 0.1);
  const std::vector<double> from_december = Values(Projected(202612, 202803, {salary}));
  EXPECT_EQ(5000, from_december[0]);   // December
  EXPECT_EQ(5000, from_december[2]);   // February
  EXPECT_DOUBLE_EQ(5500, from_december[3]);   // March
  EXPECT_DOUBLE_EQ(5500, from_december[14]);  // the next February
  EXPECT_DOUBLE_EQ(6050, from_december[15]);  // the next March: 10% of the amount then
  // When the first month is a March the rise applies at once.
  EXPECT_DOUBLE_EQ(5500, Values(Projected(202703, 202703, {salary}))[0]);
  // A fixed rise adds its amount.
  EXPECT_DOUBLE_EQ(5200, Values(Projected(202703, 202703, {Raised(salary, 200, kIncreaseFixed)}))[0]);
}

TEST(ProjectionTest, ShareOfAverageIncome) {
  // No history and no income items: nothing to take a share of.
  EXPECT_EQ(std::vector<double>(3, 0.0), Values(Projected(202701, 202703, {Share(kItemSpending, 0.3)})));

  // Twelve months of 10000 behind, then a salary of 22000: spending takes 30%
  // of the twelve months up to and including its own month.
  const std::vector<double> history(12, 10000);
  const Projection projection = Projected(202701, 202702, {Fixed(kItemIncome, 22000), Share(kItemSpending, 0.3)}, history);
  EXPECT_DOUBLE_EQ(-0.3 * (11 * 10000 + 22000) / 12, projection.values[1][0]);
  EXPECT_DOUBLE_EQ(-0.3 * (10 * 10000 + 2 * 22000) / 12, projection.values[1][1]);
  // Months without income do not count in the average.
  std::vector<double> sparse(12, 0);
  sparse[11] = 6000;
  EXPECT_DOUBLE_EQ(-3000, Values(Projected(202701, 202701, {Share(kItemSpending, 0.5)}, sparse))[0]);
}

TEST(ProjectionTest, ShareOfIncomeKeepsItsAdjustments) {
  // An income of 100% of the average with a fixed yearly rise of 100 (due in
  // January): the average-based amount plus the rises so far.
  const Projection projection =
      Projected(202612, 202702, {Raised(Share(kItemIncome, 1.0), 100, kIncreaseFixed)}, std::vector<double>(12, 1000));
  const std::vector<double> v = Values(projection);
  EXPECT_DOUBLE_EQ(1000, v[0]);                            // December: the average
  EXPECT_DOUBLE_EQ(1100, v[1]);                            // January: average 1000 + the rise
  EXPECT_DOUBLE_EQ((10 * 1000 + 1000 + 1100) / 12.0 + 100, v[2]);  // February: new average + 100
}

TEST(ProjectionTest, PriceIndex) {
  // A rate due every month: the index after twelve months is 1.03.
  const Projection monthly = Projected(202701, 202712, {Inflation(0.03, kFrequencyMonthly)});
  EXPECT_NEAR(1.03, monthly.months[11].price_index, 1e-12);
  EXPECT_TRUE(monthly.shown.empty());
  // A yearly rate raises the index by the whole rate in its month and leaves
  // it alone in the others.
  const Projection yearly = Projected(202612, 202802, {Inflation(0.03, kFrequencyYearly)});
  EXPECT_DOUBLE_EQ(1.0, yearly.months[0].price_index);
  EXPECT_DOUBLE_EQ(1.03, yearly.months[1].price_index);
  EXPECT_DOUBLE_EQ(1.03, yearly.months[12].price_index);
  EXPECT_DOUBLE_EQ(1.03 * 1.03, yearly.months[13].price_index);
  // A later inflation item with a positive value replaces the first.
  const Projection two = Projected(202701, 202701, {Inflation(0.12, kFrequencyMonthly), Inflation(0.21, kFrequencyMonthly)});
  EXPECT_NEAR(std::pow(1.21, 1 / 12.0), two.months[0].price_index, 1e-12);
}

TEST(ProjectionTest, TableStartsWithTheOpeningProperty) {
  const Projection projection = Projected(202701, 202702,
                                    {Fixed(kItemIncome, 1000), Fixed(kItemSpending, 300), Fixed(kItemLargeExpense, 99999),
                                     Inflation(0.03, kFrequencyMonthly)},
                                    {}, 5000);
  const GridModel summary = ProjectionTable(projection, false);
  ASSERT_EQ(3, summary.RowCount());
  const std::vector<std::string> titles = {"日期", "收入", "支出", "盈余", "盈余累计", "实际购买力"};
  for (int c = 0; c < summary.ColumnCount(); ++c) EXPECT_EQ(titles[c], summary.Column(c).title);
  EXPECT_EQ((std::vector<std::string>{"期初财产余额", "", "", "", "5000.00", "5000.00"}), summary.Row(0).cells);
  EXPECT_EQ((std::vector<std::string>{"2027-01-31", "1000.00", "300.00", "700.00", "5700.00",
                                      StrFormat("%.2f", 5700 / std::pow(1.03, 1 / 12.0))}),
            summary.Row(1).cells);
  EXPECT_EQ("6400.00", summary.Cell(2, 4));
  EXPECT_EQ("2027-02-28", summary.Cell(2, 0));

  // Detail: one column per item but large expenses and inflation.
  const GridModel detail = ProjectionTable(projection, true);
  ASSERT_EQ(6, detail.ColumnCount());
  EXPECT_EQ("项目", detail.Column(1).title);
  EXPECT_EQ(120, detail.Column(1).width);
  EXPECT_EQ("300.00", detail.Cell(1, 2));
}

using testing::BudgetTest;

TEST_F(BudgetTest, InputFromTheLedger) {
  Book("2026-01-01", 1, "102", "502", 10000);  // opening, property only
  Book("2026-02-10", 2, "501", "102", 8000);
  Book("2026-12-05", 2, "501", "102", 9000);
  Book("2027-01-03", 3, "601", "101", 50);     // the current month: not in the opening
  const ProjectionInput input = ReadProjectionInput(SerialDay(2027, 1, 15), 202712);
  EXPECT_EQ(202701, input.first_month);
  EXPECT_DOUBLE_EQ(27000, input.opening);
  ASSERT_EQ(12u, input.income_history.size());
  EXPECT_EQ(0, input.income_history[0]);      // January 2026
  EXPECT_EQ(8000, input.income_history[1]);   // February 2026
  EXPECT_EQ(9000, input.income_history[11]);  // December 2026
  EXPECT_EQ(207612, DefaultProjectionEnd(SerialDay(2026, 12, 10)));
}

}  // namespace
}  // namespace cw

namespace cw {
namespace {

TEST(ProjectionChartTest, DecadesThinnedToYearsEndingWithTheLastMonth) {
  const Projection months = Projected(202701, 202712, {Fixed(kItemIncome, 100)});
  const ChartData near = ProjectionChart(months);
  ASSERT_EQ(12, near.PointCount());
  EXPECT_EQ("2027-01", near.labels.front());
  ASSERT_EQ(2u, near.series.size());
  EXPECT_EQ("盈余累计", near.series[0].name);
  EXPECT_EQ(1200, near.series[0].values.back());

  const Projection decades = Projected(202612, 207612, {Fixed(kItemIncome, 100)});
  const ChartData far = ProjectionChart(decades);
  EXPECT_LE(far.PointCount(), kProjectionChartPoints + 1);
  EXPECT_EQ("2026", far.labels.front());
  EXPECT_EQ("2076", far.labels.back());
  EXPECT_DOUBLE_EQ(decades.months.back().purchasing_power, far.series[1].values.back());
}

}  // namespace
}  // namespace cw

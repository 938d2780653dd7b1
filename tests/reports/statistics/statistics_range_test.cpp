#include "reports/statistics/statistics_range.h"

#include <gtest/gtest.h>

namespace cw {
namespace {

TEST(StatRangeTest, DefaultRunsFromJanuaryToTheCurrentMonthKeepingOptions) {
  const StatRange r = DefaultStatRange(20260817, {.period = kDayPeriod, .hide_rows = false, .hide_columns = true});
  EXPECT_EQ(r, (StatRange{202601000, 202608999, 20260101, 20260801, kDayPeriod, false, true}));
}

TEST(StatRangeTest, ScopeDialogResults) {
  EXPECT_EQ(ScopeRange(kYearPeriod, 20200101, 20230101, {}),
            (StatRange{202001000, 202312999, 20200101, 20230101, kYearPeriod, true, false}));
  EXPECT_EQ(ScopeRange(kDayPeriod, 20260305, 20260420, {}).end, 202604999);
  // Days start from the 1st of this month to today; years and months from the range.
  const StatRange r = DefaultStatRange(20260817);
  EXPECT_EQ(ScopeStart(kDayPeriod, r, 20260817), std::make_pair(20260801, 20260817));
  EXPECT_EQ(ScopeStart(kYearPeriod, r, 20260817), std::make_pair(20260101, 20260801));
}

TEST(StatRangeTest, Captions) {
  EXPECT_EQ(RangeCaption(ScopeRange(kYearPeriod, 20200101, 20230101, {})), "日期范围：2020年 - 2023年");
  EXPECT_EQ(RangeCaption(ScopeRange(kMonthPeriod, 20200301, 20230101, {})), "日期范围：2020年3月 - 2023年1月");
  EXPECT_EQ(RangeCaption(ScopeRange(kDayPeriod, 20200301, 20200331, {})), "日期范围：2020年3月1日 - 2020年3月31日");
  EXPECT_EQ(CutOffCaption(CutOffBound(2026, 7)), "截止月份：2026年7月");
}

TEST(StatRangeTest, DrillDownFromYearToMonthsToDays) {
  const StatRange options{.hide_rows = false, .hide_columns = true};
  const auto year = DrillInto(2025, options);
  ASSERT_TRUE(year && year->range);
  EXPECT_EQ(*year->range, (StatRange{202501000, 202512999, 20250101, 20251201, kMonthPeriod, false, true}));
  EXPECT_EQ(PeriodKeys(*year->range).size(), 12u);
  const auto february = DrillInto(202402, options);
  ASSERT_TRUE(february && february->range);
  EXPECT_EQ(february->range->period, kDayPeriod);
  EXPECT_EQ(february->range->end_date, 20240229);
  EXPECT_EQ(PeriodKeys(*february->range).size(), 29u);
  const auto day = DrillInto(20240229, options);
  ASSERT_TRUE(day);
  EXPECT_FALSE(day->range);
  EXPECT_EQ(day->day, 20240229);
  for (long long nonsense : {0LL, 202413LL, 20230229LL, 12LL}) EXPECT_FALSE(DrillInto(nonsense, options)) << nonsense;
}

TEST(StatRangeTest, PeriodKeysAcrossYearEndsAndEmptyRanges) {
  EXPECT_EQ(PeriodKeys(ScopeRange(kMonthPeriod, 20251101, 20260201, {})),
            (std::vector<long long>{202511, 202512, 202601, 202602}));
  EXPECT_EQ(PeriodKeys(ScopeRange(kDayPeriod, 20251231, 20260101, {})), (std::vector<long long>{20251231, 20260101}));
  EXPECT_TRUE(PeriodKeys(ScopeRange(kMonthPeriod, 20260201, 20260101, {})).empty());
}

}  // namespace
}  // namespace cw

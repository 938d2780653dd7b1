#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "calendar/calendar.h"

namespace cw {
namespace {

constexpr int kDayAfterLunar2050 = 748789;  // 2051-02-11, 正月初一 of lunar 2051

int MonthCount(const LunarYear& year) { return year.leap_month == kNoLeapMonth ? 12 : 13; }

int DaysInLunarYear(const LunarYear& year) {
  int days = 0;
  for (int bit = 0; bit < MonthCount(year); ++bit) days += (year.month_mask >> bit) & 1 ? 30 : 29;
  return days;
}

TEST(LunarYearTableTest, TellingRows) {
  struct Case {
    int year, new_year_day;
    unsigned short month_mask;
    short leap_month;
  };
  const Case cases[] = {
      {1900, 693626, 0x16D2, 8}, {1984, 724308, 0x1A4D, 10}, {2015, 735648, 0x05D2, 15},
      {2017, 736357, 0x1D4A, 6}, {2050, 748405, 0x0DAA, 3},
  };
  for (const Case& c : cases) {
    const LunarYear& row = LunarYearTable()[c.year - kLunarFirstYear];
    SCOPED_TRACE(c.year);
    EXPECT_EQ(row.new_year_day, c.new_year_day);
    EXPECT_EQ(row.month_mask, c.month_mask);
    EXPECT_EQ(row.leap_month, c.leap_month);
  }
}

// Each year's months must exactly fill the days up to the next new year, or
// every lunar date after the faulty row would be shifted.
TEST(LunarYearTableTest, MonthLengthsFillTheGapToTheNextNewYear) {
  const LunarYear* table = LunarYearTable();
  for (int i = 0; i < kLunarYearCount; ++i) {
    const int next = i + 1 < kLunarYearCount ? table[i + 1].new_year_day : kDayAfterLunar2050;
    EXPECT_EQ(DaysInLunarYear(table[i]), next - table[i].new_year_day) << kLunarFirstYear + i;
  }
}

TEST(LunarYearTableTest, RowsAreWellFormed) {
  const LunarYear* table = LunarYearTable();
  for (int i = 0; i < kLunarYearCount; ++i) {
    const LunarYear& row = table[i];
    const int year = kLunarFirstYear + i;
    SCOPED_TRACE(year);
    EXPECT_TRUE(row.leap_month == kNoLeapMonth || (row.leap_month >= 1 && row.leap_month <= 12));
    EXPECT_EQ(row.month_mask >> MonthCount(row), 0) << "bits beyond the year's last month";
    // The lunar new year always falls between January 21 and February 20.
    const Ymd first = DateOfDayNumber(row.new_year_day);
    EXPECT_EQ(first.year, year);
    EXPECT_GE(first.month * 100 + first.day, 121);
    EXPECT_LE(first.month * 100 + first.day, 220);
  }
}

// The compiled-in table is generated from lunar-years.tsv at configure time;
// every row of the file, including its written-out date, must arrive intact.
TEST(LunarYearTableTest, MatchesItsSourceFile) {
  std::ifstream file(CW_LUNAR_YEARS_TSV);
  ASSERT_TRUE(file) << CW_LUNAR_YEARS_TSV;
  int rows = 0;
  std::string line;
  while (std::getline(file, line)) {
    if (line.empty() || line[0] < '0' || line[0] > '9') continue;  // comments, column names
    std::istringstream fields(line);
    int year = 0, new_year_day = 0, leap_month = 0;
    std::string date, mask;
    fields >> year >> new_year_day >> date >> mask >> leap_month;
    ASSERT_TRUE(fields) << line;
    ASSERT_EQ(year, kLunarFirstYear + rows) << line;
    const LunarYear& row = LunarYearTable()[rows];
    EXPECT_EQ(row.new_year_day, new_year_day) << line;
    EXPECT_EQ(row.month_mask, std::stoul(mask, nullptr, 16)) << line;
    EXPECT_EQ(row.leap_month, leap_month) << line;
    int serial = 0;
    ASSERT_TRUE(ParseIsoDate(date, &serial)) << line;
    EXPECT_EQ(serial, new_year_day - DayNumber(1899, 12, 30)) << line;
    ++rows;
  }
  EXPECT_EQ(rows, kLunarYearCount);
}

}  // namespace
}  // namespace cw

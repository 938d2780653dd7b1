#include <gtest/gtest.h>

#include "calendar/calendar.h"

namespace cw {
namespace {

struct Solar {
  int year, month, day;
};
struct Lunar {
  int year, month, day;
};

TEST(SolarToLunarTest, KnownDates) {
  struct Case {
    Solar solar;
    Lunar lunar;
  };
  const Case cases[] = {
      {{1900, 1, 31}, {1900, 1, 1}},  // first day in the table
      {{1984, 2, 2}, {1984, 1, 1}},
      {{2015, 2, 18}, {2014, 12, 30}},  // New Year's Eve belongs to the old year
      {{2015, 2, 19}, {2015, 1, 1}},
      {{2015, 9, 27}, {2015, 8, 15}},  // Mid-Autumn Festival
      {{2017, 6, 24}, {2017, 6, 1}},
      {{2017, 7, 22}, {2017, 6, 29}},
      {{2017, 7, 23}, {2017, -6, 1}},  // leap sixth month of 2017
      {{2017, 8, 21}, {2017, -6, 30}},
      {{2017, 8, 22}, {2017, 7, 1}},
      {{2020, 5, 23}, {2020, -4, 1}},  // leap fourth month of 2020
      {{2023, 1, 21}, {2022, 12, 30}},
      {{2023, 6, 22}, {2023, 5, 5}},     // Dragon Boat Festival after 2023's leap second month
      {{2050, 12, 31}, {2050, 11, 18}},  // last Gregorian day the table covers
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.solar.year << "-" << c.solar.month << "-" << c.solar.day);
    const LunarDate lunar = SolarToLunar(c.solar.year, c.solar.month, c.solar.day);
    ASSERT_TRUE(lunar.ok);
    EXPECT_EQ(lunar.year, c.lunar.year);
    EXPECT_EQ(lunar.month, c.lunar.month);
    EXPECT_EQ(lunar.day, c.lunar.day);
  }
}

TEST(SolarToLunarTest, FailsOutsideTheTableAndForDaysThatDoNotExist) {
  const Solar cases[] = {
      {1899, 12, 31}, {1900, 1, 1},  {1900, 1, 30},  // before 正月初一 of 1900
      {2051, 1, 1},   {2051, 2, 10},                 // Gregorian year after the table
      {2015, 2, 29},  {2015, 13, 1}, {2015, 0, 1},  {2015, 1, 0},
  };
  for (const Solar& s : cases) {
    EXPECT_FALSE(SolarToLunar(s.year, s.month, s.day).ok)
        << s.year << "-" << s.month << "-" << s.day;
  }
}

// Walks every day the table covers: the lunar date moves one day at a time,
// a month ends exactly after LunarMonthDays days, months follow each other in
// order with each leap month right after its namesake, and 十二月 is followed by
// 正月 of the next lunar year.
TEST(SolarToLunarTest, ConsecutiveDaysWalkThroughEveryLunarMonth) {
  LunarDate previous = SolarToLunar(1900, 1, 31);
  ASSERT_TRUE(previous.ok);
  int leap_months_seen = 0;
  for (int n = DayNumber(1900, 2, 1); n <= DayNumber(2050, 12, 31); ++n) {
    const Ymd date = DateOfDayNumber(n);
    const LunarDate lunar = SolarToLunar(date.year, date.month, date.day);
    SCOPED_TRACE(testing::Message() << date.year << "-" << date.month << "-" << date.day);
    ASSERT_TRUE(lunar.ok);
    if (lunar.day != 1) {
      ASSERT_EQ(lunar.year, previous.year);
      ASSERT_EQ(lunar.month, previous.month);
      ASSERT_EQ(lunar.day, previous.day + 1);
    } else {
      ASSERT_EQ(previous.day, LunarMonthDays(previous.year, previous.month));
      const bool leap_follows = LunarMonthDays(previous.year, -previous.month) != 0;
      if (previous.month > 0 && leap_follows) {
        ASSERT_EQ(lunar.year, previous.year);
        ASSERT_EQ(lunar.month, -previous.month);
        ++leap_months_seen;
      } else if (previous.month == 12) {
        ASSERT_EQ(lunar.year, previous.year + 1);
        ASSERT_EQ(lunar.month, 1);
      } else {
        ASSERT_EQ(lunar.year, previous.year);
        ASSERT_EQ(lunar.month, (previous.month > 0 ? previous.month : -previous.month) + 1);
      }
    }
    previous = lunar;
  }
  EXPECT_EQ(previous.year, 2050);
  // Every leap month in the table is passed through exactly once.
  int leap_years = 0;
  for (int i = 0; i < kLunarYearCount; ++i)
    leap_years += LunarYearTable()[i].leap_month != kNoLeapMonth;
  EXPECT_EQ(leap_months_seen, leap_years);
}

TEST(LunarMonthDaysTest, CountsTheLeapMonthInItsPlace) {
  struct Case {
    int year, month, days;
  };
  const Case cases[] = {
      // 2017 (leap after the sixth month, mask 0x1D4A): 六月 29, 闰六月 30, 七月 29,
      // 八月 30; months after the leap month read the next bit of the mask.
      {2017, 6, 29},
      {2017, -6, 30},
      {2017, 7, 29},
      {2017, 8, 30},
      {2017, 12, 30},
      // Months the year does not have.
      {2017, -5, 0},
      {2015, -6, 0},
      {2017, 0, 0},
      {2017, 13, 0},
      {2017, -13, 0},
      // Ends of the table; the last month of lunar 2050 has 29 days.
      {1900, 1, 29},
      {1900, -8, 29},
      {2050, -3, 30},
      {2050, 3, 29},
      {2050, 12, 29},
      {1899, 1, 0},
      {2051, 1, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LunarMonthDays(c.year, c.month), c.days) << c.year << " month " << c.month;
  }
}

}  // namespace
}  // namespace cw

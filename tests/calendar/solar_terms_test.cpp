#include <gtest/gtest.h>

#include "calendar/calendar.h"

namespace cw {
namespace {

// The 24 terms of 2015 (month and day, from 小寒 on). They agree with the
// published almanac except 小寒, which the almanac puts on January 6: its true
// moment is just after midnight Beijing time, and the mean-year moment falls
// some hours earlier.
TEST(SolarTermDayTest, TermsOf2015) {
  const int month_day[24] = {105, 120, 204, 219, 306, 321, 405,  420,  506,  521,  606,  622,
                             707, 723, 808, 823, 908, 923, 1008, 1024, 1108, 1122, 1207, 1222};
  for (int i = 0; i < 24; ++i) {
    EXPECT_EQ(SolarTermDay(2015, i), month_day[i] % 100) << SolarTermName(i);
  }
}

// Terms whose moment lies within minutes of midnight: an error in the base
// moment or in the arithmetic moves them to the neighbouring day.
TEST(SolarTermDayTest, MomentsNearMidnightLandOnTheRightDay) {
  struct Case {
    int year, term, day;
    const char* moment;
  };
  const Case cases[] = {
      {1910, 2, 4, "1910-02-04 23:59:39"}, {1960, 16, 8, "1960-09-08 00:00:58"},
      {2007, 0, 6, "2007-01-06 00:02:59"}, {2024, 12, 6, "2024-07-06 23:55:00"},
      {2038, 2, 4, "2038-02-04 00:01:44"}, {2040, 18, 7, "2040-10-07 23:59:16"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SolarTermDay(c.year, c.term), c.day) << SolarTermName(c.term) << " " << c.moment;
  }
}

// Term i falls in Gregorian month i / 2 + 1, the even terms before the 15th
// and the odd ones on or after it; the day picker relies on this to look up
// only one term per day.
TEST(SolarTermDayTest, EachMonthHoldsOneTermInEachHalf) {
  for (int y = 1900; y <= 2100; ++y) {
    for (int i = 0; i < 24; ++i) {
      const int day = SolarTermDay(y, i);
      if (i % 2 == 0) {
        EXPECT_TRUE(day >= 1 && day < 15) << y << " " << SolarTermName(i) << " " << day;
      } else {
        EXPECT_TRUE(day >= 15 && day <= DaysInMonth(y, i / 2 + 1))
            << y << " " << SolarTermName(i) << " " << day;
      }
    }
  }
}

TEST(SolarTermDayTest, InvalidArgumentsGiveMinusOne) {
  EXPECT_EQ(SolarTermDay(2015, -1), -1);
  EXPECT_EQ(SolarTermDay(2015, 24), -1);
  EXPECT_EQ(SolarTermDay(0, 6), -1);
  EXPECT_EQ(SolarTermDay(10000, 6), -1);
}

TEST(DayCellLabelTest, ShowsTermThenLunarMonthThenLunarDay) {
  struct Case {
    int year, month, day;
    const char* label;
  };
  const Case cases[] = {
      {2015, 4, 5, "清明"},    {2015, 12, 22, "冬至"},
      {2015, 2, 19, "雨水"},    // also 正月初一: the term wins
      {2015, 3, 20, "二月"},    // first day of a lunar month
      {2020, 5, 23, "闰四月"},  // first day of a leap month
      {2015, 2, 20, "初二"},   {2015, 2, 18, "三十"},
      {2015, 9, 27, "十五"},   {1900, 1, 30, ""},  // before the lunar table
      {2015, 2, 30, ""},                           // no such day
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DayCellLabel(c.year, c.month, c.day), c.label)
        << c.year << "-" << c.month << "-" << c.day;
  }
}

}  // namespace
}  // namespace cw

#include <gtest/gtest.h>

#include "calendar/calendar.h"

namespace cw {
namespace {

TEST(GregorianTest, LeapYearsFollowTheFourHundredYearRule) {
  for (int y : {1600, 2000, 2004, 2024}) EXPECT_TRUE(IsLeapYear(y)) << y;
  for (int y : {1700, 1800, 1900, 2100, 2023}) EXPECT_FALSE(IsLeapYear(y)) << y;
}

TEST(GregorianTest, DaysInMonth) {
  struct Case {
    int year, month, days;
  };
  const Case cases[] = {
      {2024, 1, 31}, {2024, 2, 29},  {2023, 2, 28}, {1900, 2, 28}, {2000, 2, 29},
      {2023, 4, 30}, {2023, 12, 31}, {2023, 0, 0},  {2023, 13, 0}, {2023, -1, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DaysInMonth(c.year, c.month), c.days) << c.year << "-" << c.month;
  }
}

TEST(GregorianTest, DayNumbersOfKnownDates) {
  struct Case {
    int year, month, day, number, weekday;
  };
  const Case cases[] = {
      {1, 1, 1, 1, 1},             // Monday
      {1899, 12, 30, 693594, 6},   // Saturday
      {1900, 1, 31, 693626, 3},    // Wednesday; lunar 1900 begins
      {1970, 1, 1, 719163, 4},     // Thursday
      {2000, 2, 29, 730179, 2},    // Tuesday
      {2000, 3, 1, 730180, 3},     // Wednesday
      {2015, 2, 19, 735648, 4},    // Thursday; lunar 2015 begins
      {2050, 1, 23, 748405, 0},    // Sunday
      {9999, 12, 31, 3652059, 5},  // Friday
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
    EXPECT_EQ(DayNumber(c.year, c.month, c.day), c.number);
    EXPECT_EQ(Weekday(c.year, c.month, c.day), c.weekday);
    EXPECT_EQ(DateOfDayNumber(c.number), (Ymd{c.year, c.month, c.day}));
  }
}

TEST(GregorianTest, DayNumberIsZeroForAMonthOutsideTheYear) {
  EXPECT_EQ(DayNumber(2023, 0, 1), 0);
  EXPECT_EQ(DayNumber(2023, 13, 1), 0);
}

TEST(GregorianTest, DayNumberCarriesDaysOutsideTheMonth) {
  EXPECT_EQ(DayNumber(2024, 3, 0), DayNumber(2024, 2, 29));
  EXPECT_EQ(DayNumber(2023, 1, 32), DayNumber(2023, 2, 1));
}

// Walks every day from 0001-01-01 to 9999-12-31: each day's number is one more
// than the day before, the inverse gives the day back, and weekdays cycle.
TEST(GregorianTest, EveryDayFollowsItsPredecessor) {
  Ymd date{1, 1, 1};
  int expected_number = 1;
  int expected_weekday = 1;
  while (date.year <= 9999) {
    const int number = DayNumber(date.year, date.month, date.day);
    ASSERT_EQ(number, expected_number) << date.year << "-" << date.month << "-" << date.day;
    ASSERT_EQ(DateOfDayNumber(number), date) << number;
    ASSERT_EQ(Weekday(date.year, date.month, date.day), expected_weekday) << number;
    ++expected_number;
    expected_weekday = (expected_weekday + 1) % 7;
    if (++date.day > DaysInMonth(date.year, date.month)) {
      date.day = 1;
      if (++date.month > 12) {
        date.month = 1;
        ++date.year;
      }
    }
  }
}

TEST(GregorianTest, MonthAddCrossesYearsBothWays) {
  struct Case {
    int year, month, k, yyyymm;
  };
  const Case cases[] = {
      {2024, 5, 0, 202405},   {2023, 12, 1, 202401},  {2024, 1, -1, 202312},
      {2024, 1, -12, 202301}, {2024, 1, -13, 202212}, {2024, 12, -12, 202312},
      {2024, 1, 24, 202601},  {2024, 3, -27, 202112}, {2024, 11, 14, 202601},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MonthAdd(c.year, c.month, c.k), c.yyyymm) << c.year << "-" << c.month << " + " << c.k;
  }
}

TEST(GregorianTest, MonthLengthReadsYyyymm) {
  EXPECT_EQ(MonthLength(202402), 29);
  EXPECT_EQ(MonthLength(190002), 28);
  EXPECT_EQ(MonthLength(202311), 30);
  EXPECT_EQ(MonthLength(202312), 31);
  EXPECT_EQ(MonthLength(202313), 0);
  EXPECT_EQ(MonthLength(202300), 0);
}

}  // namespace
}  // namespace cw

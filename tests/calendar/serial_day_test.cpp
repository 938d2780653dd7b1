#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "calendar/calendar.h"

namespace cw {
namespace {

TEST(SerialDayTest, KnownDates) {
  struct Case {
    int year, month, day, serial;
    const char* iso;
  };
  const Case cases[] = {
      {1, 1, 1, -693593, "0001-01-01"},   {1899, 12, 30, 0, "1899-12-30"},
      {1899, 12, 31, 1, "1899-12-31"},    {1900, 1, 1, 2, "1900-01-01"},
      {1900, 3, 1, 61, "1900-03-01"},     {1970, 1, 1, 25569, "1970-01-01"},
      {2015, 2, 19, 42054, "2015-02-19"}, {9999, 12, 31, 2958465, "9999-12-31"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.iso);
    EXPECT_EQ(SerialDay(c.year, c.month, c.day), c.serial);
    EXPECT_EQ(DateOfSerialDay(c.serial), (Ymd{c.year, c.month, c.day}));
    EXPECT_EQ(IsoDate(c.serial), c.iso);
    int parsed = -1;
    EXPECT_TRUE(ParseIsoDate(c.iso, &parsed));
    EXPECT_EQ(parsed, c.serial);
  }
}

TEST(SerialDayTest, RoundTripsThroughDateAndText) {
  for (int serial = -1000; serial <= 80000; ++serial) {
    const Ymd date = DateOfSerialDay(serial);
    ASSERT_EQ(SerialDay(date.year, date.month, date.day), serial);
    int parsed = 0;
    ASSERT_TRUE(ParseIsoDate(IsoDate(serial), &parsed)) << IsoDate(serial);
    ASSERT_EQ(parsed, serial);
  }
}

TEST(SerialDayTest, CarriesMonthsAndDaysOutsideTheirRange) {
  EXPECT_EQ(SerialDay(2023, 13, 1), SerialDay(2024, 1, 1));
  EXPECT_EQ(SerialDay(2024, 0, 1), SerialDay(2023, 12, 1));
  EXPECT_EQ(SerialDay(2024, -11, 15), SerialDay(2023, 1, 15));
  EXPECT_EQ(SerialDay(2024, 3, 0), SerialDay(2024, 2, 29));
  EXPECT_EQ(SerialDay(2023, 4, 31), SerialDay(2023, 5, 1));
}

TEST(ParseIsoDateTest, TimeOfDayIsAcceptedAndIgnored) {
  const int day = SerialDay(2015, 2, 19);
  for (const char* text :
       {"2015-02-19", "2015-02-19 00:00:00", "2015-02-19 23:59:59", "2015-02-19T13:45:07"}) {
    int parsed = -1;
    EXPECT_TRUE(ParseIsoDate(text, &parsed)) << text;
    EXPECT_EQ(parsed, day) << text;
  }
  EXPECT_TRUE(ParseIsoDate("2024-02-29", nullptr));
}

TEST(ParseIsoDateTest, RejectsMalformedTextAndDaysThatDoNotExist) {
  const char* const rejected[] = {
      // days that do not exist
      "2023-02-29",
      "1900-02-29",
      "2023-04-31",
      "2023-13-01",
      "2023-00-10",
      "2023-01-00",
      "0000-01-01",
      // wrong shape
      "",
      "2023",
      "2023-4-01",
      "2023-04-1",
      "23-04-01",
      "2023/04/01",
      "20230401",
      " 2023-04-01",
      "2023-04-01 ",
      "2023-04-01x",
      "+023-04-01",
      "2023-04-0a",
      // bad time part
      "2023-04-01 12:00",
      "2023-04-01 24:00:00",
      "2023-04-01 12:60:00",
      "2023-04-01 12:00:60",
      "2023-04-01T12:00:00Z",
      "2023-04-01 12:00:00.000",
      "2023-04-01_12:00:00",
      "2023-04-01 12-00-00",
  };
  for (const char* text : rejected) {
    int parsed = 12345;
    EXPECT_FALSE(ParseIsoDate(text, &parsed)) << '"' << text << '"';
    EXPECT_EQ(parsed, 12345) << "output changed for \"" << text << '"';
  }
}

TEST(TodayTest, IsWithinADayOfTheUtcDate) {
  const int utc_day = static_cast<int>(std::time(nullptr) / 86400) + SerialDay(1970, 1, 1);
  const int today = Today();
  EXPECT_GE(today, utc_day - 1);
  EXPECT_LE(today, utc_day + 1);
}

TEST(TodayTest, TheInjectedDayMovesTodayAndNowAlike) {
  for (const char* day : {"2026-02-28", "2027-01-01", "2024-02-29"}) {
    ASSERT_EQ(0, setenv("COINWRIGHT_TODAY", day, 1));
    const std::time_t now = Now();
    std::tm local{};
    localtime_r(&now, &local);
    EXPECT_EQ(day, IsoDate(Today()));
    EXPECT_EQ(day, IsoDate(SerialDay(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday)));
  }
  unsetenv("COINWRIGHT_TODAY");
  EXPECT_LE(std::abs(Now() - std::time(nullptr)), 1);
}

}  // namespace
}  // namespace cw

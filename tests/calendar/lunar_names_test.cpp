#include <gtest/gtest.h>

#include <string>

#include "calendar/calendar.h"

namespace cw {
namespace {

TEST(LunarNamesTest, DayNames) {
  struct Case {
    int day;
    const char* name;
  };
  const Case cases[] = {
      {1, "初一"},  {9, "初九"},  {10, "初十"}, {11, "十一"}, {15, "十五"},
      {19, "十九"}, {20, "二十"}, {21, "廿一"}, {29, "廿九"}, {30, "三十"},
      {0, ""},      {40, ""},     {-1, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(LunarDayName(c.day), c.name) << c.day;
}

TEST(LunarNamesTest, MonthNames) {
  struct Case {
    int month;
    const char* name;
  };
  const Case cases[] = {
      {1, "正月"},    {2, "二月"},    {10, "十月"},   {11, "十一月"},
      {12, "十二月"}, {-1, "闰正月"}, {-6, "闰六月"}, {-12, "闰十二月"},
      {0, ""},        {13, ""},       {-13, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(LunarMonthName(c.month), c.name) << c.month;
}

TEST(LunarNamesTest, SolarTermNames) {
  EXPECT_EQ(SolarTermName(0), "小寒");
  EXPECT_EQ(SolarTermName(6), "清明");
  EXPECT_EQ(SolarTermName(23), "冬至");
  EXPECT_EQ(SolarTermName(-1), "");
  EXPECT_EQ(SolarTermName(24), "");
}

TEST(LunarNamesTest, YearNames) {
  struct Case {
    int year, style;
    const char* name;
  };
  const Case cases[] = {
      // Sexagenary cycle: 1984 starts a cycle, 2043 ends it.
      {1984, 0, "甲子"},
      {1985, 0, "乙丑"},
      {2043, 0, "癸亥"},
      {1983, 0, "癸亥"},
      {1900, 0, "庚子"},
      {2015, 0, "乙未"},
      {2017, 0, "丁酉"},
      // Year written digit by digit.
      {2015, 1, "二○一五年"},
      {1900, 1, "一九○○年"},
      {2050, 1, "二○五○年"},
      {2015, 2, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(LunarYearName(c.year, c.style), c.name) << c.year;
}

// The home page's line: 农历, the lunar year in digits, then month and day.
TEST(LunarNamesTest, HomePageTextForLunarNewYear2015) {
  const LunarDate lunar = SolarToLunar(2015, 2, 19);
  ASSERT_TRUE(lunar.ok);
  EXPECT_EQ(
      "农历" + LunarYearName(lunar.year, 1) + LunarMonthName(lunar.month) + LunarDayName(lunar.day),
      "农历二○一五年正月初一");
}

}  // namespace
}  // namespace cw

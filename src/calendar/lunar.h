#pragma once
// The Chinese lunar calendar for lunar years 1900 to 2050, the 24 solar terms,
// and the Chinese names shown on the home page and in the day picker.
// All texts are UTF-8.
#include <string>

namespace cw {

// One lunar year, keyed by the Gregorian year in which its first day falls.
struct LunarYear {
  int new_year_day;           // Gregorian day number of 正月初一
  unsigned short month_mask;  // bit k set: the (k+1)-th month in calendar
                              // order (leap month right after its namesake)
                              // has 30 days, clear: 29 days
  short leap_month;           // month followed by a leap month; 15 = none
};

constexpr int kLunarFirstYear = 1900;
constexpr int kLunarYearCount = 151;
constexpr short kNoLeapMonth = 15;

// kLunarYearCount entries, the first for kLunarFirstYear.
const LunarYear* LunarYearTable();

// month is negative for a leap month (-6 = 闰六月). ok is false, and the other
// fields 0, for dates outside the table: before 1900-01-31, after 2050, or not
// a real calendar day.
struct LunarDate {
  bool ok;
  int year;
  int month;
  int day;
};
LunarDate SolarToLunar(int y, int m, int d);

// 29 or 30 days for month m of lunar year y (m negative for the leap month);
// 0 for a year outside 1900-2050 or a month the year does not have.
int LunarMonthDays(int y, int m);

// Day of the month on which solar term i (0 = 小寒 ... 23 = 冬至) falls in
// Gregorian year y; -1 for i outside 0-23 or y outside 1-9999.
int SolarTermDay(int y, int i);

// The names below are empty for arguments outside their range.
// 初一 ... 初十, 十一 ... 十九, 二十, 廿一 ... 廿九, 三十 for d in 1-30.
std::string LunarDayName(int d);
// 正月 ... 十二月 for 1-12; 闰正月 ... 闰十二月 for -1 to -12.
std::string LunarMonthName(int m);
// 小寒 ... 冬至 for 0-23.
std::string SolarTermName(int i);
// style 0: sexagenary name (1984 → 甲子); style 1: the year's digits in
// Chinese followed by 年 (2015 → 二○一五年).
std::string LunarYearName(int y, int style);
// The text under a day in the day picker: the solar term falling on that day,
// else the lunar month's name on its first day, else the lunar day's name;
// empty when the day has no lunar date.
std::string DayCellLabel(int y, int m, int d);

}  // namespace cw

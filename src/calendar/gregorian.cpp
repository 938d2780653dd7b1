// Proleptic Gregorian day arithmetic on the day-number scale (0001-01-01 = 1).
#include "calendar/calendar.h"

namespace cw {
namespace {

constexpr int kDaysBeforeMonth[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

// Division rounding towards minus infinity, so that month arithmetic before
// the start of a year (k < 0) lands in the previous year, not the next.
int FloorDiv(int a, int b) { return a / b - (a % b != 0 && (a < 0) != (b < 0)); }

}  // namespace

bool IsLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
  static constexpr int kLength[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (m < 1 || m > 12) return 0;
  return m == 2 && IsLeapYear(y) ? 29 : kLength[m - 1];
}

bool IsValidDate(int y, int m, int d) { return y >= 1 && d >= 1 && d <= DaysInMonth(y, m); }

int DayNumber(int y, int m, int d) {
  if (m < 1 || m > 12) return 0;
  const int p = y - 1;
  const int year_start = p * 365 + p / 4 - p / 100 + p / 400 + 1;
  const int leap_day = m > 2 && IsLeapYear(y) ? 1 : 0;
  return year_start + kDaysBeforeMonth[m - 1] + leap_day + d - 1;
}

Ymd DateOfDayNumber(int n) {
  // Count in 400-year cycles starting on 0000-03-01, so that the leap day is
  // the last day of each counted year and the month lengths from March on
  // follow a fixed 153-day pattern per five months.
  const int z = n + 305;  // days since 0000-03-01 (0001-01-01 is day 306)
  const int era = FloorDiv(z, 146097);
  const int day_of_era = z - era * 146097;
  const int year_of_era =
      (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
  const int day_of_year = day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const int shifted_month = (5 * day_of_year + 2) / 153;  // 0 = March
  const int day = day_of_year - (153 * shifted_month + 2) / 5 + 1;
  const int month = shifted_month < 10 ? shifted_month + 3 : shifted_month - 9;
  const int year = year_of_era + era * 400 + (month <= 2 ? 1 : 0);
  return {year, month, day};
}

int Weekday(int y, int m, int d) {
  // Day 1 (0001-01-01) was a Monday.
  const int r = DayNumber(y, m, d) % 7;
  return r < 0 ? r + 7 : r;
}

int MonthAdd(int y, int m, int k) {
  const int months = y * 12 + (m - 1) + k;
  const int year = FloorDiv(months, 12);
  return year * 100 + (months - year * 12) + 1;
}

int MonthLength(int yyyymm) { return DaysInMonth(yyyymm / 100, yyyymm % 100); }

}  // namespace cw

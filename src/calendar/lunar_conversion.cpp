// Gregorian date → lunar date, and lunar month lengths, from the lunar table.
#include "calendar/calendar.h"
#include "calendar/lunar.h"

namespace cw {
namespace {

// Length of the n-th month (1-based, calendar order, a leap month counted in
// its place) of a lunar year.
int NthMonthDays(const LunarYear& year, int n) {
  return (year.month_mask >> (n - 1)) & 1 ? 30 : 29;
}

int MonthsIn(const LunarYear& year) { return year.leap_month == kNoLeapMonth ? 12 : 13; }

}  // namespace

LunarDate SolarToLunar(int y, int m, int d) {
  const LunarDate failed{false, 0, 0, 0};
  int index = y - kLunarFirstYear;
  if (index < 0 || index >= kLunarYearCount || !IsValidDate(y, m, d)) return failed;

  const LunarYear* table = LunarYearTable();
  const int day = DayNumber(y, m, d);
  // Gregorian January and early February belong to the lunar year that began
  // in the previous Gregorian year.
  if (day < table[index].new_year_day) {
    if (index == 0) return failed;
    --index;
  }
  const LunarYear& year = table[index];
  const int offset = day - year.new_year_day;

  int start = 0;
  for (int n = 1; n <= MonthsIn(year); ++n) {
    const int length = NthMonthDays(year, n);
    if (offset < start + length) {
      const int leap = year.leap_month;
      const int month = n <= leap ? n : n == leap + 1 ? -leap : n - 1;
      return {true, kLunarFirstYear + index, month, offset - start + 1};
    }
    start += length;
  }
  return failed;  // only reachable if the table's rows disagree with each other
}

int LunarMonthDays(int y, int m) {
  const int index = y - kLunarFirstYear;
  if (index < 0 || index >= kLunarYearCount || m == 0 || m < -12 || m > 12) return 0;
  const LunarYear& year = LunarYearTable()[index];
  if (m < 0) return -m == year.leap_month ? NthMonthDays(year, -m + 1) : 0;
  // A leap month before m pushes m one place later in the year.
  return NthMonthDays(year, year.leap_month < m ? m + 1 : m);
}

}  // namespace cw

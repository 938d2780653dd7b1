#pragma once
// Reading option values. Each throws BadInput naming `what` when the text is
// not exactly what is asked for (no trailing characters, no blanks).
#include <string_view>

namespace cw::cli {

int ParseInteger(std::string_view text, std::string_view what);
// A finite decimal number ("12.5", "1e3"); the range is the caller's check.
double ParseNumber(std::string_view text, std::string_view what);
// "YYYY-MM-DD" of a real day of the years 1900-2100 → serial day (days since 1899-12-30).
int ParseDate(std::string_view text, std::string_view what);

struct YearMonth {
  int year;
  int month;
};
// "YYYY-MM" of the years 1900-2100.
YearMonth ParseYearMonth(std::string_view text, std::string_view what);

// The most periods a table may have; BadInput naming the count when `count`
// is more. (A day table of the whole calendar stays below it.)
inline constexpr long long kMaxPeriods = 100000;
void CheckPeriodCount(long long count);

}  // namespace cw::cli

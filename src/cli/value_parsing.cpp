#include "cli/value_parsing.h"

#include <charconv>
#include <cmath>
#include <string>

#include "calendar/calendar.h"
#include "cli/cli_error.h"

namespace cw::cli {
namespace {

CliError Malformed(std::string_view what, std::string_view text, std::string_view expected) {
  return BadInput(std::string(what) + ": \"" + std::string(text) + "\" is not " + std::string(expected));
}

template <typename T>
bool ParseWhole(std::string_view text, T& value) {
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end && !text.empty();
}

bool InCalendar(int year) { return year >= kFirstCalendarYear && year <= kLastCalendarYear; }

}  // namespace

int ParseInteger(std::string_view text, std::string_view what) {
  int value = 0;
  if (!ParseWhole(text, value)) throw Malformed(what, text, "a whole number");
  return value;
}

double ParseNumber(std::string_view text, std::string_view what) {
  double value = 0;
  // from_chars also reads "inf" and "nan", which are no amounts.
  if (!ParseWhole(text, value) || !std::isfinite(value)) throw Malformed(what, text, "a number");
  return value;
}

int ParseDate(std::string_view text, std::string_view what) {
  int serial = 0;
  // Only the bare date: a time part would be ignored silently.
  if (text.size() != 10 || !ParseIsoDate(text, &serial)) throw Malformed(what, text, "a date YYYY-MM-DD");
  if (!InCalendar(DateOfSerialDay(serial).year)) throw Malformed(what, text, "a date of the years 1900-2100");
  return serial;
}

YearMonth ParseYearMonth(std::string_view text, std::string_view what) {
  YearMonth ym{};
  if (text.size() != 7 || text[4] != '-' || !ParseWhole(text.substr(0, 4), ym.year) ||
      !ParseWhole(text.substr(5, 2), ym.month) || ym.year < 1 || ym.month < 1 || ym.month > 12) {
    throw Malformed(what, text, "a month YYYY-MM");
  }
  if (!InCalendar(ym.year)) throw Malformed(what, text, "a month of the years 1900-2100");
  return ym;
}

void CheckPeriodCount(long long count) {
  if (count > kMaxPeriods) {
    throw BadInput(std::to_string(count) + " periods asked for; a table has at most " + std::to_string(kMaxPeriods));
  }
}

}  // namespace cw::cli

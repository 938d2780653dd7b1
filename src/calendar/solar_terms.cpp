// Dates of the 24 solar terms from a mean tropical year: each term falls a
// fixed number of minutes after 小寒, and 小寒 moves by one tropical year per
// year from its moment in 1900.
#include <cmath>

#include "calendar/calendar.h"
#include "calendar/lunar.h"

namespace cw {
namespace {

constexpr long double kTropicalYearMs = 31556925974.7L;
constexpr long double kMsPerDay = 86400000.0L;
// 小寒 of 1900: 1900-01-06 02:05:00, as the time of day on its day.
constexpr long double kBaseTimeOfDayMs = (2 * 60 + 5) * 60000.0L;

// Minutes after 小寒 of the same year, in term order from 小寒.
constexpr int kTermMinutes[24] = {0,      21208,  42467,  63836,  85337,  107014, 128867, 150921,
                                  173149, 195551, 218072, 240693, 263343, 285989, 308563, 331033,
                                  353350, 375494, 397447, 419210, 440795, 462224, 483532, 504758};

}  // namespace

int SolarTermDay(int y, int i) {
  if (i < 0 || i > 23 || y < 1 || y > 9999) return -1;
  // long double keeps the product exact to well under a millisecond for any
  // year 1-9999; no term in that range comes within 2 ms of midnight, so the
  // day does not depend on how the moment would be rounded.
  const long double ms_after_base_day =
      kBaseTimeOfDayMs + kTropicalYearMs * (y - 1900) + kTermMinutes[i] * 60000.0L;
  const int days = static_cast<int>(std::floor(ms_after_base_day / kMsPerDay));
  return DateOfDayNumber(DayNumber(1900, 1, 6) + days).day;
}

}  // namespace cw

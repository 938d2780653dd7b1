// Serial days (1899-12-30 = 0) and their ISO text form, as stored by the
// database layer.
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "calendar/calendar.h"

namespace cw {
namespace {

// Day number of 1899-12-30, the zero of the serial scale.
constexpr int kSerialEpoch = 693594;

// Reads exactly `width` decimal digits starting at text[pos].
bool ReadDigits(std::string_view text, std::size_t pos, std::size_t width, int* value) {
  if (pos + width > text.size()) return false;
  int v = 0;
  for (std::size_t i = pos; i < pos + width; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    v = v * 10 + (text[i] - '0');
  }
  *value = v;
  return true;
}

// "HH:MM:SS" with a real time of day.
bool IsTimeOfDay(std::string_view text) {
  int h = 0, m = 0, s = 0;
  return text.size() == 8 && ReadDigits(text, 0, 2, &h) && text[2] == ':' &&
         ReadDigits(text, 3, 2, &m) && text[5] == ':' && ReadDigits(text, 6, 2, &s) && h <= 23 &&
         m <= 59 && s <= 59;
}

}  // namespace

int SerialDay(int y, int m, int d) {
  const int yyyymm = MonthAdd(y, 1, m - 1);  // carries months outside 1-12 into the year
  return DayNumber(yyyymm / 100, yyyymm % 100, d) - kSerialEpoch;
}

Ymd DateOfSerialDay(int serial) { return DateOfDayNumber(serial + kSerialEpoch); }

std::string IsoDate(int serial) {
  const Ymd date = DateOfSerialDay(serial);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
  return text;
}

bool ParseIsoDate(std::string_view text, int* serial) {
  int y = 0, m = 0, d = 0;
  if (!ReadDigits(text, 0, 4, &y) || text.size() < 10 || text[4] != '-' ||
      !ReadDigits(text, 5, 2, &m) || text[7] != '-' || !ReadDigits(text, 8, 2, &d)) {
    return false;
  }
  if (text.size() > 10 && ((text[10] != ' ' && text[10] != 'T') || !IsTimeOfDay(text.substr(11)))) {
    return false;
  }
  if (!IsValidDate(y, m, d)) return false;
  if (serial != nullptr) *serial = SerialDay(y, m, d);
  return true;
}

namespace {

// The day COINWRIGHT_TODAY=YYYY-MM-DD names, or 0. It moves the whole program
// to another day, so that scheduled bookings, bills, the exit's backups and the
// monthly compaction can be tried (and tested) on any date.
int FixedToday() {
  int serial = 0;
  const char* fixed = std::getenv("COINWRIGHT_TODAY");
  return fixed && ParseIsoDate(fixed, &serial) ? serial : 0;
}

}  // namespace

int Today() {
  if (const int fixed = FixedToday()) return fixed;
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return SerialDay(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

std::time_t Now() {
  const std::time_t now = std::time(nullptr);
  const int fixed = FixedToday();
  if (!fixed) return now;
  std::tm local{};
  localtime_r(&now, &local);
  const Ymd day = DateOfSerialDay(fixed);
  local.tm_year = day.year - 1900;
  local.tm_mon = day.month - 1;
  local.tm_mday = day.day;
  local.tm_isdst = -1;  // the other day may lie on the other side of a clock change
  return std::mktime(&local);
}

}  // namespace cw

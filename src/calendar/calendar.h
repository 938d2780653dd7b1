#pragma once
// Date arithmetic shared by the whole program.
//
// Two day scales are used:
//  - the Gregorian day number, counted from 1 for 0001-01-01 in the proleptic
//    Gregorian calendar (1900-01-31 is 693626); the lunar table is keyed on it;
//  - the serial day, counted from 0 for 1899-12-30 (1900-01-01 is 2), which is
//    how the database stores dates (the OLE automation date without its time).
//
// The lunar calendar lives in calendar/lunar.h, included here so that one
// include gives every date helper.
#include <ctime>
#include <string>
#include <string_view>

#include "calendar/lunar.h"

namespace cw {

// The years a date may name: the range of the program's calendar and date
// pickers. Tables built over wider ranges would only be empty and huge.
inline constexpr int kFirstCalendarYear = 1900;
inline constexpr int kLastCalendarYear = 2100;

struct Ymd {
  int year;
  int month;
  int day;
  friend bool operator==(const Ymd&, const Ymd&) = default;
};

bool IsLeapYear(int y);
// 28 to 31; 0 when m is outside 1-12.
int DaysInMonth(int y, int m);
// True for a real calendar day of year 1 or later.
bool IsValidDate(int y, int m, int d);

// Gregorian day number of (y, m, d) for years 1 and later; 0 when m is outside
// 1-12. The day is not checked against the month, so day 0 is the last day of
// the previous month and day 32 of January is February 1.
int DayNumber(int y, int m, int d);
Ymd DateOfDayNumber(int n);
// 0 = Sunday ... 6 = Saturday.
int Weekday(int y, int m, int d);

// yyyymm of the month k months after (y, m); k may be negative.
int MonthAdd(int y, int m, int k);
// Days in the month written as yyyymm; 0 when the month part is invalid.
int MonthLength(int yyyymm);

// Serial day of (y, m, d). Months outside 1-12 carry into the year and days
// outside the month carry into the neighbouring months, so (2023, 13, 1) is
// 2024-01-01 and (2024, 3, 0) is 2024-02-29.
int SerialDay(int y, int m, int d);
Ymd DateOfSerialDay(int serial);

// "YYYY-MM-DD".
std::string IsoDate(int serial);
// Accepts "YYYY-MM-DD", optionally followed by " HH:MM:SS" or "THH:MM:SS"
// (checked but ignored). Returns false, leaving *serial untouched, for anything
// malformed or for a day that does not exist (2023-02-29). serial may be null
// to only check the text.
bool ParseIsoDate(std::string_view text, int* serial);

// Today's local date as a serial day, or the day COINWRIGHT_TODAY (YYYY-MM-DD) names.
int Today();
// The current time, on the day COINWRIGHT_TODAY names when it is set (the time
// of day kept): what is stamped with a time follows the same day as Today().
std::time_t Now();

}  // namespace cw

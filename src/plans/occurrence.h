#pragma once
// The recurrence rule of a scheduled booking and what is derived from it: the
// next date it falls on, the text that names it, and the match strings of its
// description filled in for one date. Dates are serial days.
#include <optional>
#include <string>

namespace cw {

// YYear, MMonth, DDay, Week as stored: 0 means "every" (for Week: not weekly);
// a weekly rule (Week 1 = Monday ... 7 = Sunday) has DDay 0.
struct PlanRule {
  int year = 0;
  int month = 0;
  int day = 0;
  int week = 0;
  friend bool operator==(const PlanRule&, const PlanRule&) = default;
};

// The earliest day on or after `start` that the rule matches; none when the
// rule has no such day (a fixed year already past, or day 31 of a fixed
// 30-day month). A fixed day beyond a month's end is never moved to its last
// day: day 31 skips the short months, 29 February the common years.
std::optional<int> NextOccurrence(int start, const PlanRule& rule);

// "每月15日", "2015年3月每日", "每月的每星期五" ...
std::string ScheduleText(const PlanRule& rule);

// The description with every match string "<...>" (a span holding no other
// "<") filled for `date`: Y the year "2016年", M the month "3月", D the day
// "5日", W the weekday "星期六"; other characters inside are kept, an unmatched
// "<" stays as it is.
std::string ReplaceMatchStrings(const std::string& content, int date);

// "每星期一" ... "每星期日" for Week 1-7.
std::string EveryWeekdayText(int week);

}  // namespace cw

namespace cw {

// The years the plan editor offers: 2004 up to nine years after `today`'s.
inline constexpr int kFirstPlanYear = 2004;
int LastPlanYear(int today);
// The days the editor offers for a month choice: 31 with no month, 29 for
// February with no year or in a leap year.
int PlanDaysInMonth(int year, int month);
// Why the rule is not one the editor could have made on `today` (a year
// outside its list, a month outside 0-12, a day the month lacks, a weekday
// outside 0-7 or together with a day); empty when it could.
std::string CheckPlanRule(const PlanRule& rule, int today);

}  // namespace cw

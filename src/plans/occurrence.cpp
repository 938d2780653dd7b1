#include "plans/occurrence.h"

#include "base/gbk_text.h"
#include "calendar/calendar.h"

namespace cw {
namespace {

// Week 1-7 (Monday-Sunday) as the calendar's 0 = Sunday ... 6 = Saturday.
int CalendarWeekday(int week) { return week % 7; }

int WeekdayOf(int serial) {
  const Ymd d = DateOfSerialDay(serial);
  return Weekday(d.year, d.month, d.day);
}

// The first day of month (y, m) from `first_day` on that falls on `week`.
int FirstWeekdayFrom(int y, int m, int first_day, int week) {
  const int shift = (CalendarWeekday(week) - Weekday(y, m, first_day) + 7) % 7;
  return first_day + shift;
}

// The first matching day of month (y, m) on or after `start`, if any.
std::optional<int> OccurrenceInMonth(int y, int m, const Ymd& s, int start, const PlanRule& rule) {
  const bool start_month = y == s.year && m == s.month;
  int day;
  if (rule.week != 0) {
    day = FirstWeekdayFrom(y, m, start_month ? s.day : 1, rule.week);
  } else if (rule.day != 0) {
    day = rule.day;
  } else {
    day = start_month ? s.day : 1;
  }
  // Candidates one per matching day: weekly every 7 days, a fixed day once.
  const int step = rule.week != 0 ? 7 : (rule.day != 0 ? 31 : 1);
  for (const int length = DaysInMonth(y, m); day <= length; day += step) {
    const int serial = SerialDay(y, m, day);
    if (serial >= start) return serial;
  }
  return std::nullopt;
}

}  // namespace

std::optional<int> NextOccurrence(int start, const PlanRule& rule) {
  const Ymd s = DateOfSerialDay(start);
  if (rule.year != 0 && rule.year < s.year) return std::nullopt;
  // An every-year rule finds its day within a few years (29 February within 8),
  // so the search is bounded.
  const int last_year = rule.year != 0 ? rule.year : s.year + 9;
  for (int y = rule.year != 0 ? rule.year : s.year; y <= last_year; ++y) {
    const int first_month = rule.month != 0 ? rule.month : (y == s.year ? s.month : 1);
    const int last_month = rule.month != 0 ? rule.month : 12;
    if (y == s.year && first_month < s.month) continue;  // a fixed month already past this year
    for (int m = first_month; m <= last_month; ++m) {
      if (auto found = OccurrenceInMonth(y, m, s, start, rule)) return found;
    }
  }
  return std::nullopt;
}

std::string EveryWeekdayText(int week) {
  static const char* const kTexts[] = {"每星期一", "每星期二", "每星期三", "每星期四",
                                       "每星期五", "每星期六", "每星期日"};
  return week >= 1 && week <= 7 ? kTexts[week - 1] : "";
}

std::string ScheduleText(const PlanRule& rule) {
  std::string text = rule.year ? StrFormat("%d年", rule.year) : "每年";
  text += rule.month ? StrFormat("%d月", rule.month) : "每月";
  if (text == "每年每月") text = "每月";
  if (rule.week != 0) {
    if (!text.empty()) text += "的";
    return text + EveryWeekdayText(rule.week);
  }
  return text + (rule.day ? StrFormat("%d日", rule.day) : "每日");
}

std::string ReplaceMatchStrings(const std::string& content, int date) {
  static const char* const kWeekdays[] = {"日", "一", "二", "三", "四", "五", "六"};
  const Ymd d = DateOfSerialDay(date);
  std::string out;
  std::size_t pos = 0;
  while (pos < content.size()) {
    const std::size_t open = content.find('<', pos);
    if (open == std::string::npos) break;
    const std::size_t close = content.find('>', open + 1);
    const std::size_t next_open = content.find('<', open + 1);
    out.append(content, pos, open - pos);
    if (close == std::string::npos || (next_open != std::string::npos && next_open < close)) {
      out += '<';  // unmatched: kept, and the search goes on after it
      pos = open + 1;
      continue;
    }
    for (std::size_t i = open + 1; i < close; ++i) {
      switch (content[i]) {
        case 'Y': case 'y': out += StrFormat("%d年", d.year); break;
        case 'M': case 'm': out += StrFormat("%d月", d.month); break;
        case 'D': case 'd': out += StrFormat("%d日", d.day); break;
        case 'W': case 'w': out += std::string("星期") + kWeekdays[WeekdayOf(date)]; break;
        default: out += content[i];
      }
    }
    pos = close + 1;
  }
  out.append(content, pos, std::string::npos);
  return out;
}

}  // namespace cw

namespace cw {

int LastPlanYear(int today) { return DateOfSerialDay(today).year + 9; }

int PlanDaysInMonth(int year, int month) {
  if (month == 0) return 31;
  if (month == 2) return year == 0 || IsLeapYear(year) ? 29 : 28;
  return DaysInMonth(2001, month);
}

std::string CheckPlanRule(const PlanRule& rule, int today) {
  if (rule.year != 0 && (rule.year < kFirstPlanYear || rule.year > LastPlanYear(today))) {
    return StrFormat("年份无效：请输入0（每年）或%d-%d之间的年份。", kFirstPlanYear, LastPlanYear(today));
  }
  if (rule.month < 0 || rule.month > 12) return "月份无效：请输入0（每月）或1-12之间的月份。";
  if (rule.week < 0 || rule.week > 7) return "星期无效：请输入0（不按星期）或1-7（星期一至星期日）。";
  if (rule.week != 0 && rule.day != 0) return "按星期预约时日期必须为0。";
  const int days = PlanDaysInMonth(rule.year, rule.month);
  if (rule.day < 0 || rule.day > days) return StrFormat("日期无效：请输入0（每日）或1-%d之间的日期。", days);
  return "";
}

}  // namespace cw

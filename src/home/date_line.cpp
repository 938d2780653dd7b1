#include "home/date_line.h"

#include "base/gbk_text.h"
#include "calendar/calendar.h"

namespace cw {

DateLine MakeDateLine(int day) {
  static const char* const kWeekdays[] = {"日", "一", "二", "三", "四", "五", "六"};
  const Ymd d = DateOfSerialDay(day);
  const LunarDate lunar = SolarToLunar(d.year, d.month, d.day);
  // Outside the lunar table the names are empty and only "农历。" remains.
  DateLine line;
  line.before = "今天是";
  line.date = StrFormat("%d年%d月%d日", d.year, d.month, d.day);
  line.after = StrFormat("，星期%s，农历%s%s%s。", kWeekdays[Weekday(d.year, d.month, d.day)],
                         lunar.ok ? LunarYearName(lunar.year, 1).c_str() : "",
                         LunarMonthName(lunar.month).c_str(), LunarDayName(lunar.day).c_str());
  return line;
}

}  // namespace cw

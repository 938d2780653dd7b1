// Chinese names of lunar days, months, years and solar terms, and the label
// the day picker shows under each day.
#include "calendar/calendar.h"
#include "calendar/lunar.h"

namespace cw {
namespace {

constexpr const char* kTermNames[24] = {
    "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
    "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};

constexpr const char* kMonthNames[12] = {"正月", "二月", "三月", "四月", "五月",   "六月",
                                         "七月", "八月", "九月", "十月", "十一月", "十二月"};

// Day names are a tens prefix and a units digit; 20 and 30 read 二十 and 三十
// rather than 十十 and 廿十.
constexpr const char* kDayTens[4] = {"初", "十", "廿", "三"};
constexpr const char* kDayUnits[10] = {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};

constexpr const char* kStems[10] = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
constexpr const char* kBranches[12] = {"子", "丑", "寅", "卯", "辰", "巳",
                                       "午", "未", "申", "酉", "戌", "亥"};
constexpr const char* kYearDigits[10] = {"○", "一", "二", "三", "四", "五", "六", "七", "八", "九"};

}  // namespace

std::string LunarDayName(int d) {
  if (d < 1 || d > 39) return {};
  if (d == 20) return "二十";
  if (d == 30) return "三十";
  return std::string(kDayTens[(d - 1) / 10]) + kDayUnits[(d - 1) % 10];
}

std::string LunarMonthName(int m) {
  if (m == 0 || m < -12 || m > 12) return {};
  return m < 0 ? std::string("闰") + kMonthNames[-m - 1] : kMonthNames[m - 1];
}

std::string SolarTermName(int i) { return i < 0 || i > 23 ? std::string() : kTermNames[i]; }

std::string LunarYearName(int y, int style) {
  if (style == 0) {
    // 1984 (k = 0) is 甲子, the first year of a sixty-year cycle.
    const int k = ((y + 56) % 60 + 60) % 60;
    return std::string(kStems[k % 10]) + kBranches[k % 12];
  }
  if (style == 1 && y >= 0) {
    std::string name;
    for (char digit : std::to_string(y)) name += kYearDigits[digit - '0'];
    return name + "年";
  }
  return {};
}

std::string DayCellLabel(int y, int m, int d) {
  if (!IsValidDate(y, m, d)) return {};
  // Each Gregorian month holds two terms, the first always before the 15th
  // and the second on or after it.
  const int term = d < 15 ? 2 * m - 2 : 2 * m - 1;
  if (d == SolarTermDay(y, term)) return SolarTermName(term);
  const LunarDate lunar = SolarToLunar(y, m, d);
  if (!lunar.ok) return {};
  return lunar.day == 1 ? LunarMonthName(lunar.month) : LunarDayName(lunar.day);
}

}  // namespace cw

#pragma once
// The home page's date sentence: "今天是2015年2月19日，星期四，农历二○一五年正月初一。"
// It comes in three pieces because the page draws the Gregorian date in red.
#include <string>

namespace cw {

struct DateLine {
  std::string before;  // "今天是"
  std::string date;    // "%d年%d月%d日", drawn in red
  std::string after;   // "，星期%s，农历%s%s%s。"
  std::string Text() const { return before + date + after; }
};

// `day` is a serial day (days since 1899-12-30).
DateLine MakeDateLine(int day);

}  // namespace cw

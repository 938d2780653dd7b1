#pragma once
// Everything the home page shows apart from pictures, computed once: the desktop
// page draws it, the command-line verb `home` prints it.
#include <string>

#include "home/date_line.h"
#include "home/home_table.h"

namespace cw {

struct HomeFigures {
  DateLine date_line;
  std::string greeting;
  // Set (to the notice that some leaf account has no type) when the bills and
  // the statistics cannot be computed; the tables below are then empty.
  std::string untyped_notice{};
  HomeTable card_bills{};  // section "  信用卡账单"
  HomeTable summary{};     // section "  收入支出统计": "收支统计表" ...
  HomeTable month_income{};
  HomeTable month_expense{};
};

// The figures for `today` (a serial day) on the open data set; `welcome_word`
// is the user's stored greeting (empty: the default greeting).
HomeFigures MakeHomeFigures(int today, const std::string& welcome_word);

}  // namespace cw

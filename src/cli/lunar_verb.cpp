// lunar: the Chinese calendar of one day. Needs no data set.
#include "calendar/calendar.h"
#include "cli/cli_error.h"
#include "cli/value_parsing.h"
#include "cli/verbs.h"

namespace cw::cli {

Document RunLunar(Invocation& invocation) {
  VerbOptions options = invocation.Options({}, 1);
  const int serial = ParseDate(options.positionals()[0], "date");
  const Ymd day = DateOfSerialDay(serial);
  const LunarDate lunar = SolarToLunar(day.year, day.month, day.day);
  if (!lunar.ok) throw BadInput("the lunar calendar covers 1900-01-31 to the end of lunar year 2050");
  return {{"lunar",
           Record{{{"date", "日期"}, IsoDate(serial)},
                  {{"year", "农历年", Format::kNumber}, lunar.year},
                  {{"month", "农历月", Format::kNumber}, lunar.month},
                  {{"day", "农历日", Format::kNumber}, lunar.day},
                  {{"year_name", "年"}, LunarYearName(lunar.year, 1)},
                  {{"month_name", "月"}, LunarMonthName(lunar.month)},
                  {{"day_name", "日"}, LunarDayName(lunar.day)},
                  {{"sexagenary_year", "干支"}, LunarYearName(lunar.year, 0)},
                  {{"day_label", "日历标注"}, DayCellLabel(day.year, day.month, day.day)}}}};
}

}  // namespace cw::cli

#include "reports/ui/statistics_dialogs.h"

#include "calendar/calendar.h"
#include "controls/charts/chart_dialogs.h"
#include "reports/ui/chargeup_daily_record.h"
#include "reports/ui/select_cut_off.h"
#include "reports/ui/select_scope.h"

namespace cw {

StatisticsDialogs StandardStatisticsDialogs() {
  StatisticsDialogs dialogs;
  dialogs.ask_scope = [](QWidget* parent, int period, std::pair<int, int> start) {
    return CSelectScope::Ask(parent, static_cast<CSelectScope::Mode>(period), start);
  };
  dialogs.ask_cut_off = [](QWidget* parent, int bound) { return CSelectCutOff::Ask(parent, bound); };
  dialogs.day_records = [](QWidget* parent, int command, int day) {
    CChargeupDailyRecord dialog(DayRecordsModeOf(command), SerialDay(day / 10000, day / 100 % 100, day % 100), parent);
    dialog.exec();
  };
  dialogs.curve = [](QWidget* parent, const std::string& title, ChartData data) {
    CCurveDialog dialog(title, std::move(data), parent);
    dialog.exec();
  };
  dialogs.pies = [](QWidget* parent, const std::string& title, std::vector<PieChart> pies) {
    CPieDialog dialog(title, std::move(pies), parent);
    dialog.exec();
  };
  return dialogs;
}

}  // namespace cw

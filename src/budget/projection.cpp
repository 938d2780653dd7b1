#include "budget/projection.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "base/gbk_text.h"
#include "budget/budget_texts.h"
#include "calendar/calendar.h"
#include "core/balances.h"
#include "core/ledger_model.h"

namespace cw {
namespace {

constexpr int kHistoryMonths = 12;

int MonthOfDay(int serial) {
  const Ymd day = DateOfSerialDay(serial);
  return day.year * 100 + day.month;
}

int MonthsBetween(int from, int to) { return (to / 100 - from / 100) * 12 + to % 100 - from % 100; }

// Whether an amount of `frequency` falls due in calendar month `month`,
// counted from calendar month `start_month`.
bool FallsDue(int frequency, int month, int start_month) {
  const int distance = ((month - start_month) % 12 + 12) % 12;
  switch (frequency) {
    case kFrequencyMonthly: return true;
    case kFrequencyQuarterly: return distance % 3 == 0;
    case kFrequencyYearly: return distance == 0;
    default: return false;
  }
}

// The months one due amount stands for.
int MonthsCovered(int frequency) {
  switch (frequency) {
    case kFrequencyQuarterly: return 3;
    case kFrequencyYearly: return 12;
    default: return 1;
  }
}

bool IsSpending(int type) {
  return type == kItemSpending || type == kItemLargeExpense || type == kItemRealEstate || type == kItemSecurities;
}

// One item's running state: the current amount and, for a share of the
// average income, the adjustments accumulated so far, which stay on top of
// the share recomputed at each due month.
struct ItemState {
  double amount = 0;
  double adjustments = 0;
};

class Projector {
 public:
  explicit Projector(const ProjectionInput& input) : input_(input) {
    const int count = std::max(0, MonthsBetween(input.first_month, input.last_month) + 1);
    income_.assign(count, 0.0);
  }

  // The value of `item` in month k, advancing its state.
  double Step(const PropertyItem& item, ItemState& state, int k) {
    const int month = MonthAdd(input_.first_month / 100, input_.first_month % 100, k);
    if (!Active(item, month)) return 0;
    const int start_month = item.start_date == 0 ? 1 : DateOfSerialDay(item.start_date).month;
    const bool due = FallsDue(item.cash_frequency, month % 100, start_month);
    if (due) {
      if (item.type == kItemInflation) {
        state.amount = item.cash;
      } else if (item.cash_type == kCashShareOfIncome) {
        // Spending plans on the income of its own month as well.
        const int window_end = item.type == kItemIncome ? k : k + 1;
        state.amount = AverageIncome(window_end) * item.cash + state.adjustments;
      } else if (state.amount == 0) {
        state.amount = item.cash;
      }
    }
    // An adjustment changes an amount that exists; before the first due month
    // there is nothing to adjust.
    if (item.increase > 0 && state.amount != 0 && FallsDue(item.increase_frequency, month % 100, start_month)) {
      const double raise = item.increase_type == kIncreasePercent ? item.increase * state.amount : item.increase;
      state.amount += raise;
      state.adjustments += raise;
    }
    const double value = due ? state.amount : 0;
    if (item.type == kItemIncome) income_[k] += value;
    return IsSpending(item.type) && value > 0 ? -value : value;
  }

 private:
  static bool Active(const PropertyItem& item, int month) {
    return (item.start_date == 0 || MonthOfDay(item.start_date) <= month) &&
           (item.end_date == 0 || month <= MonthOfDay(item.end_date));
  }

  // The average of the positive monthly income over the twelve months before
  // month k: actual income before month 0, projected regular income after.
  double AverageIncome(int k) const {
    double sum = 0;
    int months = 0;
    for (int j = k - kHistoryMonths; j < k; ++j) {
      double income = 0;
      if (j < 0) {
        const int at = static_cast<int>(input_.income_history.size()) + j;
        income = at >= 0 ? input_.income_history[at] : 0;
      } else if (j < static_cast<int>(income_.size())) {
        income = income_[j];
      }
      if (income > kAmountTolerance) {
        sum += income;
        ++months;
      }
    }
    return months == 0 ? 0 : sum / months;
  }

  const ProjectionInput& input_;
  std::vector<double> income_;  // projected regular income per month
};

// The month's inflation rate: the first inflation item's value, replaced by
// each later one whose value is positive. `covered` is the months its rate
// stands for.
struct Rate {
  double rate = 0;
  int covered = 1;
};

}  // namespace

Projection Project(const ProjectionInput& input) {
  Projection projection;
  projection.opening = input.opening;
  const int count = std::max(0, MonthsBetween(input.first_month, input.last_month) + 1);
  std::vector<const PropertyItem*> projected;  // large expenses are left out
  for (const PropertyItem& item : input.items) {
    if (item.type == kItemLargeExpense) continue;
    projected.push_back(&item);
    if (item.type != kItemInflation) projection.shown.push_back(item);
  }
  projection.values.assign(projection.shown.size(), std::vector<double>(count, 0.0));

  Projector projector(input);
  std::vector<ItemState> states(projected.size());
  double accumulated = input.opening;
  double index = 1;
  for (int k = 0; k < count; ++k) {
    ProjectionMonth month;
    month.month = MonthAdd(input.first_month / 100, input.first_month % 100, k);
    std::optional<Rate> rate;
    for (std::size_t i = 0, shown = 0; i < projected.size(); ++i) {
      const PropertyItem& item = *projected[i];
      const double value = projector.Step(item, states[i], k);
      if (item.type == kItemInflation) {
        if (!rate || value > 0) rate = Rate{value, MonthsCovered(item.cash_frequency)};
        continue;
      }
      projection.values[shown++][k] = value;
      (value > 0 ? month.income : month.spending) += value;
    }
    month.surplus = month.income + month.spending;
    accumulated += month.surplus;
    month.accumulated = accumulated;
    // A yearly rate due once a year raises prices by the whole rate in that
    // month; a monthly one by its twelfth root every month.
    if (rate) index *= std::pow(1 + rate->rate, rate->covered / 12.0);
    month.price_index = index;
    month.purchasing_power = accumulated / index;
    projection.months.push_back(month);
  }
  return projection;
}

ProjectionInput ReadProjectionInput(int today, int end_month) {
  ProjectionInput input;
  const Ymd now = DateOfSerialDay(today);
  input.first_month = now.year * 100 + now.month;
  input.last_month = end_month;
  input.items = ReadPropertyItems();
  const int history_first = MonthAdd(now.year, now.month, -kHistoryMonths);
  const int history_last = MonthAdd(now.year, now.month, -1);
  input.income_history = IncomeSeries(kByMonth, history_first * 100 + 1, history_last * 100 + MonthLength(history_last));
  input.opening = NetProperty(MonthFirstNumber(now.year, now.month));
  return input;
}

GridModel ProjectionTable(const Projection& projection, bool detail) {
  GridModel table;
  std::vector<GridColumn> columns = {{"日期", 100, Align::Centre}};
  if (detail) {
    for (const PropertyItem& item : projection.shown) columns.push_back({item.content, 120, Align::Right});
  } else {
    columns.push_back({"收入", 100, Align::Right});
    columns.push_back({"支出", 100, Align::Right});
  }
  for (const char* title : {"盈余", "盈余累计", "实际购买力"}) columns.push_back({title, 100, Align::Right});
  // Every column after the date holds amounts: exported as numbers.
  for (std::size_t c = 1; c < columns.size(); ++c) columns[c].kind = CellKind::Amount;
  table.SetColumns(columns);
  const int accumulated_column = table.ColumnCount() - 2;
  const int power_column = table.ColumnCount() - 1;

  auto amount = [](double value) { return StrFormat("%.2f", value); };
  GridRow opening{0, std::vector<std::string>(table.ColumnCount())};
  opening.cells[0] = "期初财产余额";
  opening.cells[accumulated_column] = amount(projection.opening);
  opening.cells[power_column] = amount(projection.opening);
  table.AddRow(std::move(opening));

  for (std::size_t k = 0; k < projection.months.size(); ++k) {
    const ProjectionMonth& month = projection.months[k];
    GridRow row{month.month, std::vector<std::string>(table.ColumnCount())};
    row.cells[0] = IsoDate(SerialDay(month.month / 100, month.month % 100, MonthLength(month.month)));
    if (detail) {
      for (std::size_t i = 0; i < projection.shown.size(); ++i) {
        const double value = projection.values[i][k];
        if (!IsZeroAmount(value)) row.cells[1 + i] = amount(std::fabs(value));
      }
    } else {
      if (month.income > kAmountTolerance) row.cells[1] = amount(month.income);
      if (month.spending < -kAmountTolerance) row.cells[2] = amount(-month.spending);
    }
    row.cells[accumulated_column - 1] = amount(month.surplus);
    row.cells[accumulated_column] = amount(month.accumulated);
    row.cells[power_column] = amount(month.purchasing_power);
    table.AddRow(std::move(row));
  }
  return table;
}

int DefaultProjectionEnd(int today) { return (DateOfSerialDay(today).year + 50) * 100 + 12; }

}  // namespace cw

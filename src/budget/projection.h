#pragma once
// CBudgetHome's computation: the family property projection, month by month
// from the current month to an end month, from the items of the property
// budget, the actual income of the last twelve months and the property
// before the current month.
//
// Every item gives one value per month (income positive, spending negative).
// Due months: a monthly item every month, a quarterly one every third month
// and a yearly one every twelfth, counted from the calendar month of its start
// (January when it has none). An adjustment raises the item's amount in the
// months its own frequency makes due, by a fixed amount or a percentage of the
// amount.
#include <string>
#include <vector>

#include "budget/property_items.h"
#include "controls/grid_model.h"

namespace cw {

struct ProjectionInput {
  int first_month = 0;  // yyyymm of month 0, the current month
  int last_month = 0;   // yyyymm of the end month
  std::vector<PropertyItem> items;     // in list order (type, start date, end date)
  std::vector<double> income_history;  // actual income of the twelve months before month 0, oldest first
  double opening = 0;                  // the property before month 0
};

struct ProjectionMonth {
  int month = 0;  // yyyymm
  double income = 0;
  double spending = 0;  // 0 or negative
  double surplus = 0;
  double accumulated = 0;
  double price_index = 1;
  double purchasing_power = 0;
};

struct Projection {
  double opening = 0;
  // The items shown per item (every item but large expenses and inflation
  // rates) and their values, one per month.
  std::vector<PropertyItem> shown;
  std::vector<std::vector<double>> values;
  std::vector<ProjectionMonth> months;
};

// Month 0 to the end month; no months when the end is before month 0.
Projection Project(const ProjectionInput& input);

// The input from the data set: stored items, the income of the twelve months
// before the month of `today` and the property before that month.
ProjectionInput ReadProjectionInput(int today, int end_month);

// The table: "日期", then "收入" and "支出" (or, in detail, one column per
// shown item), then "盈余", "盈余累计", "实际购买力"; the opening row
// "期初财产余额" keyed 0, then one row per month keyed yyyymm and dated with
// the month's last day.
GridModel ProjectionTable(const Projection& projection, bool detail);

// The end month offered first: December of the current year + 50.
int DefaultProjectionEnd(int today);

}  // namespace cw

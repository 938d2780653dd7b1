#pragma once
// The items of the family property projection: regular income, regular
// spending and the inflation rate (the types 3-6 of the layout are listed and
// kept, but cannot be entered), with their checks, names and the item list.
#include <optional>
#include <string>
#include <vector>

#include "controls/grid_model.h"

namespace cw {

enum PropertyItemType {
  kItemIncome = 1,
  kItemSpending = 2,
  kItemLargeExpense = 3,
  kItemFixedDeposit = 4,
  kItemRealEstate = 5,
  kItemSecurities = 6,
  kItemInflation = 100,
};
enum CashKind { kCashFixed = 0, kCashYearOnYear = 1, kCashShareOfIncome = 2 };
enum IncreaseKind { kIncreaseFixed = 0, kIncreasePercent = 1 };
inline constexpr int kFrequencyMonthly = 4;
inline constexpr int kFrequencyQuarterly = 5;
inline constexpr int kFrequencyYearly = 6;

struct PropertyItem {
  int id = 0;  // BudgetID
  std::string content;
  int type = kItemIncome;
  int cash_frequency = kFrequencyMonthly;
  int start_date = 0;  // serial day of the first month's first day; 0 = no start
  int end_date = 0;    // serial day within the last month; 0 = open-ended
  double cash = 0;     // an amount, or a fraction for the rate kinds (0.3 = 30%)
  int cash_type = kCashFixed;
  double increase = 0;  // an amount or a fraction, by increase_type
  int increase_frequency = 0;
  int increase_type = kIncreaseFixed;
  int pay_frequency = 0;  // instalments: stored, zero for the types that can be entered
  int pay_periods = 0;
  double pay = 0;
};

// "日常收入", "日常支出", "大额支出", "定期存款", "房地产投资", "证券投资",
// "通货膨胀率（CPI）"; empty for any other code.
std::string ItemTypeName(int type);
// "固定金额", "同比（基于去年同期）增长", "前12个月平均收入的百分比".
std::string CashKindName(int kind);
// "固定金额", "百分比".
std::string IncreaseKindName(int kind);
// The amount as the list shows it: "%.2f", "%.1f%%" of a rate, or
// "平均日常月收入的%.1f%%" of a share of the average income.
std::string ItemAmountText(const PropertyItem& item);
// The adjustment as the list shows it; empty when there is none.
std::string ItemIncreaseText(const PropertyItem& item);

// The form's field a refusal points at.
enum class ItemField { kContent, kStartDate, kCash };
struct ItemRefusal {
  std::string message;
  ItemField field;
};
// The checks before an item is stored, in order: a description (217), start
// not after end when both are given (216), an amount other than 0 (597).
std::optional<ItemRefusal> CheckPropertyItem(const PropertyItem& item);

// The dialog's settings when a type is chosen: frequency, the amount kinds
// offered (the first is chosen), and whether the adjustment group shows with
// its defaults (yearly, percentage).
struct ItemTypeDefaults {
  int cash_frequency;
  std::vector<int> cash_kinds;
  bool adjustable;
};
ItemTypeDefaults DefaultsOfItemType(int type);
// The types the dialog offers, in its list order.
inline constexpr int kEnterableItemTypes[] = {kItemIncome, kItemSpending, kItemInflation};

// Stored items by type, start date and end date (items without a date first).
std::vector<PropertyItem> ReadPropertyItems();
std::optional<PropertyItem> ReadPropertyItem(int id);
// Stores a new item under a number above all others; returns it, 0 on failure.
int AddPropertyItem(const PropertyItem& item);
bool ChangePropertyItem(const PropertyItem& item);
bool DeletePropertyItem(int id);

// The item list: "说明", "类别", "预算频率", "开始日期", "结束日期", "金额",
// "调整频率", "调整金额"; one row per item keyed by its number.
GridModel PropertyItemTable(const std::vector<PropertyItem>& items);

}  // namespace cw

#include "budget/property_items.h"

#include "base/gbk_text.h"
#include "budget/budget_texts.h"
#include "calendar/calendar.h"
#include "core/ledger_model.h"
#include "store/database.h"
#include "store/row_reader.h"

namespace cw {
namespace {

SqlValue DateOrNull(int serial) { return serial == 0 ? SqlValue(nullptr) : SqlValue(IsoDate(serial)); }
std::string DateText(int serial) { return serial == 0 ? std::string() : IsoDate(serial); }

SqlParams FieldsOf(const PropertyItem& item) {
  auto number = [](int value) { return SqlValue(static_cast<std::int64_t>(value)); };
  return {item.content,           number(item.type),           number(item.cash_frequency),
          DateOrNull(item.start_date), DateOrNull(item.end_date), item.cash,
          number(item.cash_type),  item.increase,               number(item.increase_frequency),
          number(item.increase_type), number(item.pay_frequency), number(item.pay_periods),
          item.pay};
}

PropertyItem ItemOfRow(const CDBPack& rows) {
  PropertyItem item;
  item.id = rows.GetLong("BudgetID");
  item.content = rows.GetText("Content");
  item.type = rows.GetByte("TypeID");
  item.cash_frequency = rows.GetByte("CashFrequency");
  item.start_date = static_cast<int>(rows.GetDate("StartDate"));
  item.end_date = static_cast<int>(rows.GetDate("EndDate"));
  item.cash = rows.GetDouble("Cash");
  item.cash_type = rows.GetByte("CashType");
  item.increase = rows.GetDouble("Increase");
  item.increase_frequency = rows.GetByte("IncreaseFrequency");
  item.increase_type = rows.GetByte("IncreaseType");
  item.pay_frequency = rows.GetByte("PayFrequency");
  item.pay_periods = rows.GetLong("PayPeriods");
  item.pay = rows.GetDouble("Pay");
  return item;
}

int MonthOf(int serial) {
  const Ymd day = DateOfSerialDay(serial);
  return day.year * 100 + day.month;
}

}  // namespace

std::string ItemTypeName(int type) {
  switch (type) {
    case kItemIncome: return "日常收入";
    case kItemSpending: return "日常支出";
    case kItemLargeExpense: return "大额支出";
    case kItemFixedDeposit: return "定期存款";
    case kItemRealEstate: return "房地产投资";
    case kItemSecurities: return "证券投资";
    case kItemInflation: return "通货膨胀率（CPI）";
    default: return {};
  }
}

std::string CashKindName(int kind) {
  switch (kind) {
    case kCashFixed: return "固定金额";
    case kCashYearOnYear: return "同比（基于去年同期）增长";
    case kCashShareOfIncome: return "前12个月平均收入的百分比";
    default: return {};
  }
}

std::string IncreaseKindName(int kind) {
  switch (kind) {
    case kIncreaseFixed: return "固定金额";
    case kIncreasePercent: return "百分比";
    default: return {};
  }
}

std::string ItemAmountText(const PropertyItem& item) {
  switch (item.cash_type) {
    case kCashYearOnYear: return StrFormat("%.1f%%", item.cash * 100);
    case kCashShareOfIncome: return StrFormat("平均日常月收入的%.1f%%", item.cash * 100);
    default: return StrFormat("%.2f", item.cash);
  }
}

std::string ItemIncreaseText(const PropertyItem& item) {
  if (IsZeroAmount(item.increase)) return {};
  return item.increase_type == kIncreasePercent ? StrFormat("%.1f%%", item.increase * 100)
                                                : StrFormat("%.2f", item.increase);
}

std::optional<ItemRefusal> CheckPropertyItem(const PropertyItem& item) {
  if (item.content.empty()) return ItemRefusal{budget_text::kNoDescription, ItemField::kContent};
  if (item.start_date != 0 && item.end_date != 0 && MonthOf(item.start_date) > MonthOf(item.end_date))
    return ItemRefusal{budget_text::kStartAfterEnd, ItemField::kStartDate};
  if (IsZeroAmount(item.cash)) return ItemRefusal{budget_text::kAmountNotPositive, ItemField::kCash};
  return std::nullopt;
}

ItemTypeDefaults DefaultsOfItemType(int type) {
  switch (type) {
    case kItemIncome: return {kFrequencyMonthly, {kCashFixed, kCashShareOfIncome}, true};
    case kItemSpending: return {kFrequencyMonthly, {kCashShareOfIncome}, false};
    case kItemInflation: return {kFrequencyYearly, {kCashYearOnYear}, false};
    default: return {kFrequencyMonthly, {kCashFixed}, false};
  }
}

std::vector<PropertyItem> ReadPropertyItems() {
  std::vector<PropertyItem> items;
  CDBPack rows;
  rows.Open(Database::LoadStatement(1610));
  for (; !rows.IsEnd(); rows.MoveNext()) items.push_back(ItemOfRow(rows));
  return items;
}

std::optional<PropertyItem> ReadPropertyItem(int id) {
  CDBPack rows;
  rows.Open(Database::LoadStatement(1611), {id});
  if (rows.IsEnd()) return std::nullopt;
  return ItemOfRow(rows);
}

int AddPropertyItem(const PropertyItem& item) {
  Transaction transaction;
  if (!Database::Execute(Database::LoadStatement(1612), FieldsOf(item))) return 0;
  CDBPack rows;
  rows.Open(Database::LoadStatement(1615));
  const int id = rows.IsEnd() ? 0 : rows.GetLong("BudgetID");
  rows.Close();
  return id != 0 && transaction.ok() && transaction.Commit() ? id : 0;
}

bool ChangePropertyItem(const PropertyItem& item) {
  Transaction transaction;
  SqlParams params = FieldsOf(item);
  params.push_back(static_cast<std::int64_t>(item.id));
  return Database::Execute(Database::LoadStatement(1613), params) && transaction.ok() && transaction.Commit();
}

bool DeletePropertyItem(int id) {
  Transaction transaction;
  return Database::Execute(Database::LoadStatement(1614), {id}) && transaction.ok() && transaction.Commit();
}

GridModel PropertyItemTable(const std::vector<PropertyItem>& items) {
  GridModel table;
  table.SetColumns({
      {"说明", 120},
      {"类别", 80},
      {"预算频率", 60},
      {"开始日期", 100, Align::Centre},
      {"结束日期", 100, Align::Centre},
      {"金额", 140, Align::Right},
      {"调整频率", 60},
      {"调整金额", 60, Align::Right},
  });
  for (const PropertyItem& item : items) {
    const bool adjusted = !IsZeroAmount(item.increase);
    table.AddRow({item.id,
                  {item.content, ItemTypeName(item.type), FrequencyName(item.cash_frequency),
                   DateText(item.start_date), DateText(item.end_date), ItemAmountText(item),
                   adjusted ? FrequencyName(item.increase_frequency) : std::string(), ItemIncreaseText(item)}});
  }
  return table;
}

}  // namespace cw

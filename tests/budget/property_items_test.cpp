// Property items: the checks in their order, storage and list order, and the
// item list's texts.
#include <gtest/gtest.h>

#include "budget/budget_texts.h"
#include "budget/property_items.h"
#include "budget_fixture.h"
#include "calendar/calendar.h"

namespace cw {
namespace {

using testing::BudgetTest;

PropertyItem Item(std::string content, int type, double cash, int start = 0, int end = 0) {
  PropertyItem item;
  item.content = std::move(content);
  item.type = type;
  item.cash = cash;
  item.start_date = start;
  item.end_date = end;
  return item;
}

TEST(PropertyItemTest, ChecksInOrder) {
  const int march = SerialDay(2027, 3, 1), may = SerialDay(2027, 5, 1);
  struct Case {
    PropertyItem item;
    const char* message;  // null: accepted
  } const cases[] = {
      {Item("", 1, 0, may, march), budget_text::kNoDescription},
      {Item("工资", 1, 0, may, march), budget_text::kStartAfterEnd},
      {Item("工资", 1, 0, march, may), budget_text::kAmountNotPositive},
      {Item("工资", 1, 0.00000001), budget_text::kAmountNotPositive},
      {Item("工资", 1, 5000, march, march), nullptr},
      {Item("工资", 1, 5000, may, 0), nullptr},
  };
  for (const Case& c : cases) {
    const auto refusal = CheckPropertyItem(c.item);
    if (c.message == nullptr) {
      EXPECT_FALSE(refusal) << refusal->message;
    } else {
      ASSERT_TRUE(refusal) << c.message;
      EXPECT_EQ(c.message, refusal->message);
    }
  }
}

TEST(PropertyItemTest, TypeDefaults) {
  EXPECT_EQ(kFrequencyMonthly, DefaultsOfItemType(kItemIncome).cash_frequency);
  EXPECT_EQ((std::vector<int>{kCashFixed, kCashShareOfIncome}), DefaultsOfItemType(kItemIncome).cash_kinds);
  EXPECT_TRUE(DefaultsOfItemType(kItemIncome).adjustable);
  EXPECT_EQ((std::vector<int>{kCashShareOfIncome}), DefaultsOfItemType(kItemSpending).cash_kinds);
  EXPECT_FALSE(DefaultsOfItemType(kItemSpending).adjustable);
  EXPECT_EQ(kFrequencyYearly, DefaultsOfItemType(kItemInflation).cash_frequency);
  EXPECT_EQ((std::vector<int>{kCashYearOnYear}), DefaultsOfItemType(kItemInflation).cash_kinds);
}

TEST_F(BudgetTest, ItemsStoredListedChangedAndDeleted) {
  PropertyItem inflation = Item("物价", kItemInflation, 0.03);
  inflation.cash_type = kCashYearOnYear;
  inflation.cash_frequency = kFrequencyYearly;
  PropertyItem living = Item("生活", kItemSpending, 0.3);
  living.cash_type = kCashShareOfIncome;
  PropertyItem salary = Item("工资", kItemIncome, 5000, SerialDay(2027, 1, 1), SerialDay(2030, 12, 1));
  salary.increase = 0.1;
  salary.increase_frequency = kFrequencyYearly;
  salary.increase_type = kIncreasePercent;
  PropertyItem bonus = Item("奖金", kItemIncome, 20000);
  bonus.cash_frequency = kFrequencyYearly;

  const int first = AddPropertyItem(inflation);
  ASSERT_NE(0, first);
  EXPECT_EQ(first + 1, AddPropertyItem(living));
  const int salary_id = AddPropertyItem(salary);
  EXPECT_EQ(first + 2, salary_id);
  EXPECT_EQ(first + 3, AddPropertyItem(bonus));

  const std::vector<PropertyItem> items = ReadPropertyItems();
  ASSERT_EQ(4u, items.size());
  // By type, then start date (none first).
  EXPECT_EQ("奖金", items[0].content);
  EXPECT_EQ("工资", items[1].content);
  EXPECT_EQ("生活", items[2].content);
  EXPECT_EQ("物价", items[3].content);

  const GridModel table = PropertyItemTable(items);
  ASSERT_EQ(8, table.ColumnCount());
  EXPECT_EQ(RowKey(salary_id), table.Key(1));
  const std::vector<std::string> salary_row = {"工资", "日常收入", "每月", "2027-01-01", "2030-12-01", "5000.00", "每年", "10.0%"};
  EXPECT_EQ(salary_row, table.Row(1).cells);
  EXPECT_EQ("", table.Cell(0, 3));
  EXPECT_EQ("", table.Cell(0, 6));
  EXPECT_EQ("平均日常月收入的30.0%", table.Cell(2, 5));
  EXPECT_EQ("3.0%", table.Cell(3, 5));
  EXPECT_EQ("通货膨胀率（CPI）", table.Cell(3, 1));

  salary.id = salary_id;
  salary.cash = 6000;
  salary.increase = 200;
  salary.increase_type = kIncreaseFixed;
  ASSERT_TRUE(ChangePropertyItem(salary));
  const auto read = ReadPropertyItem(salary_id);
  ASSERT_TRUE(read);
  EXPECT_EQ(6000, read->cash);
  EXPECT_EQ("200.00", ItemIncreaseText(*read));
  ASSERT_TRUE(DeletePropertyItem(salary_id));
  EXPECT_FALSE(ReadPropertyItem(salary_id));
  EXPECT_EQ(3u, ReadPropertyItems().size());
}

}  // namespace
}  // namespace cw

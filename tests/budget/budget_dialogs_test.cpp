// The budget dialogs offscreen: amounts typed into the grid, the running
// total, saving and edit mode; the item dialog's type defaults, checks and
// percentages.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>

#include "budget/budget_store.h"
#include "budget/budget_texts.h"
#include "budget/property_items.h"
#include "budget/ui/budget_home_input.h"
#include "budget/ui/re_budget_input.h"
#include "budget_fixture.h"
#include "calendar/calendar.h"
#include "controls/list_wnd.h"

namespace cw {
namespace {

using testing::BudgetTest;

template <typename T>
T* Child(const QWidget& parent, const char* name) {
  T* child = parent.findChild<T*>(name);
  EXPECT_NE(nullptr, child) << name;
  return child;
}

void Type(CListWnd* grid, int row, const QString& text) {
  ASSERT_TRUE(grid->OpenEditor(row, 1));
  grid->Editor()->setText(text);
  ASSERT_TRUE(grid->CommitEdit());
}

TEST_F(BudgetTest, BudgetDialogTotalsSavesAndEdits) {
  const int today = SerialDay(2026, 3, 10);
  CReBudgetInput dialog(kBudgetExpense, 0, today);
  EXPECT_EQ("支出预算", dialog.windowTitle());
  auto* grid = Child<CListWnd>(dialog, "amounts");
  const int food = grid->Model().FindKey(RowKey("601"));
  const int home = grid->Model().FindKey(RowKey("602"));
  ASSERT_GE(food, 0);
  EXPECT_EQ("0.00", grid->Model().Cell(food, 1));
  Type(grid, food, "100");
  Type(grid, home, "50.5");
  EXPECT_EQ("100.00", grid->Model().Cell(food, 1));
  EXPECT_EQ("预算金额累计：150.50", Child<QLabel>(dialog, "total")->text());
  EXPECT_FALSE(grid->OpenEditor(food, 0)) << "account names are not edited";
  ASSERT_TRUE(grid->OpenEditor(food, 1));
  grid->Editor()->setText("12x");
  EXPECT_FALSE(grid->CommitEdit()) << "not a number";
  grid->CancelEdit();

  EXPECT_EQ(1900, Child<QSpinBox>(dialog, "year")->minimum());
  EXPECT_EQ(9999, Child<QSpinBox>(dialog, "year")->maximum());
  QSignalSpy saved(&dialog, &CReBudgetInput::BudgetSaved);
  Child<QPushButton>(dialog, "saveAdd")->click();
  ASSERT_EQ(1, saved.count());
  EXPECT_EQ(202603, saved.at(0).at(0).toInt());
  EXPECT_EQ(budget_text::kSavedContinue, prompter_.shown.back().text);
  EXPECT_EQ((std::vector<BudgetLine>{{"601", 100}, {"602", 50.5}}), ReadBudget(kBudgetExpense, 202603));

  // A quarter budget with the same amounts.
  Child<QComboBox>(dialog, "kind")->setCurrentIndex(1);
  Child<QComboBox>(dialog, "quarter")->setCurrentIndex(2);
  Child<QPushButton>(dialog, "save")->click();
  EXPECT_EQ(202653, dialog.SavedKey());

  // Edit mode: the period comes from the key, one save button reads 确定.
  CReBudgetInput edit(kBudgetExpense, 202653, today);
  EXPECT_TRUE(Child<QPushButton>(edit, "saveAdd")->isHidden());
  EXPECT_EQ("确定(&O)", Child<QPushButton>(edit, "save")->text());
  EXPECT_EQ(1, Child<QComboBox>(edit, "kind")->currentIndex());
  EXPECT_EQ(2, Child<QComboBox>(edit, "quarter")->currentIndex());
  EXPECT_EQ("预算金额累计：150.50", Child<QLabel>(edit, "total")->text());
}

TEST_F(BudgetTest, ItemDialogDefaultsChecksAndPercentages) {
  CBudgetHomeInput dialog(0, SerialDay(2026, 12, 10));
  EXPECT_EQ("预算设置", dialog.windowTitle());
  auto* type = Child<QComboBox>(dialog, "type");
  auto* frequency = Child<QComboBox>(dialog, "frequency");
  auto* kinds = Child<QComboBox>(dialog, "cashKind");
  auto* adjustment = Child<QGroupBox>(dialog, "adjustment");
  EXPECT_EQ("每月", frequency->currentText());
  EXPECT_EQ(2, kinds->count());
  EXPECT_EQ("固定金额", kinds->currentText());
  EXPECT_FALSE(adjustment->isHidden());
  EXPECT_EQ("每年", Child<QComboBox>(dialog, "increaseFrequency")->currentText());
  EXPECT_EQ("百分比", Child<QComboBox>(dialog, "increaseKind")->currentText());
  // New items offer next month and eleven months after it, switched off.
  EXPECT_EQ(QDate(2027, 1, 1), Child<QDateEdit>(dialog, "start")->date());
  EXPECT_EQ(QDate(2027, 12, 1), Child<QDateEdit>(dialog, "end")->date());
  EXPECT_FALSE(Child<QDateEdit>(dialog, "start")->isEnabled());

  type->setCurrentIndex(1);  // 日常支出
  EXPECT_EQ("每月", frequency->currentText());
  EXPECT_EQ(1, kinds->count());
  EXPECT_EQ("前12个月平均收入的百分比", kinds->currentText());
  EXPECT_TRUE(adjustment->isHidden());
  type->setCurrentIndex(2);  // 通货膨胀率
  EXPECT_EQ("每年", frequency->currentText());
  EXPECT_EQ("同比（基于去年同期）增长", kinds->currentText());

  // The checks: description first.
  type->setCurrentIndex(0);
  Child<QPushButton>(dialog, "save")->click();
  ASSERT_FALSE(prompter_.shown.empty());
  EXPECT_EQ(budget_text::kNoDescription, prompter_.shown.back().text);
  EXPECT_EQ(budget_text::kInputError, prompter_.shown.back().caption);

  Child<QLineEdit>(dialog, "content")->setText("工资");
  Child<QLineEdit>(dialog, "cash")->setText("5000");
  Child<QLineEdit>(dialog, "increase")->setText("10");
  QSignalSpy saved(&dialog, &CBudgetHomeInput::ItemSaved);
  Child<QPushButton>(dialog, "saveAdd")->click();
  ASSERT_EQ(1, saved.count());
  EXPECT_EQ("", Child<QLineEdit>(dialog, "cash")->text()) << "the amount is cleared for the next item";
  const std::vector<PropertyItem> items = ReadPropertyItems();
  ASSERT_EQ(1u, items.size());
  EXPECT_EQ(5000, items[0].cash);
  EXPECT_DOUBLE_EQ(0.1, items[0].increase);
  EXPECT_EQ(kIncreasePercent, items[0].increase_type);
  EXPECT_EQ(kFrequencyYearly, items[0].increase_frequency);

  // Editing shows the stored item, percentages as percent.
  CBudgetHomeInput edit(items[0].id, SerialDay(2026, 12, 10));
  EXPECT_EQ("工资", Child<QLineEdit>(edit, "content")->text());
  EXPECT_EQ("10.0", Child<QLineEdit>(edit, "increase")->text());
  EXPECT_EQ("确定(&O)", Child<QPushButton>(edit, "save")->text());
}

}  // namespace
}  // namespace cw

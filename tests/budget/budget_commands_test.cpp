// Saving and deleting budgets: the zero total, replacing an existing budget,
// moving a budget to another key, and deleting a mixed selection.
#include <gtest/gtest.h>

#include "budget/budget_commands.h"
#include "budget/budget_key.h"
#include "budget/budget_texts.h"
#include "budget_fixture.h"

namespace cw {
namespace {

using testing::BudgetTest;
using Lines = std::vector<BudgetLine>;

const int kMarch = MonthBudgetKey(2026, 3);
const int kApril = MonthBudgetKey(2026, 4);

TEST_F(BudgetTest, ZeroTotalIsRefused) {
  EXPECT_EQ(BudgetSaveResult::kRefused, SaveBudget(kBudgetExpense, 0, kMarch, {{"601", 50}, {"602", -50}}, prompter_));
  ASSERT_EQ(1u, prompter_.shown.size());
  EXPECT_EQ(budget_text::kZeroTotal, prompter_.shown[0].text);
  EXPECT_TRUE(ReadBudget(kBudgetExpense, kMarch).empty());
}

TEST_F(BudgetTest, ZeroAmountsGetNoLine) {
  EXPECT_EQ(BudgetSaveResult::kSaved, SaveBudget(kBudgetExpense, 0, kMarch, {{"601", 100}, {"602", 0}}, prompter_));
  EXPECT_EQ((Lines{{"601", 100}}), ReadBudget(kBudgetExpense, kMarch));
  EXPECT_TRUE(prompter_.shown.empty());
  EXPECT_EQ("预算金额累计：100.00", BudgetTotalText({{"601", 100}, {"602", 0}}));
}

TEST_F(BudgetTest, ReplacingAnExistingBudgetAsksFirst) {
  ASSERT_EQ(BudgetSaveResult::kSaved, SaveBudget(kBudgetExpense, 0, kMarch, {{"601", 100}}, prompter_));
  prompter_.answers = {false};
  EXPECT_EQ(BudgetSaveResult::kRefused, SaveBudget(kBudgetExpense, 0, kMarch, {{"602", 70}}, prompter_));
  EXPECT_EQ(budget_text::kAlreadyExists, prompter_.shown.back().text);
  EXPECT_EQ((Lines{{"601", 100}}), ReadBudget(kBudgetExpense, kMarch));

  prompter_.answers = {true};
  EXPECT_EQ(BudgetSaveResult::kSaved, SaveBudget(kBudgetExpense, 0, kMarch, {{"602", 70}}, prompter_));
  EXPECT_EQ((Lines{{"602", 70}}), ReadBudget(kBudgetExpense, kMarch));
  // The other category's budget of the same key is another budget.
  EXPECT_EQ(BudgetSaveResult::kSaved, SaveBudget(kBudgetIncome, 0, kMarch, {{"501", 10}}, prompter_));
  EXPECT_EQ(2u, prompter_.shown.size());
}

TEST_F(BudgetTest, ChangingTheKeyMovesTheBudget) {
  ASSERT_EQ(BudgetSaveResult::kSaved, SaveBudget(kBudgetExpense, 0, kMarch, {{"601", 100}}, prompter_));
  // Edited in place: no question.
  EXPECT_EQ(BudgetSaveResult::kSaved, SaveBudget(kBudgetExpense, kMarch, kMarch, {{"601", 90}}, prompter_));
  EXPECT_TRUE(prompter_.shown.empty());
  EXPECT_EQ(BudgetSaveResult::kSaved, SaveBudget(kBudgetExpense, kMarch, kApril, {{"601", 90}}, prompter_));
  EXPECT_TRUE(ReadBudget(kBudgetExpense, kMarch).empty());
  EXPECT_EQ((Lines{{"601", 90}}), ReadBudget(kBudgetExpense, kApril));

  // Onto a budget that exists: asked; No keeps both as they were.
  ASSERT_EQ(BudgetSaveResult::kSaved, SaveBudget(kBudgetExpense, 0, kMarch, {{"602", 5}}, prompter_));
  EXPECT_EQ(BudgetSaveResult::kRefused, SaveBudget(kBudgetExpense, kApril, kMarch, {{"601", 90}}, prompter_));
  EXPECT_EQ((Lines{{"602", 5}}), ReadBudget(kBudgetExpense, kMarch));
  EXPECT_EQ((Lines{{"601", 90}}), ReadBudget(kBudgetExpense, kApril));
}

TEST_F(BudgetTest, DeletingAMixedSelectionReportsActualRowsOnce) {
  ASSERT_TRUE(WriteBudget(kBudgetExpense, 0, kMarch, {{"601", 100}}));
  ASSERT_TRUE(WriteBudget(kBudgetExpense, 0, kApril, {{"601", 100}}));
  prompter_.answers = {false};
  EXPECT_TRUE(DeleteBudgetRows(kBudgetExpense, {kMarch}, prompter_).empty());
  EXPECT_FALSE(ReadBudget(kBudgetExpense, kMarch).empty());

  prompter_.shown.clear();
  prompter_.answers = {true};
  const std::vector<int> deleted = DeleteBudgetRows(kBudgetExpense, {kMarch, -kMarch, kApril, -kApril}, prompter_);
  EXPECT_EQ((std::vector<int>{kApril, kMarch}), deleted);
  ASSERT_EQ(2u, prompter_.shown.size());
  EXPECT_EQ(budget_text::kConfirmDelete, prompter_.shown[0].text);
  EXPECT_EQ(budget_text::kActualRowNotDeleted, prompter_.shown[1].text);
  EXPECT_TRUE(ReadBudget(kBudgetExpense, kMarch).empty());
  EXPECT_TRUE(ReadBudget(kBudgetExpense, kApril).empty());
}

}  // namespace
}  // namespace cw

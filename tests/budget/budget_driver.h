#pragma once
// Steps a person takes in the budget window, shared by the end-to-end test and
// the screenshot tour. Each returns the steps for one modal dialog, to be
// armed with OnModal before the action that opens it.
#include <QString>
#include <functional>
#include <utility>
#include <vector>

namespace cw {
class CBudgetHomeInput;
class CMainFrame;
class CReBudgetInput;
class CSelectProjectionEnd;
}  // namespace cw

namespace cw::testing {

// A month budget: the month (yyyymm) and amounts typed for account codes;
// `before_save` runs with everything typed (a screenshot), then
// "保存退出(&O)" is pressed.
std::function<void(CReBudgetInput*)> EnterMonthBudget(int month, std::vector<std::pair<QString, QString>> amounts,
                                                       std::function<void()> before_save = {});

// What a person enters in "预算设置". Percentages as typed (10 for 10%).
struct ItemEntry {
  QString content;
  int type_index = 0;  // 日常收入, 日常支出, 通货膨胀率（CPI）
  int kind_index = 0;  // within the kinds the type offers
  QString amount;
  QString increase{};  // the adjustment (income only), kept at 每年 and 百分比
};
std::function<void(CBudgetHomeInput*)> EnterItem(const ItemEntry& entry, std::function<void()> before_save = {});

// Chooses the projection's end month (yyyymm) and presses 确定.
std::function<void(CSelectProjectionEnd*)> ChooseProjectionEnd(int month);

// Ticks the budget window's navigation check box; false when there is none.
bool TickBudgetCheck(CMainFrame* frame, bool on);

}  // namespace cw::testing

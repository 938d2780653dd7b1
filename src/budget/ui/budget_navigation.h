#pragma once
// The navigation bar of the budget window: "日常预算" with the income and
// expense budgets, "家庭财产预算" with the item list and the projection, then
// the view's own check box and the tip under "您知道吗？".
#include <QString>

#include "frame/navigation_model.h"

class QCheckBox;

namespace cw {

class NavigationBar;

NavigationModel BudgetNavigation(const Rights& rights, int level);

// Adds the check box (when `check` is not empty) and the tip under the bar's
// groups; returns the check box, or null.
QCheckBox* AddBudgetExtras(NavigationBar* bar, const QString& check, bool checked, const QString& tip);

}  // namespace cw

#include "budget/ui/budget_navigation.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLabel>

#include "frame/app_commands.h"
#include "frame/navigation_bar.h"

namespace cw {

NavigationModel BudgetNavigation(const Rights& rights, int level) {
  auto item = [&](const char* text, int command) { return CommandItem(text, command, "", "", rights, level); };
  return {
      {"日常预算", {item("收入预算", 32960), item("支出预算", 32961)}},
      {"家庭财产预算", {item("预算设置", 32962), item("显示财产预算结果", cmd::kShowProjection)}},
  };
}

QCheckBox* AddBudgetExtras(NavigationBar* bar, const QString& check, bool checked, const QString& tip) {
  // The bar lays its groups out in a vertical box that ends in a stretch.
  auto* layout = qobject_cast<QBoxLayout*>(bar->layout());
  if (!layout) return nullptr;
  int at = layout->count() > 0 ? layout->count() - 1 : 0;
  QCheckBox* box = nullptr;
  if (!check.isEmpty()) {
    box = new QCheckBox(check, bar);
    box->setObjectName("budgetCheck");
    box->setChecked(checked);
    box->setContentsMargins(8, 10, 4, 4);
    layout->insertWidget(at++, box);
  }
  auto* heading = new QLabel("您知道吗？", bar);
  QFont font = heading->font();
  font.setBold(true);
  heading->setFont(font);
  heading->setContentsMargins(4, 14, 4, 2);
  layout->insertWidget(at++, heading);
  auto* text = new QLabel(tip, bar);
  text->setObjectName("budgetTip");
  text->setWordWrap(true);
  // A long tip wraps within the bar instead of widening it.
  text->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  text->setMinimumWidth(220);
  text->setContentsMargins(14, 2, 4, 2);
  layout->insertWidget(at, text);
  return box;
}

}  // namespace cw

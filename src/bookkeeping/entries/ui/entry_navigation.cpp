#include "bookkeeping/entries/ui/entry_navigation.h"

#include <QButtonGroup>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "frame/navigation_bar.h"

namespace cw {
namespace {

// The bar lays its groups out in a vertical box ending in a stretch; the
// extras go into that box.
QBoxLayout* BarLayout(NavigationBar* bar) { return qobject_cast<QBoxLayout*>(bar->layout()); }

QLabel* Heading(const QString& text, QWidget* parent) {
  auto* heading = new QLabel(text, parent);
  QFont font = heading->font();
  font.setBold(true);
  heading->setFont(font);
  heading->setContentsMargins(4, 10, 4, 4);
  return heading;
}

}  // namespace

NavigationModel EntryNavigation(const Rights& rights, int level) {
  auto item = [&](const char* text, int page) { return CommandItem(text, page, "", "", rights, level); };
  return {
      {"日常记账", {item("收入支出记账", 32900)}},
      {"存款取款转账", {item("存款取款记账", 32901), item("银行转账记账", 32903), item("现金往来记账", 32902)}},
      {"",
       {item("信用卡记账", 32908), item("借入资金记账", 32905), item("借出资金记账", 32904), item("投资记账", 32906)}},
      {"初始财产", {item("初始财产录入", 32907)}},
  };
}

void AddNavigationNote(NavigationBar* bar, const QString& title, const QStringList& lines) {
  QBoxLayout* layout = BarLayout(bar);
  if (!layout) return;
  int at = 0;
  layout->insertWidget(at++, Heading(title, bar));
  for (const QString& line : lines) {
    auto* label = new QLabel(line, bar);
    label->setObjectName("navigationNote");
    label->setWordWrap(true);
    label->setContentsMargins(14, 2, 4, 2);
    layout->insertWidget(at++, label);
  }
}

QButtonGroup* AddScopeChoices(NavigationBar* bar, DateScope current) {
  auto* group = new QButtonGroup(bar);
  QBoxLayout* layout = BarLayout(bar);
  if (!layout) return group;
  // Before the closing stretch.
  int at = layout->count() > 0 ? layout->count() - 1 : 0;
  auto* spacer = new QWidget(bar);
  spacer->setFixedHeight(10);
  layout->insertWidget(at++, spacer);
  for (DateScope scope :
       {DateScope::kCurrentMonth, DateScope::kLastThreeMonths, DateScope::kCurrentYear, DateScope::kCustom}) {
    auto* choice = new QRadioButton(QString::fromStdString(ScopeLabel(scope)), bar);
    choice->setObjectName(QString("scopeChoice%1").arg(static_cast<int>(scope)));
    choice->setChecked(scope == current);
    group->addButton(choice, static_cast<int>(scope));
    layout->insertWidget(at++, choice);
  }
  return group;
}

}  // namespace cw

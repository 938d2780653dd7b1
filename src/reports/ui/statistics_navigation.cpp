#include "reports/ui/statistics_navigation.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

#include "frame/navigation_bar.h"
#include "reports/statistics/statistics_range.h"

namespace cw {
namespace {

// Inserts the extras before the stretch that closes the bar's box.
class Extras {
 public:
  explicit Extras(NavigationBar* bar) : bar_(bar), layout_(qobject_cast<QBoxLayout*>(bar->layout())) {
    at_ = layout_ && layout_->count() > 0 ? layout_->count() - 1 : 0;
  }
  void Heading(const char* text) {
    auto* heading = new QLabel(QString::fromUtf8(text), bar_);
    QFont font = heading->font();
    font.setBold(true);
    heading->setFont(font);
    heading->setContentsMargins(4, 12, 4, 4);
    Add(heading);
  }
  QButtonGroup* Radios(std::initializer_list<const char*> texts, int checked, const char* name) {
    auto* group = new QButtonGroup(bar_);
    int id = 0;
    for (const char* text : texts) {
      auto* radio = new QRadioButton(QString::fromUtf8(text), bar_);
      radio->setObjectName(QString("%1%2").arg(name).arg(id));
      radio->setChecked(id == checked);
      group->addButton(radio, id++);
      Add(radio);
    }
    return group;
  }
  QCheckBox* Check(const char* text, bool checked, const char* name) {
    auto* box = new QCheckBox(QString::fromUtf8(text), bar_);
    box->setObjectName(name);
    box->setChecked(checked);
    Add(box);
    return box;
  }

 private:
  void Add(QWidget* widget) {
    widget->setContentsMargins(10, 0, 4, 0);
    if (layout_) layout_->insertWidget(at_++, widget);
  }
  NavigationBar* bar_;
  QBoxLayout* layout_;
  int at_ = 0;
};

}  // namespace

NavigationModel StatisticsNavigation(const Rights& rights, int level) {
  NavGroup tables{"图表统计", {}};
  for (int command : {kBalanceSheetTable, kIncomeExpenseTable, kIncomeCategoryTable, kExpenseCategoryTable})
    tables.items.push_back(CommandItem(StatTableName(command), command, "", "x-office-spreadsheet", rights, level));
  return {tables};
}

StatisticsChoices AddStatisticsChoices(NavigationBar* bar, int command, bool stacked, int period, bool hide_rows,
                                       bool hide_columns) {
  StatisticsChoices choices;
  Extras extras(bar);
  extras.Heading("数据、图形排列方式");
  choices.layout = extras.Radios({"横向排列", "纵向排列"}, stacked ? 1 : 0, "layoutChoice");
  if (command == kBalanceSheetTable) return choices;
  extras.Heading("统计周期");
  choices.period = extras.Radios({"以一年为统计周期", "以一月为统计周期", "以一天为统计周期"}, period, "periodChoice");
  extras.Heading("选项");
  if (IsCategoryTable(command)) {
    choices.hide_rows = extras.Check("隐藏总额为0的行", hide_rows, "hideRows");
    choices.hide_columns = extras.Check("隐藏金额都为0的列", hide_columns, "hideColumns");
  } else {
    choices.hide_rows = extras.Check("隐藏收支都为0的行", hide_rows, "hideRows");
  }
  return choices;
}

}  // namespace cw

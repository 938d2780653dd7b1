#include "budget_driver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cstdio>

#include "app/main_frame.h"
#include "budget/ui/budget_home_input.h"
#include "budget/ui/ctrl_wnd_account_budget.h"
#include "budget/ui/re_budget_input.h"
#include "budget/ui/select_projection_end.h"
#include "controls/list_wnd.h"
#include "desktop_driver.h"

namespace cw::testing {

std::function<void(CReBudgetInput*)> EnterMonthBudget(int month, std::vector<std::pair<QString, QString>> amounts,
                                                       std::function<void()> before_save) {
  return [month, amounts, before_save](CReBudgetInput* dialog) {
    dialog->findChild<QComboBox*>("kind")->setCurrentIndex(0);
    dialog->findChild<QDateEdit*>("month")->setDate(QDate(month / 100, month % 100, 1));
    CListWnd* grid = dialog->findChild<CListWnd*>("amounts");
    for (const auto& [code, amount] : amounts) {
      const int row = grid->Model().FindKey(RowKey(code.toStdString()));
      if (row < 0) {
        std::fprintf(stderr, "the budget grid has no account %s\n", qPrintable(code));
        continue;
      }
      TypeIntoCell(grid, row, 1, amount);
    }
    if (before_save) before_save();
    QTest::mouseClick(dialog->findChild<QPushButton*>("save"), Qt::LeftButton);
  };
}

std::function<void(CBudgetHomeInput*)> EnterItem(const ItemEntry& entry, std::function<void()> before_save) {
  return [entry, before_save](CBudgetHomeInput* dialog) {
    dialog->findChild<QComboBox*>("type")->setCurrentIndex(entry.type_index);
    dialog->findChild<QComboBox*>("cashKind")->setCurrentIndex(entry.kind_index);
    // Chinese text as an input method would set it.
    dialog->findChild<QLineEdit*>("content")->setText(entry.content);
    QTest::keyClicks(dialog->findChild<QLineEdit*>("cash"), entry.amount);
    if (!entry.increase.isEmpty()) QTest::keyClicks(dialog->findChild<QLineEdit*>("increase"), entry.increase);
    if (before_save) before_save();
    QTest::mouseClick(dialog->findChild<QPushButton*>("save"), Qt::LeftButton);
  };
}

std::function<void(CSelectProjectionEnd*)> ChooseProjectionEnd(int month) {
  return [month](CSelectProjectionEnd* dialog) {
    dialog->findChild<QDateEdit*>("endMonth")->setDate(QDate(month / 100, month % 100, 1));
    QTest::mouseClick(dialog->findChild<QPushButton*>("ok"), Qt::LeftButton);
  };
}

bool TickBudgetCheck(CMainFrame* frame, bool on) {
  QCheckBox* box = nullptr;
  // The window builds its bar after the event that showed the page.
  if (!QTest::qWaitFor(
          [&] {
            auto* budget = qobject_cast<CCtrlWndAccountBudget*>(frame->Module());
            box = budget ? budget->CheckBox() : nullptr;
            return box != nullptr && box->isVisible();
          },
          5000))
    return false;
  if (box->isChecked() != on) QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
  return true;
}

}  // namespace cw::testing

// The balance sheet's cut-off dialog: its 确定(&O) gives the chosen month's
// bound, its 取消(&C) nothing.
#include "reports/ui/select_cut_off.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDate>
#include <QDateEdit>

#include "reports/statistics/statistics_range.h"

namespace cw {
namespace {

TEST(CutOffDialogTest, OkGivesTheChosenMonthAndCancelNothing) {
  CSelectCutOff chosen(CutOffBound(2025, 3));
  EXPECT_EQ(chosen.MonthEdit()->date(), QDate(2025, 3, 1));
  chosen.MonthEdit()->setDate(QDate(2025, 6, 1));
  QAbstractButton* ok = chosen.findChild<QAbstractButton*>("ok");
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->text(), "确定(&O)");
  ok->click();
  EXPECT_EQ(chosen.result(), QDialog::Accepted);
  EXPECT_EQ(chosen.Bound(), CutOffBound(2025, 6));

  CSelectCutOff cancelled(CutOffBound(2025, 3));
  QAbstractButton* cancel = cancelled.findChild<QAbstractButton*>("cancel");
  ASSERT_NE(cancel, nullptr);
  EXPECT_EQ(cancel->text(), "取消(&C)");
  cancelled.open();
  cancel->click();
  EXPECT_EQ(cancelled.result(), QDialog::Rejected);
  EXPECT_FALSE(cancelled.isVisible());
}

}  // namespace
}  // namespace cw

// A person looks at the ledgers of the demonstration household in the desktop
// program, offscreen: 现金明细表 and the next account, 支出余额表 with a drill
// from a summary account to its detail table and from a detail row to its
// voucher, back through the history; and the records of one day.
#include <gtest/gtest.h>

#include <QAction>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "app/coinwright_app.h"
#include "app/app_ui_fixture.h"
#include "app/desktop_driver.h"
#include "app/main_frame.h"
#include "app/user_logon.h"
#include "bookkeeping/booking/ui/charge_up.h"
#include "calendar/calendar.h"
#include "controls/list_wnd.h"
#include "frame/app_commands.h"
#include "home/ui/daily_note.h"
#include "reports/ui/chargeup_daily_record.h"
#include "reports/ui/ctrl_wnd_account_query.h"
#include "reports/ui/header_span_bar.h"
#include "support/modal_driver.h"

namespace cw {
namespace {

using testing::OnModal;

// Counts the paint events a widget receives.
struct PaintCounter : QObject {
  explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++count;
    return false;
  }
  int count = 0;
};

class LedgerEndToEndTest : public testing::DemoDesktopTest {
 protected:
  void SetUp() override {
    DemoDesktopTest::SetUp();
    frame_->resize(1200, 760);
  }
  CCtrlWndAccountQuery* Ledger() const { return qobject_cast<CCtrlWndAccountQuery*>(frame_->Module()); }
  const GridModel& Table() const { return Ledger()->Grid()->Model(); }
};

TEST_F(LedgerEndToEndTest, DetailBalanceDrillAndHistory) {
  ASSERT_TRUE(frame_->MenuAction(32935)->isEnabled());
  frame_->MenuAction(32935)->trigger();
  testing::Settle(100);
  ASSERT_NE(nullptr, Ledger());
  EXPECT_EQ("101", Ledger()->Page().Account()) << "the first cash account";
  EXPECT_EQ("  期 初 余 额", Table().Cell(0, 1));
  EXPECT_EQ("  累         计", Table().Cell(Table().RowCount() - 1, 1));
  frame_->ToolbarAction(cmd::kNextAccount)->trigger();
  testing::Settle(50);
  EXPECT_EQ("10101", Ledger()->Page().Account());

  // 支出余额表: the two-row header belongs to the six other tables only.
  frame_->MenuAction(32941)->trigger();
  testing::Settle(100);
  EXPECT_FALSE(Ledger()->SpanBar()->isVisible());
  const int food = Table().FindKey(RowKey("601"));
  ASSERT_GE(food, 0);
  EXPECT_TRUE(Table().Row(food).background.has_value()) << "a summary account";
  Ledger()->Grid()->SelectRow(food);
  frame_->ToolbarAction(cmd::kDetails)->trigger();
  testing::Settle(100);
  EXPECT_EQ(32931, Ledger()->CurrentPage());
  EXPECT_EQ("601", Ledger()->Page().Account());

  // A detail row opens its voucher.
  int data_row = -1;
  for (int r = 0; r < Table().RowCount() && data_row < 0; ++r)
    if (Table().Key(r).Number() > 0) data_row = r;
  ASSERT_GE(data_row, 0);
  Ledger()->Grid()->SelectRow(data_row);
  bool voucher_shown = false;
  OnModal<CChargeUp>([](CChargeUp* dialog) { dialog->reject(); }, &voucher_shown);
  frame_->ToolbarAction(cmd::kDetails)->trigger();
  EXPECT_TRUE(voucher_shown);

  // Back: the balance table as it was left, its row selected again.
  frame_->OnCommand(cmd::kBack);
  testing::Settle(100);
  EXPECT_EQ(32941, Ledger()->CurrentPage());
  EXPECT_EQ(food, Ledger()->Grid()->SelectedRow());

  // 现金余额表 has the two-row header.
  frame_->MenuAction(32945)->trigger();
  testing::Settle(100);
  EXPECT_TRUE(Ledger()->SpanBar()->isVisible());

  // Scrolled sideways, the upper header row is painted again over the moved columns.
  frame_->resize(520, 760);
  testing::Settle(100);
  QScrollBar* sideways = nullptr;
  for (QScrollBar* bar : Ledger()->Grid()->findChildren<QScrollBar*>())
    if (bar->orientation() == Qt::Horizontal) sideways = bar;
  ASSERT_NE(nullptr, sideways);
  ASSERT_GT(sideways->maximum(), 0) << "the narrow window must scroll sideways";
  PaintCounter paints(Ledger()->SpanBar());
  sideways->setValue(sideways->maximum());
  testing::Settle(100);
  EXPECT_GT(paints.count, 0);
}

TEST_F(LedgerEndToEndTest, DayRecordsOfTheFirstOfThisMonth) {
  const Ymd today = DateOfSerialDay(Today());
  CChargeupDailyRecord dialog(DayRecordsMode::kBoth, SerialDay(today.year, today.month, 1), frame_);
  const GridModel& grid = dialog.Grid()->Model();
  ASSERT_GT(grid.RowCount(), 1);
  EXPECT_EQ("累    计", grid.Cell(grid.RowCount() - 1, 1));
  dialog.Grid()->SelectRow(grid.RowCount() - 1);
  bool told = false;
  OnModal<QDialog>([&](QDialog* prompt) {
    told = true;
    prompt->reject();
  });
  dialog.ViewButton()->click();
  EXPECT_TRUE(told) << "message 619 for the total row";
}

}  // namespace
}  // namespace cw

// The statistics window on its own, offscreen, its dialogs answered by the
// test: the period choice and its Cancel, the hide options, the layout choice,
// the drill into a day and the cut-off of the balance sheet.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QSignalSpy>
#include <QSplitter>
#include <QTest>

#include "controls/charts/curve_wnd.h"
#include "controls/list_wnd.h"
#include "core/voucher_engine.h"
#include "frame/app_commands.h"
#include "reports/statistics/income_expense_table.h"
#include "reports/ui/ctrl_wnd_account_graph.h"
#include "reports/ui/statistics_navigation.h"
#include "support/ledger_fixture.h"

namespace cw {
namespace {

class AccountGraphTest : public testing::LedgerTest {
 protected:
  void SetUp() override {
    LedgerTest::SetUp();
    for (const auto& [date, amount] : {std::pair{"2025-03-04", 40.0}, {"2025-03-09", 60.0}, {"2025-05-01", 10.0}})
      ASSERT_NE(0, WriteVoucher(Make(date, 3, "601", "101", amount)));
    StatisticsDialogs dialogs;
    dialogs.ask_scope = [this](QWidget*, int period, std::pair<int, int> start) {
      asked_periods_.push_back(period);
      asked_starts_.push_back(start);
      return scope_answer_;
    };
    dialogs.ask_cut_off = [](QWidget*, int) { return std::optional<int>(202503999); };
    dialogs.day_records = [this](QWidget*, int command, int day) { days_.push_back({command, day}); };
    dialogs.curve = [](QWidget*, const std::string&, ChartData) {};
    dialogs.pies = [](QWidget*, const std::string&, std::vector<PieChart>) {};
    window_ = std::make_unique<CCtrlWndAccountGraph>(LogonProfile{.person_no = 1}, nullptr, dialogs);
    window_->resize(1000, 600);
    window_->show();
    // The window asks the frame to show the table again: here the test is the frame.
    QObject::connect(window_.get(), &CControlWnd::CommandRequested, window_.get(),
                     [this](int page) { window_->ShowPage(page, true, nullptr); });
  }
  void TearDown() override {
    window_.reset();
    LedgerTest::TearDown();
  }
  const StatisticsChoices& Choices() {
    QTest::qWait(20);  // the bar is built after the event that led to it
    return window_->Choices();
  }

  std::unique_ptr<CCtrlWndAccountGraph> window_;
  std::optional<std::pair<int, int>> scope_answer_;
  std::vector<int> asked_periods_;
  std::vector<std::pair<int, int>> asked_starts_;
  std::vector<std::pair<int, int>> days_;
};

TEST_F(AccountGraphTest, PeriodChoiceCancelKeepsTheRadioAndOkShowsTheNewRange) {
  ASSERT_TRUE(window_->ShowPage(kExpenseCategoryTable, false, nullptr));
  ASSERT_NE(Choices().period, nullptr);
  Choices().period->button(kYearPeriod)->click();
  QTest::qWait(20);
  ASSERT_EQ(asked_periods_, std::vector<int>{kYearPeriod});
  EXPECT_EQ(window_->Page().Range().period, kMonthPeriod);
  EXPECT_TRUE(Choices().period->button(kMonthPeriod)->isChecked());

  scope_answer_ = {20240101, 20250101};
  Choices().period->button(kYearPeriod)->click();
  QTest::qWait(20);
  EXPECT_EQ(window_->Page().Range().period, kYearPeriod);
  ASSERT_EQ(window_->Grid()->Model().RowCount(), 1 + 3);  // 2025 only: 2024 is empty
  EXPECT_EQ(window_->Grid()->Model().Key(0), RowKey(2025));
  EXPECT_EQ(window_->Curve()->Data().PointCount(), 1);
  EXPECT_TRUE(window_->CaptionText().find("日期范围：2024年 - 2025年") != std::string::npos);

  // Drill into 2025, then March: its days; a day opens its records.
  window_->Grid()->SelectRow(0);
  window_->OnCommand(cmd::kDetails);
  EXPECT_EQ(window_->Page().Range().period, kMonthPeriod);
  window_->Grid()->SelectRow(window_->Grid()->Model().FindKey(RowKey(202503)));
  window_->OnCommand(cmd::kDetails);
  EXPECT_EQ(window_->Page().Range().period, kDayPeriod);
  ASSERT_EQ(window_->Grid()->Model().Key(1), RowKey(20250309));
  window_->Grid()->SelectRow(1);
  window_->OnCommand(cmd::kDetails);
  EXPECT_EQ(days_, (std::vector<std::pair<int, int>>{{kExpenseCategoryTable, 20250309}}));
}

TEST_F(AccountGraphTest, HideOptionsRebuildAtOnceAndTheLayoutGoesToTheFrame) {
  scope_answer_ = {20250301, 20250501};
  window_->ShowPage(kIncomeExpenseTable, false, nullptr);
  window_->OnCommand(CCtrlWndAccountGraph::kChangeRange);
  ASSERT_EQ(window_->Grid()->Model().RowCount(), 2 + 2);  // March and May; April is empty
  Choices().hide_rows->click();
  EXPECT_EQ(window_->Grid()->Model().RowCount(), 3 + 2);
  EXPECT_EQ(Choices().hide_columns, nullptr);

  QSignalSpy chosen(window_.get(), &CHmCtrlWnd::DataAlignmentChosen);
  Choices().layout->button(1)->click();
  ASSERT_EQ(chosen.count(), 1);
  EXPECT_TRUE(chosen.at(0).at(0).toBool());
  EXPECT_EQ(window_->Splitter()->orientation(), Qt::Vertical);
}

TEST_F(AccountGraphTest, BalanceSheetCutOffAndHistoryState) {
  window_->ShowPage(kBalanceSheetTable, false, nullptr);
  EXPECT_EQ(Choices().period, nullptr);
  window_->OnCommand(cmd::kFind);
  EXPECT_EQ(window_->Page().CutOff(), 202503999);
  EXPECT_EQ(window_->Grid()->Model().Cell(1, 1), "-100.00");  // cash after March's meals
  EXPECT_EQ(window_->CurrentParams().numbers, std::vector<int>{202503999});
  EXPECT_FALSE(window_->CommandAvailable(cmd::kDetails));
}

}  // namespace
}  // namespace cw

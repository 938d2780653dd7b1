// The daily entry window in the main frame, on the demonstration data: the
// frame creates it for the entry pages, its caption link changes the months,
// and the history brings a page back with its months.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QDateEdit>
#include <QLabel>
#include <QTest>

#include "app/app_ui_fixture.h"
#include "app/main_frame.h"
#include "bookkeeping/entries/ui/ctrl_wnd_account_easy.h"
#include "bookkeeping/entries/ui/select_month_range.h"
#include "frame/app_commands.h"
#include "frame/navigation_bar.h"
#include "support/modal_driver.h"

namespace cw {
namespace {

class EntryFrameTest : public testing::DemoFrameTest {
 protected:
  CCtrlWndAccountEasy* Module() const { return qobject_cast<CCtrlWndAccountEasy*>(frame_->Module()); }
};

TEST_F(EntryFrameTest, TheFrameShowsEntryPagesAndTheirCaptionLinkChangesTheMonths) {
  ASSERT_TRUE(frame_->ShowPage(32900));
  ASSERT_NE(nullptr, Module());
  EXPECT_NE(-1, frame_->CaptionText().indexOf("日期范围："));
  EXPECT_TRUE(frame_->ToolbarAction(cmd::kAdd)->isEnabled());
  EXPECT_TRUE(frame_->ToolbarAction(cmd::kAudit)->isEnabled());
  EXPECT_TRUE(frame_->ToolbarAction(cmd::kPlans)->isEnabled());
  EXPECT_TRUE(frame_->ToolbarAction(cmd::kPrint)->isEnabled());
  EXPECT_TRUE(frame_->ToolbarAction(cmd::kExport)->isEnabled());

  bool chosen = false;
  testing::OnModal<CSelectMonthRange>(
      [](CSelectMonthRange* dialog) {
        dialog->FirstMonthEdit()->setDate(QDate(2021, 3, 1));
        dialog->LastMonthEdit()->setDate(QDate(2021, 1, 1));  // either way round
        dialog->accept();
      },
      &chosen);
  auto* caption = frame_->findChild<QLabel*>("captionBar");
  ASSERT_NE(nullptr, caption);
  emit caption->linkActivated(QString::number(CCtrlWndAccountEasy::kChangeRange));
  EXPECT_TRUE(chosen);
  EXPECT_EQ(DateScope::kCustom, Module()->Scope());
  EXPECT_NE(-1, frame_->CaptionText().indexOf("2021年1月 - 2021年3月"));

  // Another page of the module keeps the months; back in the history as well.
  ASSERT_TRUE(frame_->ShowPage(32901));
  EXPECT_EQ(32901, Module()->CurrentPage());
  EXPECT_NE(-1, frame_->CaptionText().indexOf("存款取款记账<br>日期范围：2021年1月 - 2021年3月"));
  frame_->OnCommand(cmd::kHomePage);
  frame_->OnCommand(cmd::kBack);
  ASSERT_NE(nullptr, Module());
  EXPECT_EQ(32901, Module()->CurrentPage());
  EXPECT_EQ(MonthsRange({2021, 1}, {2021, 3}), Module()->Range());
}

}  // namespace
}  // namespace cw

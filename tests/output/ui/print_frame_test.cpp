// 打印 on every kind of table window, in the main frame on the demonstration
// data: the toolbar's 打印 is enabled and prints the page's table, under the
// window's title, to a PDF file chosen in the print dialog.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QTemporaryDir>

#include <functional>
#include <string>
#include <vector>

#include "app/app_ui_fixture.h"
#include "app/desktop_driver.h"
#include "app/main_frame.h"
#include "bookkeeping/booking/ui/select_chargeup.h"
#include "budget/ui/select_projection_end.h"
#include "frame/app_commands.h"
#include "frame/hm_ctrl_wnd.h"
#include "plans/ui/chargeup_plan_list.h"
#include "plans/ui/chargeup_plan_result.h"
#include "output/pdf_text.h"
#include "output/ui/print_columns_dialog.h"
#include "support/modal_driver.h"

namespace cw {
namespace {

using testing::NoSpaces;
using testing::OnModal;

class PrintFrameTest : public testing::DemoFrameTest {};

TEST_F(PrintFrameTest, PrintOnEveryKindOfTableWindowPrintsItsTable) {
  struct Case {
    std::string name;
    int page;
    std::function<void(CMainFrame*)> then{};  // what a person does on the page before printing
    int columns = 0;  // print only the first columns, chosen in "打印格式(&F)"; 0: all
  };
  const Case cases[] = {
      {"daily entries", 32900},
      {"search results", 32900,
       [](CMainFrame* frame) {
         OnModal<CSelectChargeup>(testing::SearchText("工资"));
         frame->ToolbarAction(cmd::kFind)->trigger();
       }},
      {"initial assets", 32907},
      {"detail ledger", 32935},
      {"balance ledger", 32943},
      {"income and expense statistics", 32920},
      {"balance sheet", 32950},
      // A column for every expense account: too many for the width of A4.
      {"expense budgets", 32961, {}, 4},
      {"property budget items", 32962},
      {"property budget projection", 32962,
       [](CMainFrame* frame) {
         OnModal<CSelectProjectionEnd>([](CSelectProjectionEnd* end) { end->accept(); });  // the proposed end
         frame->OnCommand(cmd::kShowProjection);
       }},
      {"user list", cmd::kUserManagement},
  };
  QTemporaryDir folder;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(frame_->ShowPage(c.page, /*forced=*/true));
    if (c.then) c.then(frame_.get());
    const std::optional<PageOutput> output = frame_->Module()->CurrentOutput();
    ASSERT_TRUE(output && output->grid);
    ASSERT_GT(output->grid->RowCount(), 0);
    QAction* print = frame_->ToolbarAction(cmd::kPrint);
    ASSERT_NE(nullptr, print);
    ASSERT_TRUE(print->isEnabled());

    const QString pdf = folder.filePath(QString::fromStdString(c.name) + ".pdf");
    bool printed = false;
    OnModal<QPrintDialog>(
        [&](QPrintDialog* dialog) {
          if (c.columns > 0) {
            OnModal<CPrintColumnsDialog>([&](CPrintColumnsDialog* choice) {
              const QList<QCheckBox*> boxes = choice->findChildren<QCheckBox*>();
              for (int b = c.columns; b < boxes.size(); ++b) boxes[b]->setChecked(false);
              choice->accept();
            });
            dialog->findChild<QPushButton*>("columnsButton")->click();
          }
          testing::PrintToPdf(pdf)(dialog);
        },
        &printed);
    print->trigger();
    ASSERT_TRUE(printed);
    const std::vector<std::string> pages = testing::PdfPages(pdf.toStdString());
    ASSERT_FALSE(pages.empty());
    const std::string first = NoSpaces(pages.front());
    EXPECT_NE(first.find(NoSpaces(output->title)), std::string::npos) << first;
    // The table's first column title and first row's cell under it.
    EXPECT_NE(first.find(NoSpaces(output->grid->Column(0).title)), std::string::npos) << first;
    EXPECT_NE(first.find(NoSpaces(output->grid->Cell(0, 0))), std::string::npos) << first;
  }
  EXPECT_TRUE(TakeMessages().empty());
}

// The plan list and a plan's bookings are dialogs of their own, with 打印 on
// their tool bars.
TEST_F(PrintFrameTest, PrintOnThePlanListsPrintsTheirTables) {
  ASSERT_TRUE(frame_->ShowPage(32900));
  QTemporaryDir folder;
  const QString list_pdf = folder.filePath("list.pdf");
  const QString history_pdf = folder.filePath("history.pdf");
  bool listed = false;
  OnModal<CChargeupPlanList>(
      [&](CChargeupPlanList* list) {
        OnModal<QPrintDialog>(testing::PrintToPdf(list_pdf));
        list->findChild<QAction*>("print")->trigger();
        OnModal<CChargeupPlanResult>([&](CChargeupPlanResult* history) {
          OnModal<QPrintDialog>(testing::PrintToPdf(history_pdf));
          history->findChild<QAction*>("print")->trigger();
          history->reject();
        });
        list->findChild<QAction*>("allHistory")->trigger();
        list->reject();
      },
      &listed);
  frame_->OnCommand(cmd::kPlans);
  ASSERT_TRUE(listed);

  const std::vector<std::string> list = testing::PdfPages(list_pdf.toStdString());
  ASSERT_FALSE(list.empty());
  for (const char* text : {"预约记账列表", "预约日期记账方式状态", "每月5日"})
    EXPECT_NE(NoSpaces(list.front()).find(text), std::string::npos) << text << "\n" << list.front();
  const std::vector<std::string> history = testing::PdfPages(history_pdf.toStdString());
  ASSERT_FALSE(history.empty());
  EXPECT_NE(NoSpaces(history.front()).find("预约记账记录"), std::string::npos) << history.front();
  EXPECT_TRUE(TakeMessages().empty());
}

}  // namespace
}  // namespace cw

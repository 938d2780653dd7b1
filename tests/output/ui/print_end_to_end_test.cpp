// A person prints a detail ledger of the demonstration household to a PDF file
// from the desktop program: 账薄查询's 现金明细表 over two years (查找 and the
// range dialog), 打印, "Print to File (PDF)" in the print dialog. The pages,
// read back with pdftotext, carry the title, the page header, the column
// titles and page numbers, and every row of the window's table in order.
#include <gtest/gtest.h>

#include <QAction>
#include <QDate>
#include <QPrintDialog>
#include <QTemporaryDir>

#include <string>
#include <vector>

#include "app/app_ui_fixture.h"
#include "app/desktop_driver.h"
#include "app/main_frame.h"
#include "frame/app_commands.h"
#include "frame/hm_ctrl_wnd.h"
#include "output/printed_pages.h"
#include "reports/ui/select_detail_scope.h"
#include "support/modal_driver.h"

namespace cw {
namespace {

using testing::OnModal;

class PrintEndToEndTest : public testing::DemoDesktopTest {
 protected:
  QTemporaryDir out_;
};

TEST_F(PrintEndToEndTest, DetailLedgerToPdf) {
  ASSERT_TRUE(testing::ShowPage(frame_, 32935));
  bool chosen = false;
  OnModal<CSelectDetailScope>(testing::ChooseMonths(QDate(2025, 1, 1), QDate(2026, 12, 1)), &chosen);
  frame_->ToolbarAction(cmd::kFind)->trigger();
  ASSERT_TRUE(chosen);

  const std::optional<PageOutput> output = frame_->Module()->CurrentOutput();
  ASSERT_TRUE(output && output->grid);
  const GridModel& table = *output->grid;
  ASSERT_EQ(output->title, "现金明细表 - 科目：现金，日期范围：2025.01-2026.12");

  const QString pdf = out_.filePath("现金明细表.pdf");
  bool printed = false;
  OnModal<QPrintDialog>(testing::PrintToPdf(pdf), &printed);
  QAction* print = frame_->ToolbarAction(cmd::kPrint);
  ASSERT_TRUE(print && print->isEnabled());
  print->trigger();
  ASSERT_TRUE(printed);

  const std::vector<std::string> pages = testing::PdfPages(pdf.toStdString());
  ASSERT_GE(pages.size(), 3u) << "two years of cash fill several pages";
  EXPECT_EQ(testing::MissingOnPages(pages, {output->title, "科目名称：现金", "日期范围：2025.01-2026.12",
                                            "日期说明转入转出现金余额"}),
            std::vector<std::string>{});
  // Every row of the window's table, in order, each whole on one line.
  std::vector<std::string> rows;
  for (int r = 0; r < table.RowCount(); ++r) {
    std::string cells;
    for (int c = 0; c < table.ColumnCount(); ++c) cells += table.Cell(r, c);
    rows.push_back(cells);
  }
  EXPECT_EQ(testing::FirstRowMissing(pages, rows), "");
}

}  // namespace
}  // namespace cw

// A person exports two tables of the demonstration household from the
// desktop program, offscreen: 收入支出记账 and 收入支出表, each through 导出,
// the save dialog and its filter, and reads the workbooks back with openpyxl:
// the merged title in 宋体 16, the header, the alignments, amounts as numbers.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <regex>
#include <string>

#include "app/app_ui_fixture.h"
#include "app/desktop_driver.h"
#include "app/main_frame.h"
#include "frame/app_commands.h"
#include "output/read_xlsx.h"
#include "support/modal_driver.h"

namespace cw {
namespace {

using testing::OnModal;

// How many lines of `sheet` match `pattern` whole.
int Matching(const std::string& sheet, const std::string& pattern) {
  const std::regex line(pattern);
  int count = 0;
  std::size_t start = 0;
  while (start < sheet.size()) {
    const std::size_t end = sheet.find('\n', start);
    if (std::regex_match(sheet.substr(start, end - start), line)) ++count;
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return count;
}

class ExportEndToEndTest : public testing::DemoDesktopTest {
 protected:

  // 导出 on the page shown, typing `name` in the save dialog with the workbook
  // filter; returns the workbook read back.
  std::string Export(const QString& name) {
    bool saved = false;
    OnModal<QFileDialog>(
        [&](QFileDialog* dialog) {
          dialog->setDirectory(out_.path());
          dialog->selectNameFilter("Excel电子表格 (*.xlsx)");
          dialog->findChild<QLineEdit*>("fileNameEdit")->setText(name);
          static_cast<QDialog*>(dialog)->accept();
        },
        &saved);
    frame_->ToolbarAction(cmd::kExport)->trigger();
    EXPECT_TRUE(saved);
    return testing::ReadXlsx(out_.filePath(name + ".xlsx").toStdString());
  }

  QTemporaryDir out_;
};

TEST_F(ExportEndToEndTest, IncomeAndExpenseEntriesAndTableToWorkbooks) {
  ASSERT_TRUE(testing::ShowPage(frame_, 32900));
  std::string sheet = Export("收支记账");
  SCOPED_TRACE(sheet);
  std::fprintf(stderr, "%s", sheet.c_str());
  // Title merged over the nine columns, 30 high; header centred.
  EXPECT_EQ(1, Matching(sheet, "merge A1:I1"));
  EXPECT_EQ(1, Matching(sheet, "height1 30\\.0"));
  EXPECT_EQ(1, Matching(sheet, "A1 s 收入支出记账 \\| General \\| center \\| 宋体 16\\.0"));
  for (const char* header : {"A2 s 日期", "B2 s 说明", "E2 s 收入", "F2 s 支出", "G2 s 收支盈余", "I2 s 审核"})
    EXPECT_EQ(1, Matching(sheet, std::string(header) + " \\| General \\| center \\| 宋体 10\\.0")) << header;
  // Dates centred text, descriptions left, amounts right-aligned numbers.
  EXPECT_LT(0, Matching(sheet, "A\\d+ s \\d{4}-\\d\\d-\\d\\d \\| General \\| center \\| 宋体 10\\.0"));
  EXPECT_LT(0, Matching(sheet, "B\\d+ s .+ \\| General \\| left \\| 宋体 10\\.0"));
  EXPECT_LT(0, Matching(sheet, "[EF]\\d+ n [0-9.]+ \\| 0\\.00 \\| right \\| 宋体 10\\.0"));
  EXPECT_EQ(0, Matching(sheet, "[EFG]\\d+ s [-0-9.,]+ \\|.*")) << "no amount written as text";

  ASSERT_TRUE(testing::ShowPage(frame_, 32920));
  sheet = Export("收支表");
  SCOPED_TRACE(sheet);
  EXPECT_EQ(1, Matching(sheet, "merge A1:E1"));
  EXPECT_EQ(1, Matching(sheet, "A1 s 收入支出表 \\| General \\| center \\| 宋体 16\\.0"));
  for (const char* header : {"A2 s 月份", "B2 s 收入", "C2 s 支出", "D2 s 盈余", "E2 s 累计盈余"})
    EXPECT_EQ(1, Matching(sheet, std::string(header) + " \\| General \\| center \\| 宋体 10\\.0")) << header;
  EXPECT_LT(0, Matching(sheet, "A\\d+ s .+ \\| General \\| center \\| 宋体 10\\.0"));
  EXPECT_LT(0, Matching(sheet, "B\\d+ n [0-9.]+ \\| 0\\.00 \\| right \\| 宋体 10\\.0"));
  EXPECT_EQ(0, Matching(sheet, "[B-E]\\d+ s [-0-9.,]+ \\|.*")) << "no amount written as text";
  EXPECT_EQ(nullptr, frame_->findChild<QDialog*>("exportProgress")) << "the progress window is gone";
}

}  // namespace
}  // namespace cw

// 导出 on every kind of module window, in the main frame on the demonstration
// data: the toolbar's 导出 writes the page's table with the module's title
// and header texts.
#include <gtest/gtest.h>

#include <QAction>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <memory>

#include "app/app_ui_fixture.h"
#include "app/main_frame.h"
#include "frame/app_commands.h"
#include "output/read_xlsx.h"
#include "output/ui/export_file_choice.h"

namespace cw {
namespace {

class ExportFrameTest : public testing::DemoFrameTest {
 protected:
  void TearDown() override {
    SetExportFileChooser({});
    DemoFrameTest::TearDown();
  }
};

TEST_F(ExportFrameTest, ExportOnEveryKindOfTableWindowWritesItsTable) {
  struct Case {
    int page;
    std::vector<std::string> expected;  // lines or line beginnings of the workbook read back
  };
  const Case cases[] = {
      {32900, {"A1 s 收入支出记账 | General | center | 宋体 16", "A2 s 日期 | General | center"}},
      {32907, {"A1 s 初始财产、负债录入 |", "C2 s 类别 |"}},
      {32935, {"A1 s 现金明细表 - 科目：现金，日期范围：", "A2 s 日  期 |"}},
      // A balance table names the period's movements in full.
      {32943, {"A1 s 借入资金余额表 |", "B2 s 期初余额 |", "C2 s 本期借入 |", "D2 s 本期返还 |", "E2 s 期末余额 |"}},
      {32920, {"A1 s 收入支出表 |"}},
      {32950, {"A1 s 财产负债表 |"}},
      {32960, {"A1 s 收入预算 |", "A2 s 预算类型 |"}},
      {cmd::kUserManagement, {"A1 s 全部列表用户 |", "A2 s 用户名 |", "A3 s 爸爸 |"}},
  };
  QTemporaryDir folder;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.page);
    ASSERT_TRUE(frame_->ShowPage(c.page));
    QAction* export_action = frame_->ToolbarAction(cmd::kExport);
    ASSERT_NE(nullptr, export_action);
    ASSERT_TRUE(export_action->isEnabled());
    const std::filesystem::path file = folder.filePath(QString::number(c.page) + ".xlsx").toStdString();
    SetExportFileChooser([&](QWidget*) { return ExportTarget{file, ExportFormat::kXlsx}; });
    export_action->trigger();
    ASSERT_TRUE(std::filesystem::exists(file));
    const std::string sheet = testing::ReadXlsx(file.string());
    for (const std::string& line : c.expected) EXPECT_NE(std::string::npos, sheet.find("\n" + line)) << line << "\n" << sheet;
  }
  EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(ExportFrameTest, ExportIsGreyedWhereThePageShowsNoTable) {
  ASSERT_TRUE(frame_->ShowPage(cmd::kDatabaseManagement));
  if (QAction* export_action = frame_->ToolbarAction(cmd::kExport)) {
    EXPECT_FALSE(export_action->isEnabled());
  }
  bool asked = false;
  SetExportFileChooser([&](QWidget*) {
    asked = true;
    return std::nullopt;
  });
  frame_->OnCommand(cmd::kExport);
  EXPECT_FALSE(asked);
}

}  // namespace
}  // namespace cw

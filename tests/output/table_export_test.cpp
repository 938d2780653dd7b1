#include "output/table_export.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "output/read_xlsx.h"

namespace cw {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string ReadBack(const fs::path& workbook) { return testing::ReadXlsx(workbook.string()); }

std::vector<std::string> FilesIn(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// 27 columns: a left-aligned voucher number, an amount, a percentage, a
// hidden column, then text columns up to the 27th shown one (AA).
GridModel WideTable() {
  GridModel grid;
  std::vector<GridColumn> columns = {
      {.title = "凭证号", .width = 90, .sort = SortKind::Number},
      {.title = "金额", .width = 120, .align = Align::Right, .sort = SortKind::Number},
      {.title = "比例", .width = 60, .align = Align::Right, .sort = SortKind::Number},
      {.title = "隐藏", .visible = false},
  };
  for (int i = 3; i < 27; ++i) columns.push_back({.title = "列" + std::to_string(i), .align = Align::Centre});
  grid.SetColumns(columns);
  grid.AddRow({.cells = {"202603001", "1,234.50", "12.5%", "x"}});
  grid.AddRow({.cells = {"0012", "合计", "", "x"}});
  grid.SetCell(0, 27, "最后");
  return grid;
}

class TableExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "cw-export-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
  }
  void TearDown() override { fs::remove_all(folder_); }
  fs::path folder_;
};

TEST_F(TableExportTest, WorkbookHasTitleHeaderAndTypedBody) {
  const GridModel grid = WideTable();
  std::vector<int> states;
  ExportXlsx({.grid = grid, .title = "收入支出记账"}, folder_ / "t.xlsx",
             [&](int state) { states.push_back(state); });
  const std::string sheet = ReadBack(folder_ / "t.xlsx");
  for (const char* line : {
           "merge A1:AA1\n", "height1 30.0\n",
           // width = pixels / (6 / 2)
           "width A 30.", "width B 40.", "width AA 26.",
           "A1 s 收入支出记账 | General | center | 宋体 16.0\n",
           "A2 s 凭证号 | General | center | 宋体 10.0\n", "AA2 s 列26 | General | center |",
           "A3 s 202603001 | General | left | 宋体 10.0\n", "B3 n 1234.5 | 0.00 | right | 宋体 10.0\n",
           "C3 n 0.125 | 0.0% | right | 宋体 10.0\n", "AA3 s 最后 | General | center | 宋体 10.0\n",
           "A4 s 0012 | General | left |", "B4 s 合计 | General | right |"}) {
    EXPECT_NE(sheet.find(line), std::string::npos) << line << "\nin\n" << sheet;
  }
  EXPECT_EQ(sheet.find("隐藏"), std::string::npos);
  EXPECT_EQ(sheet.find("AB"), std::string::npos);
  EXPECT_EQ(states, (std::vector<int>{kExportStarting, 50, 100, 100, kExportSaving}));
  EXPECT_EQ(FilesIn(folder_), std::vector<std::string>{"t.xlsx"});
}

TEST_F(TableExportTest, ModuleHeaderTextsReplaceTheColumnTitles) {
  GridModel grid;
  grid.SetColumns({{.title = "a"}, {.title = "b"}});
  ExportXlsx({.grid = grid, .title = "T", .header = {"日期", "说明"}}, folder_ / "h.xlsx");
  const std::string sheet = ReadBack(folder_ / "h.xlsx");
  EXPECT_NE(sheet.find("A2 s 日期 "), std::string::npos) << sheet;
  EXPECT_NE(sheet.find("B2 s 说明 "), std::string::npos) << sheet;
}

TEST_F(TableExportTest, CsvHasBomTitleHeaderAndQuotedRows) {
  GridModel grid;
  grid.SetColumns({{.title = "说明"}, {.title = "隐藏", .visible = false}, {.title = "金额", .align = Align::Right}});
  grid.AddRow({.cells = {"午饭, \"面\"", "x", "1,234.50"}});
  grid.AddRow({.cells = {"", "x", "3.00"}});
  ExportCsv({.grid = grid, .title = "收入支出表"}, folder_ / "t.csv");
  EXPECT_EQ(ReadFile(folder_ / "t.csv"),
            "\xEF\xBB\xBF收入支出表\r\n说明,金额\r\n\"午饭, \"\"面\"\"\",\"1,234.50\"\r\n,3.00\r\n");
}

TEST_F(TableExportTest, ExistingFileIsReplacedOnlyBySuccess) {
  const GridModel grid = WideTable();
  const fs::path target = folder_ / "t.xlsx";
  std::ofstream(target) << "old";
  ExportXlsx({.grid = grid, .title = "T"}, target);
  EXPECT_EQ(ReadFile(target).substr(0, 2), "PK");  // a zip container: the new workbook

  // A writer that fails, and a target the file cannot be renamed over (a
  // folder): the old contents stay and no temporary file is left behind.
  std::ofstream(target) << "old";
  EXPECT_THROW(WriteReplacing(target, [](const fs::path&) { throw ExportError("disk full"); }), ExportError);
  EXPECT_EQ(ReadFile(target), "old");
  fs::create_directory(folder_ / "d.xlsx");
  fs::create_directory(folder_ / "d.xlsx" / "inside");
  EXPECT_THROW(ExportXlsx({.grid = grid, .title = "T"}, folder_ / "d.xlsx"), ExportError);
  EXPECT_THROW(ExportCsv({.grid = grid, .title = "T"}, folder_ / "d.xlsx"), ExportError);
  EXPECT_TRUE(fs::is_directory(folder_ / "d.xlsx" / "inside"));
  EXPECT_EQ(FilesIn(folder_), (std::vector<std::string>{"d.xlsx", "t.xlsx"}));
  EXPECT_THROW(ExportCsv({.grid = grid, .title = "T"}, folder_ / "missing" / "t.csv"), ExportError);
}

}  // namespace
}  // namespace cw
